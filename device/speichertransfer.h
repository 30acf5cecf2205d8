#pragma once
// The memory block commands of the driver and the block transfer of the curve generator. Device
// memory types 4 (curve memory, characteristic slots) and 5 (dither amplitudes) each hold 65536
// bytes. Every block carries the checksum (1 + sum of its data bytes) mod 65536.

#include <cstdint>
#include <span>

#include "base/dialoge.h"
#include "device/comport.h"

inline constexpr int kBlockGroesse = 64;

// (1 + sum of the bytes) mod 65536.
uint16_t Speicherchecksumme(std::span<const uint8_t> daten);

// Writes anzahl (0..64) bytes of daten at start (0..0xFFFF) of memory type typ (4 or 5);
// adresse may be '&'. daten must hold at least anzahl bytes.
int NOVHLN1_SpeicherSchreiben(ComPorts& ports, int port, char adresse, int typ, int start,
                              int anzahl, std::span<const uint8_t> daten);
// Reads anzahl (1..65535) bytes from start into ziel (at least anzahl bytes), which holds them
// only on success.
int NOVHLN1_SpeicherLesen(ComPorts& ports, int port, char adresse, int typ, int start, int anzahl,
                          std::span<uint8_t> ziel);

// The block transfers take the port (-1: none open) and the device address as the COM settings
// panel holds them at the start of the call.
// Writes abbild[start .. start + anzahl - 1] (the image is indexed by device address) in blocks
// of at most 64 bytes, showing the progress dialog "Daten senden". Stopped by the user after a
// block: -4432.
int KurvenBlockSchreiben(Dialoge& dialoge, ComPorts& ports, int port, char adresse,
                         std::span<const uint8_t> abbild, int start, int anzahl, int typ);
// Writes daten to device addresses start .. start + size - 1 of memory type typ in blocks of at
// most 64 bytes; with ausgerichtet, the blocks end at the 64-byte boundaries of the device
// address. With dialoge, shows the progress dialog "Daten senden" (stopped by the user after a
// block: -4432). The port is not checked.
int BloeckeSchreiben(Dialoge* dialoge, ComPorts& ports, int port, char adresse,
                     std::span<const uint8_t> daten, int start, int typ, bool ausgerichtet);
// Reads device addresses start .. start + anzahl - 1 into ziel[0 .. anzahl - 1] in blocks of at
// most 64 bytes; with fortschritt, shows the progress dialog "Daten lesen" (stopped by the user
// after a block: -4433).
int KurvenBlockLesen(Dialoge& dialoge, ComPorts& ports, int port, char adresse, int start,
                     int anzahl, std::span<uint8_t> ziel, bool fortschritt, int typ);
