#pragma once
// A toolbar of bitmap buttons bound to menu items. A click on a button runs its menu item, so
// that the menu's callback (and with it the direct-help check) decides what happens; the
// pressed state of toggles and radio buttons is set only through Druecken, by the callbacks.
// Buttons can be dimmed apart from their menu items.

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QToolBar>

class QAction;
class QComboBox;
class QToolButton;

class Werkzeugleiste : public QToolBar {
  Q_OBJECT
 public:
  explicit Werkzeugleiste(QWidget* eltern = nullptr);

  // A command button with tooltip and picture (a resource path) that runs menuepunkt.
  QAction* Knopf(const QString& tooltip, const QString& bild, QAction* menuepunkt);
  // A button that stays pressed or released as Druecken sets it.
  QAction* Umschalter(const QString& tooltip, const QString& bild, QAction* menuepunkt);
  // A new radio group; pressing one of its buttons through Druecken releases the others.
  int Radiogruppe();
  QAction* Radioknopf(int gruppe, const QString& tooltip, const QString& bild, QAction* menuepunkt);
  // A ring (drop-down list) with (label, value) items, the first selected: the given width, or
  // wider when the longest item needs it.
  QComboBox* Ring(const QString& name, int breite, const QList<QPair<QString, int>>& eintraege);
  void Trenner();

  // False when a picture could not be loaded: the toolbar is then incomplete.
  bool Vollstaendig() const { return vollstaendig_; }

  // The button that belongs to a menu item, nullptr when there is none.
  QAction* KnopfVon(QAction* menuepunkt) const { return knoepfe_.value(menuepunkt); }
  QToolButton* KnopfWidget(QAction* menuepunkt) const;
  void Druecken(QAction* menuepunkt, bool gedrueckt);
  bool Gedrueckt(QAction* menuepunkt) const;
  void Dimmen(QAction* menuepunkt, bool gedimmt);
  bool Gedimmt(QAction* menuepunkt) const;

 private:
  QAction* Anlegen(const QString& tooltip, const QString& bild, QAction* menuepunkt,
                   bool umschaltbar);

  QHash<QAction*, QAction*> knoepfe_;  // menu item -> button
  QHash<QAction*, int> gruppen_;       // radio button -> its group
  int gruppenAnzahl_ = 0;
  bool vollstaendig_ = true;
};
