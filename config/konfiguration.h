#pragma once
// The channel configuration record and the conversions between raw values, volts and user
// units that every editor uses. Computed in the order of the formulas, without clamping.

#include <array>
#include <cstddef>
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

// Characters of a unit text: the record's field holds one byte per character (Windows-1252)
// and one more for the terminating NUL. The program holds the texts as UTF-8.
constexpr size_t kEinheitLaenge = 8;

// 1 when the two records are equal field by field (doubles exactly, unit texts case-sensitive),
// 0 otherwise.
int KonfigurationenVergleichen(const Konfiguration& a, const Konfiguration& b);

// Why a channel's scaling cannot be used: the conversions divide by the difference of the two
// voltages and of the two unit values, and every value must stay finite.
enum class Kanalmangel { Keiner, GleicheSpannungen, GleicheWerte, Ungueltig };

// The fields of the outputs or of the inputs, so that both share one code path.
struct Kanalblock {
  double Konfiguration::*vmax;
  std::array<double, kKanaele> Konfiguration::*min;
  std::array<double, kKanaele> Konfiguration::*max;
  std::array<double, kKanaele> Konfiguration::*skalamin;
  std::array<double, kKanaele> Konfiguration::*skalamax;
  std::array<std::string, kKanaele> Konfiguration::*einheit;
};

constexpr Kanalblock kAusgaenge{&Konfiguration::voutmax,     &Konfiguration::outmin,
                                &Konfiguration::outmax,      &Konfiguration::outskalamin,
                                &Konfiguration::outskalamax, &Konfiguration::outeinheit};
constexpr Kanalblock kEingaenge{&Konfiguration::vinmax,     &Konfiguration::inmin,
                                &Konfiguration::inmax,      &Konfiguration::inskalamin,
                                &Konfiguration::inskalamax, &Konfiguration::ineinheit};

Kanalmangel KanalPruefen(double min, double max, double skalamin, double skalamax);
Kanalmangel KanalPruefen(const Konfiguration& konfig, const Kanalblock& block, int k);
// A full scale must be finite and non-zero.
bool VollausschlagGueltig(double vmax);

// True when every conversion of the record gives finite results for finite arguments.
bool KonfigurationGueltig(const Konfiguration& konfig);
