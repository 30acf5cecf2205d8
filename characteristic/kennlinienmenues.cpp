#include "characteristic/kennlinienmenues.h"

const std::array<Menuepunkt, 6> kKennlDateiPunkte{{
    {"NEU", "Neu", "Löscht die Kennlinie.", Strg(Qt::Key_N), "Neu", ":/buttons/new.png"},
    {"LADEN", "Kennlinie laden", "Lädt eine Kennlinie aus einer Datei.", Strg(Qt::Key_O),
     "Kennlinie Laden", ":/buttons/open.png"},
    {"SPEICHERN", "Kennlinie speichern", "Speichert die Kennlinie in eine Datei.", Strg(Qt::Key_S),
     "Kennlinie Speichern", ":/buttons/save.png"},
    {"SPEICHERNUNTER", "Kennlinie speichern unter",
     "Speichert die Kennlinie unter einem\nneuen Dateinamen.", kKeineTaste, nullptr, nullptr},
    {"IMPORT", "Kennlinie importieren", "Importiert eine Kennlinie aus dem Textformat.",
     kKeineTaste, nullptr, nullptr},
    {"EXPORT", "Kennlinie exportieren", "Exportiert die Kennlinie ins Textformat.", kKeineTaste,
     nullptr, nullptr},
}};

const std::array<Menuepunkt, 3> kKennlBearbeitenPunkte{{
    {"ALLESMARKIEREN", "Alles Markieren", "", Strg(Qt::Key_A), nullptr, nullptr},
    kRueckgaengigPunkt,
    kWiederherstellenPunkt,
}};

const std::array<Menuepunkt, 7> kKennlWerkzeugPunkte{{
    {"MARKIEREN", "Markieren", "Markieren eines Kurventeils.", kKeineTaste, "Markieren",
     ":/buttons/mark.png"},
    {"ZEICHNEN", "Punkt zeichnen", "Zeichnet einen neuen Kurvenpunkt am Ende der bisherigen Kurve.",
     kKeineTaste, "Punkt zeichnen", ":/buttons/stift.png"},
    {"VERSCHIEBEN", "Punkt verschieben",
     "Verschiebt einen bestehenden Kurvenpunkt.\nEin Punkt kann nur innerhalb der vorigen und "
     "nächsten\nGerade verschoben werden.",
     kKeineTaste, "Punkt verschieben", ":/buttons/verschieben.png"},
    {"PUNKTKOORDINAT", "Punktkoordinaten ändern",
     "Durch anklicken eines Kurvenpunktes erscheint ein Fenster mit\nden Punktkoordinaten. Die "
     "Koordinaten können geändert werden,\naber nur innerhalb der gleichen Grenzen wie bei "
     "'Punkt verschieben'.",
     kKeineTaste, "Punktkoordinaten zeigen/ändern", ":/buttons/punktinfo.png"},
    {"KOORDINATEN", "Koordinaten anzeigen",
     "Wird der Mauszeiger bei gedrückter linker Maustaste über die\nKurvengrafik bewegt, so "
     "werden die Koordinaten an der Maus-\nposition angezeigt.",
     kKeineTaste, "Koordinaten anzeigen", ":/buttons/xyzeigen2.png"},
    {"PUNKTLOESCHEN", "Punkt auflösen", "Löscht einen Kurvenpunkt.", kKeineTaste, "Punkt auflösen",
     ":/buttons/punktdel.png"},
    {"GERADETEILEN", "Gerade teilen",
     "Teilt eine Gerade indem ein zusätzlicher\nPunkt eingefügt wird.", kKeineTaste,
     "Gerade teilen", ":/buttons/geradeteilen.png"},
}};

const std::array<Menuepunkt, 4> kKennlZoomPunkte{{
    {"ZOOMPLUS", "Zoom +", "Vergrößert die Grafik.", QKeyCombination(Qt::Key_Plus), "Zoom +",
     ":/buttons/zoomplus.png"},
    {"ZOOMMINUS", "Zoom -", "Verkleinert die Grafik.", QKeyCombination(Qt::Key_Minus), "Zoom -",
     ":/buttons/zoomminus.png"},
    {"ZOOMMARK", "Zoom Markierung", "Vergrößert die Grafik auf den markierten Bereich.",
     kKeineTaste, "Zoom Markierung", ":/buttons/zoommark.png"},
    {"ZOOMVOLL", "Zoom Gesammtkurve",
     "Vergrößert oder verkleinert die Grafik so, daß die\nKennlinie vollständig ins "
     "Grafikfenster paßt.",
     kKeineTaste, "Zoom Gesammtkurve", ":/buttons/zoomvoll.png"},
}};

const char* const kKennlPinsTitel = "PWC-2 Pinbelegung";
const char* const kKennlPinsText =
    "Pinbelegung für den Kennlinienreglerbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB "
    "GND\nPin 3:    Kennlinienausgang\nPin 4:    GND\nPin 5:    einstellbarer Analogausgang "
    "2\nPin 6:    GND\nPin 7:    frei\nPin 8:    GND\nPin 9:    Ausgang 4: 10 V bzw. "
    "Auswahlspannung-Ausgang\nPin 10:  frei\nPin 11:  GND\nPin 12:  Kennlinieneingang\nPin 13:  "
    "GND\nPin 14:  Kennlinienauswahlspannung-Eingang\nPin 15:  GND\nPin 16:  "
    "Start/Stopp-Signal";

namespace Kennlhilfe {

const char* const kGraph =
    "Graphische Darstellung der Kennlinie, die die PWC-2 ausgeben soll.\nRote Linien      = "
    "intern gespeicherte Geraden. \nBlaue Linien    = digitalisierte Geraden wie sie "
    "tatsächlich ausgegeben werden.\nHellrote Linie   = ggf. Ergänzungsstück bis zum "
    "Bereichsende\nHellblaue Linie = digitalisiertes Ergänzungsstück";
const char* const kGraphKlein =
    "Ansicht der Kennlinie in volle Länge.\nRoter Rahmen = Ausschnitt der in der großen\n       "
    "                    Grafik dargestellt wird.";
const char* const kKommentarvorschau = "Die erste Zeile des Kurvenkommentars.";
const char* const kKommentar = "Öffnet das Kommentarfeld.";
const char* const kKoordinaten = "Anzeige der Punktkoordinaten.";
const char* const kRaster =
    "Raster zum Zeichnen der Punkte.\nDie Einheit der Rasterpunkte ist die Einheit, die\nim "
    "Fenster 'Konfiguration' für den Eingang 1 (X-Richtung)\nbzw für den Ausgang 1 "
    "(Y-Richtung) eingestellt wurde.";
const char* const kYZoom = "Skaliert die Y-Achse des Graphen.";
const char* const kBegrenzung =
    "Dem Ausgang 2 kann ein fester Wert zugewiesen werden,\nder während der Kennlinienregelung "
    "ausgegeben wird\n(z.B. zur Strombegrenzung). Der Wert muß in der Einheit\nangegeben werden, "
    "die im Fenster 'Konfiguration' für\nden Ausgang 2 eingestellt wurde.";
const char* const kAnstiegszeit =
    "Der Kennlinienausgang wird so verzögert, daß er\ndie hier eingestellte Zeit benötigt, um "
    "von 0 auf\n100% anzusteigen (oder abzufallen).\nDiese Einstellung dient zur Unterdrückung "
    "von\nSchwingungen.";
const char* const kKurvenNr =
    "Die Nummer des Speicherplatzes der bei den Vorgängen\n'zu PWC-2 schreiben' und 'von PWC-2 "
    "lesen' beschrieben\nbzw. gelesen werden soll.";
const char* const kSchreiben =
    "Überträgt die Kennlinie zur PWC-2\nin den Speicherplatz der im Feld\n'Kurve Nr.' angegeben "
    "ist.";
const char* const kLesen =
    "Ließt eine Kennlinie, aus dem im Feld 'Kurve Nr.'\nangegebenen Speicherplatz, aus der PWC-2 "
    "aus.";
const char* const kAusgang4 =
    "Setzt Ausgang 4 der PWC-2 auf die Auswahlspannung,\nfür die in 'Kurve Nr.' eingestellte "
    "Kennlinie.\nDamit wird diese Kennlinie ausgewählt, falls an\nder PWC-2 Ausgang 4 mit dem "
    "Kennlinienauswahl-\nEingang (Eingang 3) verbunden wurde.";

}  // namespace Kennlhilfe
