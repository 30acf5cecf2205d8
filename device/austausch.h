#pragma once
// The exchange every device command shares: empty the queues, write the request, wait until it
// has left the output queue, read the acknowledge and, for reading commands, the answer line.

#include <cstddef>
#include <string>

#include "device/comport.h"

// The error codes of one command's site.
struct Austauschcodes {
  int flush;      // flush failed; 0 passes on the code of FlushInOut
  int schreiben;  // write failed, or the request did not leave the output queue in time
  int kurz;       // fewer bytes written than the request holds
  int nak;
  int can;
  int keineAntwort;  // read error or time-out instead of the acknowledge
  int anderesByte;   // any other byte instead of the acknowledge
};

// "1".."9" and "a".."f".
bool EinzelAdresse(char adresse);
// A single device, or '&' for all devices.
bool SchreibAdresse(char adresse);

// Sends anfrage and, with quittung, reads the acknowledge; 0 when it is ACK. A byte the line
// marks as garbled is another byte than ACK.
int Austausch(ComPorts& ports, int port, const std::string& anfrage, const Austauschcodes& codes,
              bool quittung = true);
// Reads the answer line until a CR has been stored or max bytes have been read; false when a
// read fails or times out first, or the line marks a byte as garbled.
bool AntwortLesen(ComPorts& ports, int port, size_t max, std::string& antwort);
