#pragma once
// Texts inside the binary files and the settings file are Windows-1252, one byte per character;
// the program holds them as UTF-8. These functions convert at that boundary and count characters
// the way the files count bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Every byte is a character: the five bytes Windows-1252 leaves undefined become the C1 control
// characters of the same number, so any file text converts and converts back unchanged.
std::string Cp1252ZuUtf8(std::string_view cp1252);
// Nothing when the text is not valid UTF-8 or holds a character Windows-1252 cannot store.
std::optional<std::string> Utf8ZuCp1252(std::string_view utf8);
// The same test without the result, for checking typed text.
bool InCp1252Darstellbar(std::string_view utf8);
// The first character of the text that Windows-1252 cannot store (as UTF-8), or nothing.
std::optional<std::string> ErstesNichtDarstellbaresZeichen(std::string_view utf8);
// Number of characters of a UTF-8 text (bytes that do not start a valid character count as one).
std::size_t Utf8Zeichenzahl(std::string_view utf8);
// The first `zeichen` characters of a UTF-8 text, never splitting a character.
std::string Utf8Kuerzen(std::string_view utf8, std::size_t zeichen);

// The bytes of a text field of a file: at most `zeichen` characters, each one byte. Typed text
// never holds a character Windows-1252 cannot store (it is refused where it is typed); should one
// arrive all the same, it is written as "?" rather than losing the rest of the text.
std::string Cp1252Feld(std::string_view utf8, std::size_t zeichen);

// The refusal of a typed character that Windows-1252 cannot store, for the user.
std::string NichtDarstellbarMeldung(std::string_view zeichen);
