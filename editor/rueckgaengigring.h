#pragma once
// The ten-step undo ring that the curve and characteristic editors share: snapshots of a point
// list written at a ring position, an undo count and a redo count, and the enabled state of
// "Rückgängig" and "Wiederherstellen" that the panels mirror.

#include <algorithm>
#include <array>
#include <new>
#include <vector>

constexpr int kRueckgaengigSchritte = 10;

// Enabled state of "Rückgängig" and "Wiederherstellen" in the menu and on the toolbar.
struct Rueckgaengigfreigabe {
  bool rueckgaengigMenue = true;
  bool wiederherstellenMenue = true;
  bool rueckgaengigKnopf = false;
  bool wiederherstellenKnopf = false;
  bool operator==(const Rueckgaengigfreigabe&) const = default;
};

// Menu item and toolbar button alike.
inline void Freigeben(Rueckgaengigfreigabe& freigabe, bool rueckgaengig, bool wiederherstellen) {
  freigabe.rueckgaengigMenue = freigabe.rueckgaengigKnopf = rueckgaengig;
  freigabe.wiederherstellenMenue = freigabe.wiederherstellenKnopf = wiederherstellen;
}

// What an undo or redo step did.
struct Ringschritt {
  bool ausgefuehrt = false;  // a step was available
  bool geaendert = false;    // the points differ from before
};

template <class Punkt>
struct Rueckgaengigring {
  std::array<std::vector<Punkt>, kRueckgaengigSchritte> sgRueckgaengigPuffer;
  int sgRueckgaengigPos = 0;         // 0..9
  int sgAnzahlRueckgaengig = 0;      // 0..10
  int sgAnzahlWiederherstellen = 0;  // 0..10

  Rueckgaengigring() { sgRueckgaengigPuffer.fill({Punkt{}}); }

  // Stores a copy of the points at the ring position; false (ring unchanged) when memory runs
  // out.
  bool Sichern(const std::vector<Punkt>& punkte) {
    try {
      sgRueckgaengigPuffer[sgRueckgaengigPos] = punkte;
    } catch (const std::bad_alloc&) {
      return false;
    }
    sgAnzahlRueckgaengig = std::min(sgAnzahlRueckgaengig + 1, kRueckgaengigSchritte);
    sgRueckgaengigPos = Nachher(sgRueckgaengigPos);
    sgAnzahlWiederherstellen = 0;
    return true;
  }
  // Exchanges the points with the snapshot before the ring position.
  Ringschritt Rueckgaengig(std::vector<Punkt>& punkte) {
    if (sgAnzahlRueckgaengig < 1) return {};
    const int a = Vorher(sgRueckgaengigPos);
    const bool geaendert = Tauschen(punkte, a);
    sgRueckgaengigPos = a;
    sgAnzahlRueckgaengig -= 1;
    sgAnzahlWiederherstellen = std::min(sgAnzahlWiederherstellen + 1, kRueckgaengigSchritte);
    return {true, geaendert};
  }
  // Exchanges the points with the snapshot at the ring position.
  Ringschritt Wiederherstellen(std::vector<Punkt>& punkte) {
    if (sgAnzahlWiederherstellen < 1) return {};
    const int a = sgRueckgaengigPos;
    const bool geaendert = Tauschen(punkte, a);
    sgRueckgaengigPos = Nachher(a);
    sgAnzahlWiederherstellen -= 1;
    sgAnzahlRueckgaengig = std::min(sgAnzahlRueckgaengig + 1, kRueckgaengigSchritte);
    return {true, geaendert};
  }

 private:
  // Swapping needs no memory.
  bool Tauschen(std::vector<Punkt>& punkte, int a) {
    const bool geaendert = punkte != sgRueckgaengigPuffer[a];
    punkte.swap(sgRueckgaengigPuffer[a]);
    return geaendert;
  }
  static int Vorher(int pos) { return pos == 0 ? kRueckgaengigSchritte - 1 : pos - 1; }
  static int Nachher(int pos) { return pos == kRueckgaengigSchritte - 1 ? 0 : pos + 1; }
};
