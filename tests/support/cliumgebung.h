#pragma once
// The command-line tool run in-process on a simulated line with one device at address 1, with a
// fresh folder for its files.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/dateischreiben.h"
#include "cli/hauptprogramm.h"
#include "sim/inprozessport.h"
#include "tests/support/tempordner.h"

struct Clilauf {
  int status;
  std::string aus;
  std::string fehler;
};

struct Cliumgebung {
  TempOrdner ordner;
  SimLeitung leitung;
  Geraet& geraet = leitung.GeraetHinzufuegen('1');
  InProzessFabrik fabrik{leitung};

  Clilauf Tvm5r(std::vector<std::string> argumente) {
    std::ostringstream aus, fehler;
    const int status = CliAusfuehren(argumente, fabrik, aus, fehler);
    return {status, aus.str(), fehler.str()};
  }
  std::string Datei(const std::string& name) const { return ordner.datei(name); }
  std::string Inhalt(const std::string& name) const {
    std::string inhalt;
    EXPECT_TRUE(DateiLesen(Datei(name), inhalt)) << name;
    return inhalt;
  }
};
