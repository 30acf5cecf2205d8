#include "cli/hauptprogramm.h"

#include <algorithm>

#include "cli/argumente.h"
#include "cli/befehl.h"
#include "cli/direktbefehle.h"
#include "cli/geraetebefehle.h"
#include "cli/kennlinienbefehle.h"
#include "cli/kurvenbefehle.h"

namespace {

// Every subcommand; a new group of subcommands adds its table to the list.
std::vector<Befehl> AlleBefehle() {
  std::vector<Befehl> befehle;
  for (std::vector<Befehl> (*gruppe)() :
       {Geraetebefehle, Kurvenbefehle, Kennlinienbefehle, Direktbefehle}) {
    const std::vector<Befehl> neu = gruppe();
    befehle.insert(befehle.end(), neu.begin(), neu.end());
  }
  return befehle;
}

void AufrufZeigen(std::ostream& aus) {
  aus << "Aufruf: tvm5r [--port N] [--adresse A] [--trace] BEFEHL [ARGUMENTE]\n"
         "  --port N      serieller Port (COM N), Vorgabe 1\n"
         "  --adresse A   Geräteadresse 1..8, oder & bzw. alle (nur schreibende Befehle)\n"
         "  --trace       jedes gesendete und empfangene Byte auf stderr\n\n"
         "Befehle:\n";
  for (const Befehl& b : AlleBefehle()) {
    std::string zeile = std::string("  ") + b.name + (*b.aufruf ? " " : "") + b.aufruf;
    aus << zeile << "\n      " << b.zweck << '\n';
  }
}

char AdresseLesen(const std::string& text) {
  if (text == "alle") return '&';
  if (text.size() != 1) throw Aufruffehler("--adresse: ein Zeichen oder \"alle\" erwartet");
  return text[0];
}

// Takes the tool's own options out of the arguments, wherever they stand.
CliOptionen OptionenLesen(std::vector<std::string>& a, bool& hilfe) {
  CliOptionen o;
  for (size_t i = 0; i < a.size();) {
    if (a[i] == "--hilfe" || a[i] == "--help" || a[i] == "-h") {
      hilfe = true;
    } else if (a[i] == "--trace") {
      o.trace = true;
    } else if (a[i] == "--port" || a[i] == "--adresse") {
      if (i + 1 >= a.size()) throw Aufruffehler(a[i] + ": Wert fehlt");
      if (a[i] == "--port") o.port = static_cast<int>(ZahlLesen(a[i + 1], "Der Port", 0, 256));
      if (a[i] == "--adresse") o.adresse = AdresseLesen(a[i + 1]);
      a.erase(a.begin() + static_cast<long>(i));
    } else {
      ++i;
      continue;
    }
    a.erase(a.begin() + static_cast<long>(i));
  }
  return o;
}

}  // namespace

int CliAusfuehren(const std::vector<std::string>& argumente, Portfabrik& fabrik, std::ostream& aus,
                  std::ostream& meldungen, bool fortschrittZeigen) {
  try {
    std::vector<std::string> a = argumente;
    bool hilfe = false;
    CliOptionen optionen = OptionenLesen(a, hilfe);
    optionen.fortschritt = fortschrittZeigen;
    if (hilfe) {
      AufrufZeigen(aus);
      return 0;
    }
    if (a.empty()) throw Aufruffehler("Befehl fehlt");
    const std::vector<Befehl> befehle = AlleBefehle();
    const auto befehl = std::find_if(befehle.begin(), befehle.end(),
                                     [&](const Befehl& b) { return a[0] == b.name; });
    if (befehl == befehle.end()) throw Aufruffehler("Unbekannter Befehl \"" + a[0] + "\"");
    Sitzung sitzung(optionen, fabrik, aus, meldungen);
    const int code = befehl->ausfuehren(sitzung, {a.begin() + 1, a.end()});
    if (code == 0) return 0;
    meldungen << Fehlerzeile(code) << '\n';
    if (!sitzung.Fehlergrund().empty()) meldungen << sitzung.Fehlergrund() << '\n';
    return 1;
  } catch (const Aufruffehler& fehler) {
    meldungen << "tvm5r: " << fehler.what() << "\n\n";
    AufrufZeigen(meldungen);
    return 2;
  }
}
