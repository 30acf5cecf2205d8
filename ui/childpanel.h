#pragma once
// The frame every child panel of the main window shares: title, menu bar with "Datei" and
// "Fenster", back button, "?" toggle, connection picture and error indicator.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QVBoxLayout;
class Dialoge;
class Direkthilfe;
class Fehlerausgabe;
class FehleranzeigeWidget;
class Panelverwaltung;
class Verbindungsbild;
class Verbindungsbilder;

// What the shell offers every panel.
struct ShellDienste {
  Panelverwaltung& panels;
  Direkthilfe& hilfe;
  Fehlerausgabe& fehler;
  Dialoge& dialoge;
  Verbindungsbilder& verbindungsbilder;
  std::function<int()> programmende;  // ProgrammendeFallsAllesGespeichert
};

class ChildPanel : public QWidget {
  Q_OBJECT
 public:
  ChildPanel(ShellDienste& shell, int nummer, const QString& titel, QWidget* eltern = nullptr);

  int Nummer() const { return nummer_; }
  QString Titel() const;
  void TitelSetzen(const QString& titel);

  QMenuBar* Menueleiste() const { return menueleiste_; }
  QMenu* DateiMenue() const { return dateiMenue_; }
  QMenu* FensterMenue() const { return fensterMenue_; }
  QAction* BeendenAktion() const { return beenden_; }
  QAction* FensterAktion(int panel) const;
  // The menu item with this object name (the constant of its table row), nullptr if none.
  QAction* MenueAktion(const QString& name) const;

  // An item of the "Datei" menu before "Beenden", blocked while direct help is on.
  QAction* DateiEintrag(const QString& text, const QString& hilfetext,
                        std::function<void()> ausfuehren);
  // Removes the "Fenster" entry of a panel that this panel must not lead to; started with
  // --pwc2, every panel may be led to and the entry stays.
  void FensterEintragEntfernen(int panel);

  // The parts a panel places in its own layout; each is created on first use.
  QPushButton* ZurueckKnopf(const QString& text = "Hauptfenster");
  QCheckBox* HilfeToggle();
  Verbindungsbild* Verbindung();
  FehleranzeigeWidget* Fehleranzeige();

  // The area below the menu bar and the title for the panel's own controls.
  QWidget* Inhalt() const { return inhalt_; }

 protected:
  // The "Fenster" menu and the back button (panel -1); panels that must take over their
  // fields when they are left override it and call the base.
  virtual void FensterWaehlen(int panel);

  ShellDienste& shell_;

 private:
  int nummer_;
  QLabel* titel_;
  QMenuBar* menueleiste_;
  QMenu* dateiMenue_;
  QMenu* fensterMenue_;
  QAction* beenden_;
  QWidget* inhalt_;
  QPointer<QPushButton> zurueck_;
  QPointer<QCheckBox> hilfeToggle_;
  QPointer<Verbindungsbild> verbindung_;
  QPointer<FehleranzeigeWidget> fehleranzeige_;
};
