#pragma once
// The COM settings panel "COM-Schnittstellen Einstellung" (COMPNL): port and address rings,
// identification, the scan of addresses 1 to 8 with its lamps, and the connection that every
// other panel reaches through Zugang(). It also holds the start and stop commands that the
// curve and characteristic panels' buttons use.

#include <QComboBox>
#include <array>

#include "device/comverbindung.h"
#include "platform/systemports.h"
#include "ui/childpanel.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class Lampe;
class Leitungswaechter;

// The port ring: opening its list first refills it with the machine's ports.
class Portring : public QComboBox {
  Q_OBJECT
 public:
  using QComboBox::QComboBox;
  void showPopup() override;

 signals:
  void wirdGeoeffnet();
};

class ComPanel : public ChildPanel, public ComBedienung {
  Q_OBJECT
 public:
  // ports: the program's table of open ports; systemports: the machine's ports for the ring.
  ComPanel(ShellDienste& shell, ComPorts& ports, Systemports& systemports,
           QWidget* eltern = nullptr);
  ~ComPanel() override;

  // The connection for the other panels and the settings section "com".
  ComVerbindung& Zugang() { return verbindung_; }

  // Clears the progress line, hides the controls the user does not reach here and drops the
  // window-menu entries of the panels the program does not offer.
  void CompanelInit();
  // Closes the port.
  int CompanelClear();

  // Binds another panel's "Start" and "Stopp" buttons to the commands here, help texts included.
  void StartStoppKnoepfeAnbinden(QAbstractButton* start, QAbstractButton* stopp);

  int PortWert() const override;
  void PortSetzen(int wert) override;
  void PortlisteSetzen(const std::vector<PortlistenEintrag>& liste, size_t auswahl) override;
  int AdressWert() const override;
  void AdresseSetzen(int wert) override;
  void IdTextSetzen(const std::string& text) override;
  // The identification shown in IDSTRING.
  std::string IdText() const;
  void FortschrittSetzen(const std::string& text) override;
  void ScanlampeSetzen(int adresse, Fund fund) override;
  void FehlerlampenSetzen(int wort) override;
  void GeraetesteuerungDimmen(bool gedimmt) override;
  void VerbindungsbilderSetzen(int wert) override;
  void VerbindungsbilderBeschriften(const std::string& zeile, const std::string& tipp) override;
  const Leitungswaechter& Waechter() const { return *waechter_; }

 public slots:
  void Start_Callback();
  void Stopp_Callback();

 private:
  QPushButton* Knopf(const char* name, const QString& text, const char* hilfetext,
                     std::function<void()> ausfuehren);
  QWidget* SichtbareTeileAnlegen();
  QWidget* VerborgeneTeileAnlegen();
  void StatusbitsHilfe_Callback();
  // The ring's tooltip names the selected port and its device.
  void PorthinweisZeigen();

  Systemports& systemports_;
  ComVerbindung verbindung_;
  Leitungswaechter* waechter_ = nullptr;
  Portring* port_ = nullptr;
  QComboBox* adresse_ = nullptr;
  QLineEdit* idString_ = nullptr;
  QLabel* text_ = nullptr;
  std::array<Lampe*, 8> scanlampen_{};
  std::array<Lampe*, 5> fehlerlampen_{};
  QList<QWidget*> verborgen_;         // hidden by CompanelInit
  QList<QWidget*> geraetesteuerung_;  // dimmed while no port is open
};
