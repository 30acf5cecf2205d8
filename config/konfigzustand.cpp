#include "config/konfigzustand.h"

#include "base/zeichensatz.h"

namespace {

const char* Mangeltext(Kanalmangel mangel) {
  switch (mangel) {
    case Kanalmangel::GleicheSpannungen:
      return "Die beiden Spannungen sind gleich.";
    case Kanalmangel::GleicheWerte:
      return "Die beiden Werte sind gleich.";
    default:
      return "Die Werte sind ungültig.";
  }
}

// Takes the outputs or the inputs of `neu` into `ziel`, channel by channel; every refused part
// adds a line to `meldung`.
void BlockUebernehmen(Konfiguration& ziel, const Konfiguration& neu, const Kanalblock& b,
                      const std::string& name, const std::string& mehrzahl, std::string& meldung) {
  if (VollausschlagGueltig(neu.*b.vmax))
    ziel.*b.vmax = neu.*b.vmax;
  else
    meldung += "PWC-2 " + mehrzahl + ": Der Bereich ist ungültig.\n";
  for (int k = 0; k < kKanaele; ++k) {
    const Kanalmangel mangel = KanalPruefen(neu, b, k);
    if (mangel != Kanalmangel::Keiner) {
      meldung += "PWC-2 " + name + " " + std::to_string(k + 1) + ": " + Mangeltext(mangel) + "\n";
      continue;
    }
    (ziel.*b.min)[k] = (neu.*b.min)[k];
    (ziel.*b.max)[k] = (neu.*b.max)[k];
    (ziel.*b.skalamin)[k] = (neu.*b.skalamin)[k];
    (ziel.*b.skalamax)[k] = (neu.*b.skalamax)[k];
    (ziel.*b.einheit)[k] = Utf8Kuerzen((neu.*b.einheit)[k], kEinheitLaenge);
  }
}

}  // namespace

void Konfigzustand::SkalierungAnmelden(std::function<void()> skalieren) {
  skalierungen_.push_back(std::move(skalieren));
}

void Konfigzustand::KonfigurationAnzeigen() {
  if (felder_ != nullptr) felder_->FelderZeigen(gKonfig_);
}

bool Konfigzustand::KonfigfelderInStrukturSpeichern() {
  if (felder_ == nullptr) return true;
  const Konfiguration neu = felder_->FelderLesen();
  std::string meldung;
  BlockUebernehmen(gKonfig_, neu, kAusgaenge, "Ausgang", "Ausgänge", meldung);
  BlockUebernehmen(gKonfig_, neu, kEingaenge, "Eingang", "Eingänge", meldung);
  if (meldung.empty()) return true;
  dialoge_.MessagePopup("Konfiguration", meldung + "Diese Werte wurden nicht übernommen.");
  return false;
}

bool Konfigzustand::KonfigurationSetzen(const Konfiguration& konfig) {
  if (!KonfigurationGueltig(konfig)) return false;
  gKonfig_ = konfig;
  KonfigurationAnzeigen();
  return true;
}

void Konfigzustand::InitialisiereKonfigPanel() {
  if (felder_ == nullptr) return;
  Konfiguration felder = felder_->FelderLesen();
  felder.voutmax = 4.095;
  felder.outmin[0] = 0.0;
  felder.outmax[0] = 4.095;
  felder.outskalamin[0] = 0.0;
  felder.outskalamax[0] = 4.095;
  felder.outeinheit[0] = "A";
  felder_->FelderZeigen(felder);
}

void Konfigzustand::FeldSkalaOutMax1Setzen(double wert) {
  if (felder_ == nullptr) {
    Konfiguration konfig = gKonfig_;
    konfig.outskalamax[0] = wert;
    KonfigurationSetzen(konfig);
    return;
  }
  Konfiguration felder = felder_->FelderLesen();
  felder.outskalamax[0] = wert;
  felder_->FelderZeigen(felder);
}

void Konfigzustand::StandardwerteFragen() {
  const Frage frage{"Werte zurücksetzen",
                    "Wollen Sie alle Werte löschen und\nauf Standardwerte zurücksetzen?",
                    {"Ja", "Nein"},
                    1,
                    2};
  if (dialoge_.GenericMessagePopup(frage) != 1) return;
  KonfigurationZuruecksetzen();
  KonfigurationAnzeigen();
}

bool Konfigzustand::KonfigpanelVerlassen() {
  const bool uebernommen = KonfigfelderInStrukturSpeichern();
  for (const auto& skalieren : skalierungen_) skalieren();
  return uebernommen;
}
