#pragma once
// The main window "TVM-5R Kurvengenerator": its buttons, and the one child panel it shows.

#include <QMap>
#include <QWidget>

#include "base/panelverwaltung.h"

class QCheckBox;
class QPushButton;
class QStackedWidget;
class ChildPanel;
class Verbindungsbild;

// Control numbers of the main window.
enum Hauptknopf : int {
  KNOPF_COM = 2,
  KNOPF_KONFIG = 3,
  KNOPF_DIREKT = 4,
  KNOPF_KURVEN = 5,
  KNOPF_KENNLINIE = 6,
  KNOPF_INFO = 7,
  KNOPF_ENDE = 8,
  KNOPF_PICTURERING = 9,
  KNOPF_DIREKTHILFE = 10,
};

class Hauptfenster : public QWidget, public PanelAnsicht {
  Q_OBJECT
 public:
  Hauptfenster();

  void ChildpanelHinzufuegen(ChildPanel* panel);
  ChildPanel* Childpanel(int nummer) const { return panels_.value(nummer); }
  QPushButton* Knopf(int id) const { return knoepfe_.value(id); }
  QCheckBox* HilfeToggle() const { return hilfeToggle_; }
  void VerbindungsbildSetzen(Verbindungsbild* bild);
  // The control with this number (2..10), for hiding and dimming.
  QWidget* Steuerelement(int id) const;
  int SichtbaresPanel() const;

  // Start size, recorded once before the window is first shown, and the re-fit after the
  // user resized the window.
  void PanelgroesseAendern(bool erstesMal);
  Fenstergroesse Startgroesse() const { return startgroesse_; }

  void PanelZeigen(int panel) override;
  void PanelVerbergen(int panel) override;
  void HauptbuttonsSperren(bool gedimmt) override;

 signals:
  void schliessenAngefragt();

 protected:
  void closeEvent(QCloseEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;

 private:
  QStackedWidget* stapel_;
  QWidget* hauptseite_;
  QMap<int, QPushButton*> knoepfe_;
  QMap<int, ChildPanel*> panels_;
  QCheckBox* hilfeToggle_;
  QWidget* bildPlatz_;
  Verbindungsbild* bild_ = nullptr;
  Fenstergroesse startgroesse_;
  bool passtAn_ = false;
};
