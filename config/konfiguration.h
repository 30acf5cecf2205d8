#pragma once
// The channel configuration record and the conversions between raw values, volts and user
// units that every editor uses. Computed in the order of the formulas, without clamping.

#include <array>
#include <string>

constexpr int kKanaele = 4;

struct Konfiguration {
  double voutmax = 10.0;
  std::array<double, kKanaele> outmin{0.0, 0.0, 0.0, 0.0};
  std::array<double, kKanaele> outmax{10.0, 10.0, 10.0, 10.0};
  std::array<double, kKanaele> outskalamin{0.0, 0.0, 0.0, 0.0};
  std::array<double, kKanaele> outskalamax{10.0, 10.0, 10.0, 10.0};
  std::array<std::string, kKanaele> outeinheit{"V", "V", "V", "V"};  // at most 8 characters
  double vinmax = 10.0;
  std::array<double, kKanaele> inmin{0.0, 0.0, 0.0, 0.0};
  std::array<double, kKanaele> inmax{10.0, 10.0, 10.0, 10.0};
  std::array<double, kKanaele> inskalamin{0.0, 0.0, 0.0, 0.0};
  std::array<double, kKanaele> inskalamax{10.0, 10.0, 10.0, 10.0};
  std::array<std::string, kKanaele> ineinheit{"V", "V", "V", "V"};  // at most 8 characters
};

double AusgangRohInVolt(const Konfiguration& konfig, double roh);
double AusgangVoltInRoh(const Konfiguration& konfig, double volt);
double AusgangVoltInEinheit(const Konfiguration& konfig, int k, double volt);
double AusgangEinheitInVolt(const Konfiguration& konfig, int k, double wert);
double EingangRohInVolt(const Konfiguration& konfig, double roh);
double EingangVoltInRoh(const Konfiguration& konfig, double volt);
double EingangVoltInEinheit(const Konfiguration& konfig, int k, double volt);
double EingangEinheitInVolt(const Konfiguration& konfig, int k, double wert);

// Raw value <-> user unit of output k (the curve values), and of input 1.
double RohInEinheit(const Konfiguration& konfig, int k, double roh);
double EinheitInRoh(const Konfiguration& konfig, int k, double wert);
double RohXInEinheit(const Konfiguration& konfig, double roh);
double EinheitInRohX(const Konfiguration& konfig, double wert);
