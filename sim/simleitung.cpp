#include "sim/simleitung.h"

#include <algorithm>
#include <cstdio>

#include "device/novhln1.h"

namespace {

constexpr size_t kLaengsterRahmen = 300;

struct Stoername {
  Stoerart art;
  const char* name;
};
constexpr Stoername kStoernamen[] = {
    {Stoerart::Nak, "nak"},
    {Stoerart::Can, "can"},
    {Stoerart::Stille, "stille"},
    {Stoerart::Abgeschnitten, "abgeschnitten"},
    {Stoerart::FruehesEnde, "fruehesende"},
    {Stoerart::FalscheChecksumme, "checksumme"},
    {Stoerart::FalschesEcho, "echo"},
    {Stoerart::Muell, "muell"},
    {Stoerart::Bitfehler, "bitfehler"},
    {Stoerart::Auflegen, "auflegen"},
};

std::string Lesbar(const std::string& bytes) {
  std::string text;
  for (unsigned char c : bytes) {
    if (c == kCR) {
      text += "<CR>";
    } else if (c == kACK) {
      text += "<ACK>";
    } else if (c == kNAK) {
      text += "<NAK>";
    } else if (c == kCAN) {
      text += "<CAN>";
    } else if (c < 0x20 || c > 0x7E) {
      char puffer[8];
      std::snprintf(puffer, sizeof puffer, "<%02X>", c);
      text += puffer;
    } else {
      text += static_cast<char>(c);
    }
  }
  return text;
}

// A memory read answer: ACK, "#", address, "BDR", ..., four checksum digits, CR.
void ChecksummeErhoehen(std::string& antwort) {
  if (antwort.size() < 21 || antwort[0] != kACK || antwort.compare(3, 3, "BDR") != 0) return;
  const size_t pos = antwort.size() - 5;
  const unsigned wert = std::stoul(antwort.substr(pos, 4), nullptr, 16);
  char puffer[8];
  std::snprintf(puffer, sizeof puffer, "%04X", (wert + 1) & 0xFFFF);
  antwort.replace(pos, 4, puffer);
}

}  // namespace

std::optional<Stoerart> StoerartAusName(std::string_view name) {
  for (const auto& s : kStoernamen) {
    if (name == s.name) return s.art;
  }
  return std::nullopt;
}

const char* StoerartName(Stoerart art) {
  for (const auto& s : kStoernamen) {
    if (s.art == art) return s.name;
  }
  return "";
}

std::string ProtokollText(const Protokolleintrag& eintrag) {
  std::string text = std::to_string(eintrag.nummer) + ": " + Lesbar(eintrag.anfrage) + " -> " +
                     Lesbar(eintrag.antwort);
  if (eintrag.stoerung) {
    text += " [";
    text += StoerartName(eintrag.stoerung->art);
    if (eintrag.stoerung->parameter != 0) text += " " + std::to_string(eintrag.stoerung->parameter);
    text += "]";
  }
  return text;
}

double Zeichendauer(int baud) {
  return 10.0 / baud;
}

Geraet& SimLeitung::GeraetHinzufuegen(char adresse, std::string kennung) {
  return geraete_.emplace_back(adresse, std::move(kennung));
}

Geraet* SimLeitung::GeraetMit(char adresse) {
  for (auto& g : geraete_) {
    if (g.adresse == adresse) return &g;
  }
  return nullptr;
}

void SimLeitung::StoerungenLoeschen() {
  aufRahmen_.clear();
  raten_.clear();
}

std::string SimLeitung::Empfangen(std::string_view bytes) {
  std::string antwort;
  for (char c : bytes) antwort += Empfangen(static_cast<uint8_t>(c));
  return antwort;
}

std::string SimLeitung::Empfangen(uint8_t byte) {
  // A frame start always begins a new frame, so the line finds its way back after noise.
  if (byte == '#') {
    rahmen_ = "#";
    imRahmen_ = true;
    return {};
  }
  if (!imRahmen_) return {};
  rahmen_ += static_cast<char>(byte);
  if (byte == kCR) {
    imRahmen_ = false;
    return RahmenBearbeiten(rahmen_);
  }
  if (rahmen_.size() > kLaengsterRahmen) imRahmen_ = false;
  return {};
}

std::string SimLeitung::RahmenBearbeiten(const std::string& rahmen) {
  Protokolleintrag eintrag;
  eintrag.nummer = ++rahmenzahl_;
  eintrag.anfrage = rahmen;
  const std::optional<Stoerung> stoerung = StoerungFuer(eintrag.nummer);
  if (totRahmen_ > 0) {
    --totRahmen_;
    if (protokoll) protokoll(eintrag);
    return {};
  }
  for (auto& geraet : geraete_) {
    if (geraet.Angesprochen(rahmen)) eintrag.antwort += geraet.RahmenBearbeiten(rahmen);
  }
  // Frames that nobody answers stay silent whatever the fault.
  if (stoerung && !eintrag.antwort.empty()) {
    eintrag.antwort = Stoeren(std::move(eintrag.antwort), *stoerung);
    eintrag.stoerung = stoerung;
  }
  if (protokoll) protokoll(eintrag);
  return eintrag.antwort;
}

std::optional<Stoerung> SimLeitung::StoerungFuer(long nummer) {
  std::optional<Stoerung> gewaehlt;
  if (auto it = aufRahmen_.find(nummer); it != aufRahmen_.end()) gewaehlt = it->second;
  // Every rate draws on every frame, so that the sequence depends on the seed alone.
  std::uniform_real_distribution<double> verteilung(0.0, 1.0);
  for (const auto& [stoerung, rate] : raten_) {
    if (verteilung(zufall_) < rate && !gewaehlt) gewaehlt = stoerung;
  }
  return gewaehlt;
}

std::string SimLeitung::Stoeren(std::string antwort, const Stoerung& stoerung) {
  const size_t p = stoerung.parameter > 0 ? static_cast<size_t>(stoerung.parameter) : 0;
  switch (stoerung.art) {
    case Stoerart::Nak:
      return std::string(1, kNAK);
    case Stoerart::Can:
      return std::string(1, kCAN);
    case Stoerart::Stille:
      return {};
    case Stoerart::Abgeschnitten:
      antwort.resize(antwort.size() - std::min(antwort.size(), p ? p : (antwort.size() + 1) / 2));
      return antwort;
    case Stoerart::FruehesEnde:
      // Bytes of the answer line go, the ACK and the final CR stay.
      if (antwort.size() > 2 && antwort.back() == kCR) {
        const size_t weg = std::min(antwort.size() - 2, p ? p : 2);
        antwort.erase(antwort.size() - 1 - weg, weg);
      }
      return antwort;
    case Stoerart::FalscheChecksumme:
      ChecksummeErhoehen(antwort);
      return antwort;
    case Stoerart::FalschesEcho:
      // Index 0 of the answer line is its "#", which follows the ACK.
      if (antwort[0] == kACK && (p ? p : 1) + 1 < antwort.size()) ++antwort[(p ? p : 1) + 1];
      return antwort;
    case Stoerart::Muell: {
      std::uniform_int_distribution<int> zeichen('$', '~');  // printable, never "#"
      std::string muell;
      for (size_t i = 0; i < (p ? p : 1); ++i) muell += static_cast<char>(zeichen(zufall_));
      return muell + antwort;
    }
    case Stoerart::Bitfehler: {
      std::uniform_int_distribution<size_t> stelle(0, antwort.size() - 1);
      std::uniform_int_distribution<int> bit(0, 6);  // the line carries 7 data bits
      for (size_t i = 0; i < (p ? p : 1); ++i)
        antwort[stelle(zufall_)] ^= static_cast<char>(1 << bit(zufall_));
      return antwort;
    }
    case Stoerart::Auflegen:
      totRahmen_ = static_cast<int>(p ? p : 3);
      antwort.resize(antwort.size() / 2);
      return antwort;
  }
  return antwort;
}
