#include "direct/direkthilfetexte.h"

namespace Direkthilfetexte {

const char* const kAbfragen = "Schaltet die laufende Abfrage der\nEingänge ein und aus.";
const char* const kAusgang =
    "Die vier Ausgänge der PWC-2 können mit\nden Drehreglern oder durch Eingabe eines\n"
    "Zahlenwertes eingestellt werden.\nDie Einheit der Zahlenwerte entspricht der\nEinheit, die "
    "im Fenster 'Konfiguration'\neingestellt wurde.";
const char* const kAusgaengeAufNull =
    "Setzt alle vier Ausgänge auf Null. Null bezieht sich hier auf die\nphysikalische Einheit "
    "nach der Umrechnung und entspricht nicht\nunbedingt Null Volt am Ausgang der PWC-2.";
const char* const kAbtastzeit =
    "Das Zeitintervall mit dem die Eingänge\nder PWC-2 abgefragt werden, wenn 'Eingänge\n"
    "abfragen' aktiv ist.";
const char* const kPlot =
    "Bestimmt, ob dieser Eingang als Kurvendiagramm\ndargestellt werden soll.";
const char* const kZoomX =
    "Wieviel Abtastpunkte sollen im Diagramm pro\nDiagrammbreite dargestellt werden?\nDurch "
    "größere Werte kann ein größerer Zeitraum\ndargestellt werden, kleinere Werte bewirken,\n"
    "daß das Diagramm in X-Richtung vergrößert wird.";
const char* const kZoomY =
    "Der Maximalwert des Diagramms in Prozent.\nDer Wert 100 zeigt den gesammten Eingangs-\n"
    "spannungsbereich. Durch kleinere Werte können\nkleine Spannungen vergrößert dargestellt "
    "werden.";
const char* const kMinMaxReset = "Setzt alle Min- und Max-Werte zurück.";
const char* const kEingang =
    "Analogeingang der PWC-2, dargestellt mit einem\nnachgebildeten Zeigerinstrument sowie "
    "einem\nZahlenwert. Die Eingänge werden gelesen, wenn\nder Knopf 'Eingänge lesen' aktiviert "
    "wurde.\nDie Einheit der Zahlenwerte entspricht der Einheit,\ndie im Fenster "
    "'Konfiguration' eingestellt wurde.";
const char* const kMin =
    "Kleinster aufgetretener Wert für diesen Eingang.\nDer Wert kann mit dem Knopf 'min/max "
    "Reset' zurück-\ngesetzt werden.";
const char* const kMax =
    "Größter aufgetretener Wert für diesen Eingang.\nDer Wert kann mit dem Knopf 'min/max "
    "Reset'\nzurückgesetzt werden.";
const char* const kBegrenzung =
    "Die Ausgänge werden auf den hier eingestellten Wert begrenzt.\nSo kann vermieden werden, "
    "dass versehentlich ein gefährlich hoher\nWert eingestellt wird.";
const char* const kDateiSpeichern = "Protokollieren der Ein- und Ausgänge in eine Textdatei.";
const char* const kDateiSpeichernLed = "LED grün -> speichern in eine Datei ist aktiv.";
const char* const kStripchart = "Graphische Darstellung der Eingänge.\nSkala: 0 bis 100%";

}  // namespace Direkthilfetexte
