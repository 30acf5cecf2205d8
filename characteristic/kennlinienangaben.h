#pragma once
// What the characteristic panel edits besides the points: the comment with its preview and the
// rise time, which always shows a time the box can represent.

#include <string>

#include "characteristic/kennlinienzustand.h"

// The first 30 characters of the comment (KOMMENTARVORSCHAU).
std::string KennlKommentarVorschau(const std::string& kommentar);
// Stores the comment, cut to 999 characters; a comment that differs from the old one marks the
// characteristic modified. Returns whether it differed.
bool KennlKommentarSetzen(Kennlinienzustand& zustand, const std::string& text);
// Anstiegszeit_Callback: the field becomes AnstiegszeitAusCode(AnstiegszeitCode(t)).
void KennlAnstiegszeitSetzen(Kennlinienzustand& zustand, double t);
// A rise time as text: kAnstiegszeitStellen decimals, trailing zeros dropped ("16.38",
// "0.10002", "409.5").
std::string AnstiegszeitText(double ms);
