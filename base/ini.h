#pragma once
// The settings object and its text format: sections of key/value items, kept in alphabetical
// order when sorted, names compared without regard to case and surrounding blanks. The object
// holds the file's text, one byte per character (Windows-1252); the string operations convert
// to and from the program's UTF-8, so that lengths count characters.

#include <string>
#include <vector>

struct IniEintrag {
  std::string schluessel;
  std::string wert;
  bool inAnfuehrung = false;
};

struct IniAbschnitt {
  std::string name;
  std::vector<IniEintrag> eintraege;
};

struct IniDatei {
  bool sortiert = true;
  std::vector<IniAbschnitt> abschnitte;
};

IniDatei Ini_New(bool sortiert);

void Ini_PutInt(IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                long wert);
void Ini_PutDouble(IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                   double wert);
// Written in double quotes, without escapes; a character Windows-1252 cannot store becomes "?".
void Ini_PutRawString(IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                      const std::string& wert);

// 1 found, 0 not found (target unchanged), negative when the value is not of the type.
int Ini_GetInt(const IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
               long& wert);
int Ini_GetDouble(const IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                  double& wert);
// The target is emptied first; a found value is taken with at most groesse - 1 characters
// (bytes of the file), as UTF-8.
int Ini_GetRawStringIntoBuffer(const IniDatei& ini, const std::string& abschnitt,
                               const std::string& schluessel, std::string& wert, size_t groesse);

// Parses settings text by the reading rules; the object is sorted afterwards when it sorts.
void Ini_ParseText(IniDatei& ini, const std::string& text);
// The exact text the file holds: CR LF line ends, " = ", an empty line after each section.
std::string Ini_Text(const IniDatei& ini);

// 0 or a negative code of the settings-file group.
int Ini_ReadFromFile(IniDatei& ini, const std::string& pfad);
// Writes a temporary file beside the target and replaces the target only after a complete write.
int Ini_WriteToFile(const IniDatei& ini, const std::string& pfad);
