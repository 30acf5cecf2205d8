#include "base/panelverwaltung.h"

Fenstergroesse AngepassteGroesse(Fenstergroesse start, Fenstergroesse aktuell) {
  if (start.breite <= 0 || start.hoehe <= 0) return aktuell;
  const double rx = static_cast<double>(aktuell.breite) / start.breite;
  const double ry = static_cast<double>(aktuell.hoehe) / start.hoehe;
  double faktor;
  if (ry < rx) {
    faktor = ry;
    aktuell.breite = static_cast<int>(start.breite * ry + 0.5);
  } else {
    faktor = rx;
    aktuell.hoehe = static_cast<int>(start.hoehe * rx + 0.5);
  }
  if (1.0 > faktor) return start;
  return aktuell;
}

void Panelverwaltung::ZeigeChildpanel(int panel) {
  if (aktuellesChildpanel_ != KEIN_PANEL) {
    ansicht_.PanelVerbergen(aktuellesChildpanel_);
    aktuellesChildpanel_ = KEIN_PANEL;
    ansicht_.HauptbuttonsSperren(false);
  }
  if (panel < 0) return;
  ansicht_.HauptbuttonsSperren(true);
  ansicht_.PanelZeigen(panel);
  aktuellesChildpanel_ = panel;
}
