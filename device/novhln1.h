#pragma once
// The driver of the devices' ASCII serial protocol: one operation per device command. Each
// builds one request frame ("#", address, three command characters, argument, CR), sends it on
// the open port, reads the acknowledge (ACK, NAK or CAN) and, for reading commands, the answer
// line, checks every echoed field and returns 0 or a negative error code. The driver keeps no
// state: every call names the port (its number in the table of open ports) and the device
// address. Out-arguments are written only on success.

#include <string>

#include "device/comport.h"

inline constexpr char kCR = 0x0D;
inline constexpr char kACK = 0x06;
inline constexpr char kNAK = 0x15;
inline constexpr char kCAN = 0x18;

// Opens port number port with baud (4800, 9600, 19200, 38400 or 115200), 7 data bits, odd
// parity, 1 stop bit, queues of 512 bytes.
int NOVHLN1_Open(ComPorts& ports, int port, int baud);
int NOVHLN1_Close(ComPorts& ports, int port);
// Sets the longest wait for one received byte.
int NOVHLN1_Timeout(ComPorts& ports, int port, double sekunden);
// Empties the input queue, then the output queue: 0, -124148 or -123149.
int FlushInOut(ComPorts& ports, int port);
// "0".."9" -> 0..9, "a".."f" and "A".."F" -> 10..15, anything else -1.
int Hexchar2Int(char zeichen);

// The identification, with every blank removed.
int NOVHLN1_IDLesen(ComPorts& ports, int port, char adresse, std::string& text);
// Older curve-generator model: the address is a number 0..9 (9: no acknowledge is read).
int NOVTVM1_BaudrateSchreiben(ComPorts& ports, int port, int adresse, int baud);
int NOVTVM1_AdresseSchreiben(ComPorts& ports, int port, int adresse, int neueAdresse);
// funktion "start" or "stopp"; adresse may be '&'.
int NOVHLN1_DeviceFunction(ComPorts& ports, int port, char adresse, const std::string& funktion);
// eingang "e1".."e4"; the input voltage in volts.
int NOVHLN1_EingangLesen(ComPorts& ports, int port, char adresse, const std::string& eingang,
                         double& volt);
// ausgang "a1".."a4", volt 0.0..10.0; adresse may be '&'.
int NOVHLN1_AusgangSchreiben(ComPorts& ports, int port, char adresse, const std::string& ausgang,
                             double volt);
// Placeholder of the signal box: sends nothing.
int NOVPWC2_ParameterSchreiben();
// name "speicherinhalt", "max_current" or "compartibility_mode"; adresse "0".."8".
int NOVPWC2_ParameterLesen(ComPorts& ports, int port, char adresse, const std::string& name,
                           double& wert);
// wort 1: status word, 2: error word; wert 0..255.
int NOVHLN1_StatusLesen(ComPorts& ports, int port, char adresse, int wort, int& wert);
int NOVHLN1_ModusLesen(ComPorts& ports, int port, char adresse, int& modus);
// setzen != 0 sets the bits of the mask's low byte, 0 clears them; adresse may be '&'.
int NOVHLN1_ModusSchreiben(ComPorts& ports, int port, char adresse, int setzen, int maske);
