#include "characteristic/kennliniendialogfenster.h"

#include <QDoubleSpinBox>
#include <QFormLayout>

#include "base/zeichensatz.h"
#include "characteristic/kennliniengraphen.h"
#include "ui/eingabedialog.h"

namespace {

constexpr double kWertGrenze = 1e9;
constexpr int kStellen = 4;

}  // namespace

Punktwerte KennlinienDialogfenster::Punktdialog(const std::string& titel, int punkt,
                                                const Punktwerte& anzeige) {
  Linienzug marke;
  if (punkt >= 0 && punkt < zustand_.gKennlinie.anzahlPunkte())
    marke.Anhaengen(KennlPunktX(zustand_.gKennlinie, punkt), zustand_.gKennlinie.punkte[punkt].y);
  grafik_.VorschauZeigen({}, marke);
  Eingabedialog dialog(titel, eltern_);
  QDoubleSpinBox* x = Zahlfeld("X", kStellen, -kWertGrenze, kWertGrenze, &dialog);
  QDoubleSpinBox* y = Zahlfeld("Y", kStellen, -kWertGrenze, kWertGrenze, &dialog);
  auto* form = new QFormLayout;
  form->addRow("X", x);
  form->addRow("Y", y);
  dialog.Hinzufuegen(form);
  const auto zeigen = [&] {
    x->setValue(anzeige.x);
    y->setValue(anzeige.y);
  };
  zeigen();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  grafik_.VorschauEntfernen();
  return {x->value(), y->value()};
}

std::string KennlinienDialogfenster::Kommentardialog(const std::string& text) {
  return ::Kommentardialog(eltern_, "Kommentar - Kennlinie", text,
                           [](const std::string& t) { return Utf8Kuerzen(t, kKennlKommentarMax); });
}
