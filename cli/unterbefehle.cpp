#include "cli/unterbefehle.h"

int UnterbefehlAusfuehren(Sitzung& sitzung, const std::vector<std::string>& argumente,
                          const std::string& gruppe, const std::string& erwartet,
                          std::initializer_list<Unterbefehl> unterbefehle) {
  if (argumente.empty()) throw Aufruffehler(gruppe + ": " + erwartet + " erwartet");
  const std::vector<std::string> rest(argumente.begin() + 1, argumente.end());
  for (const Unterbefehl& u : unterbefehle)
    if (argumente[0] == u.name) return u.ausfuehren(sitzung, rest);
  throw Aufruffehler(gruppe + ": unbekannter Unterbefehl \"" + argumente[0] + "\"");
}
