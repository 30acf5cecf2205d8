#include "curves/kurvendialogfenster.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "curves/grafikdaten.h"
#include "curves/kurvenangaben.h"
#include "curves/kurvengrafik.h"
#include "ui/eingabedialog.h"

namespace {

constexpr double kZeitMax = 1e9;
constexpr double kWertGrenze = 1e9;

}  // namespace

Zeitfeldzeile::Zeitfeldzeile(bool nurLesen, QWidget* eltern) : QWidget(eltern) {
  struct Feld {
    const char* name;
    const char* einheit;
    int stellen;
  };
  constexpr Feld kFelder[] = {{"XSTUNDEN", "h", 0},
                              {"XMINUTEN", "min", 0},
                              {"XSEKUNDEN", "s", 0},
                              {"XMILISEKUNDEN", "ms", 2}};
  auto* zeile = new QHBoxLayout(this);
  zeile->setContentsMargins(0, 0, 0, 0);
  for (size_t i = 0; i < felder_.size(); ++i) {
    QDoubleSpinBox* feld = Zahlfeld(kFelder[i].name, kFelder[i].stellen, 0, kZeitMax, this);
    feld->setReadOnly(nurLesen);
    if (nurLesen) feld->setButtonSymbols(QAbstractSpinBox::NoButtons);
    feld->setToolTip(kFelder[i].einheit);
    felder_[i] = feld;
    zeile->addWidget(feld, 1);
    zeile->addWidget(new QLabel(kFelder[i].einheit, this));
  }
}

void Zeitfeldzeile::Setzen(const Zeitfelder& zeit) {
  felder_[0]->setValue(zeit.stunden);
  felder_[1]->setValue(zeit.minuten);
  felder_[2]->setValue(zeit.sekunden);
  felder_[3]->setValue(zeit.millisekunden);
}

Zeitfelder Zeitfeldzeile::Lesen() const {
  return {felder_[0]->value(), felder_[1]->value(), felder_[2]->value(), felder_[3]->value()};
}

Punkteingabe KurvenDialogfenster::Punktdialog(const std::string& titel, int punkt,
                                              const Punkteingabe& anzeige) {
  const Kurve& kurve = satz_.aktuelleKurve();
  if (punkt >= 0 && punkt < kurve.anzahlPunkte()) {
    Linienzug markierung;
    markierung.Anhaengen(Punktzeit(kurve, punkt), kurve.punkte[punkt].y);
    grafik_.VorschauZeigen(markierung);
  }
  Eingabedialog dialog(titel, eltern_);
  auto* zeit = new Zeitfeldzeile(false, &dialog);
  QDoubleSpinBox* wert = Zahlfeld("Y", 4, -kWertGrenze, kWertGrenze, &dialog);
  auto* form = new QFormLayout;
  form->addRow("Zeit", zeit);
  form->addRow("Y-Wert", wert);
  dialog.Hinzufuegen(form);
  const auto zeigen = [&] {
    zeit->Setzen(anzeige.zeit);
    wert->setValue(anzeige.wert);
  };
  zeigen();
  // The fields round what they show to their decimals; a field the user left as shown gives
  // back the exact value it was handed, so that OK without an edit changes nothing.
  const Zeitfelder gezeigteZeit = zeit->Lesen();
  const double gezeigterWert = wert->value();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  grafik_.VorschauEntfernen();
  const Zeitfelder neueZeit = zeit->Lesen();
  return {neueZeit == gezeigteZeit ? anzeige.zeit : neueZeit,
          wert->value() == gezeigterWert ? anzeige.wert : wert->value()};
}

Zeitfelder KurvenDialogfenster::Geradendialog(const std::string& titel, int gerade,
                                              const Zeitfelder& dauer) {
  grafik_.GeradeHervorheben(gerade);
  Eingabedialog dialog(titel, eltern_);
  auto* zeit = new Zeitfeldzeile(false, &dialog);
  auto* form = new QFormLayout;
  form->addRow("Länge", zeit);
  dialog.Hinzufuegen(form);
  const auto zeigen = [&] { zeit->Setzen(dauer); };
  zeigen();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  grafik_.HervorhebungEntfernen();
  return zeit->Lesen();
}

std::string KurvenDialogfenster::Kommentardialog(const std::string& titel,
                                                 const std::string& text) {
  return ::Kommentardialog(eltern_, titel, text, KommentarKuerzen);
}
