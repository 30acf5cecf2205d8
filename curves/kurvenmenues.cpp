#include "curves/kurvenmenues.h"

namespace {

constexpr QKeyCombination kKeine = kKeineTaste;

const char* const kKurvenHilfe = "Wählt eine Kurve zum bearbeiten aus.";
const char* const kHintergrundHilfe =
    "Wählt aus, welche Kurven (außer der aktuellen Kurve)\nim Hintergrund der Grafik angezeigt "
    "werden sollen.";

}  // namespace

const std::array<Menuepunkt, 7> kDateiPunkte{{
    {"NEU", "Neu", "Löscht alle Kurven.", Strg(Qt::Key_N), "Neu", ":/buttons/new.png"},
    {"LADEN", "Kurven laden", "Lädt Kurven aus einer Datei.", Strg(Qt::Key_O), "Kurven Laden",
     ":/buttons/open.png"},
    {"ANHAENGEN", "Kurven anhängen",
     "Lädt Kurven aus einer Datei und hängt sie an die bereits\nbestehenden Kurven an.", kKeine,
     nullptr, nullptr},
    {"SPEICHERN", "Kurven speichern", "Speichert die Kurven in eine Datei.", Strg(Qt::Key_S),
     "Kurven Speichern", ":/buttons/save.png"},
    {"SPEICHERNUNTER", "Kurven speichern unter",
     "Speichert die Kurven unter einem\nneuen "
     "Dateinamen.",
     kKeine, nullptr, nullptr},
    {"IMPORT", "Kurven importieren", "Importiert Kurven aus dem Textformat.", kKeine, nullptr,
     nullptr},
    {"EXPORT", "Kurven exportieren", "Exportiert die Kurven ins Textformat.", kKeine, nullptr,
     nullptr},
}};

const std::array<Menuepunkt, 7> kBearbeitenPunkte{{
    {"AUSSCHNEIDEN", "Ausschneiden",
     "Löscht das markierte Kurvenstück und speichert\nes im Zwischenspeicher.", Strg(Qt::Key_X),
     "Ausschneiden", ":/buttons/cut.png"},
    {"KOPIEREN", "Kopieren", "Kopiert das markierte Kurvenstück\nin den Zwischenspeicher.",
     Strg(Qt::Key_C), "Kopieren", ":/buttons/copy.png"},
    {"EINFUEGEN", "Einfügen",
     "Fügt das Kurvenstück im Zwischenspeicher an der\nPosition, an der die Markierung steht, in "
     "die Kurve\nein. Geht die Markierung vollständig über eine oder\nmehrere Geradenabschnitte, "
     "so werden diese gelöscht\n",
     Strg(Qt::Key_V), "Einfügen", ":/buttons/paste.png"},
    {"LOESCHEN", "Löschen",
     "Löscht den markierten Kurvenabschnitt.\nDie Länge der Gesammtkurve ändert sich damit",
     QKeyCombination(Qt::Key_Delete), "Löschen", ":/buttons/del.png"},
    {"ALLESMARKIEREN", "Alles Markieren", "Markiert die gesammte Kurve.", Strg(Qt::Key_A), nullptr,
     nullptr},
    kRueckgaengigPunkt,
    kWiederherstellenPunkt,
}};

const std::array<Menuepunkt, 4> kZoomPunkte{{
    {"ZOOMPLUS", "Zoom +", "Vergrößert die Grafik.", QKeyCombination(Qt::Key_Plus), "Zoom +",
     ":/buttons/zoomplus.png"},
    {"ZOOMMINUS", "Zoom -", "Verkleinert die Grafik.", QKeyCombination(Qt::Key_Minus), "Zoom -",
     ":/buttons/zoomminus.png"},
    {"ZOOMMARK", "Zoom Markierung", "Vergrößert die Grafik auf den markierten Bereich.", kKeine,
     "Zoom Markierung", ":/buttons/zoommark.png"},
    {"ZOOMVOLL", "Zoom Gesammtkurve",
     "Vergrößert oder verkleinert die Grafik so, daß die aktuell\naktive Kurve vollständig ins "
     "Grafikfenster paßt.",
     kKeine, "Zoom Gesammtkurve", ":/buttons/zoomvoll.png"},
}};

const std::array<Menuepunkt, 9> kWerkzeugPunkte{{
    {"MARKIEREN", "Markieren", "Markieren eines Kurventeils.", kKeine, "Markieren",
     ":/buttons/mark.png"},
    {"ZEICHNEN", "Punkt zeichnen",
     "Zeichnet einen neuen Kurvenpunkt am Ende der bisherigen Kurve.\nDie Zeitbasis des neuen "
     "Kurventeils entspricht der in der\nZeitbasis-Liste ausgewählten Zeitbasis.",
     kKeine, "Punkt zeichnen", ":/buttons/stift.png"},
    {"VERSCHIEBEN", "Punkt verschieben",
     "Verschiebt einen bestehenden Kurvenpunkt.\nEin Punkt kann nur innerhalb der vorigen und "
     "nächsten\nGerade verschoben werden, und nur in Schritten, die dem\ngrößeren Zeitraster der "
     "angrenzenden Geraden entsprechen.",
     kKeine, "Punkt verschieben", ":/buttons/verschieben.png"},
    {"PUNKTKOORDINAT", "Punktkoordinaten ändern",
     "Durch anklicken eines Kurvenpunktes erscheint ein Fenster mit\nden Punktkoordinaten. Die "
     "Koordinaten können geändert werden,\naber nur innerhalb der gleichen Grenzen wie bei "
     "'Punkt verschieben'.",
     kKeine, "Punktkoordinaten zeigen/ändern", ":/buttons/punktinfo.png"},
    {"ZEITBASISZEIG", "Zeitbasis anzeigen",
     "Wird der Mauszeiger bei gedrückter linker Maustaste über die\nKurvengrafik bewegt, so "
     "werden die Koordinaten und die Zeitbasis\nan der Mausposition angezeigt.\nGleichzeitig "
     "werden in der Kurvengrafik Linien gezeichnet, die die\nÜbergänge von einer Zeitbasis in "
     "eine andere kennzeichnen.",
     kKeine, "Koordinaten und Zeitbasis anzeigen", ":/buttons/xyzeigen.png"},
    {"PUNKTLOESCHEN", "Punkt auflösen",
     "Löscht einen Kurvenpunkt.\nDie Gesammtlänge der Kuve bleibt unverändert.", kKeine,
     "Punkt auflösen", ":/buttons/punktdel.png"},
    {"GERADETEILEN", "Gerade teilen",
     "Teilt eine Gerade indem ein zusätzlicher\nPunkt eingefügt wird.", kKeine, "Gerade teilen",
     ":/buttons/geradeteilen.png"},
    {"ZEITBASIS", "Zeitbasis ändern",
     "Für den Kurventeil, der mit der Maus angeklickt wird, kann\neine neue Zeitbasis gewählt "
     "werden.\nDie Länge der Geraden wird nicht verändert (Ausnahme: letztes\nGeradenstück).\nDie "
     "neue Zeitbasis muß ein ganzzahliges Vielfaches der\nGeradenlänge sein (Ausnahme: letztes "
     "Geradenstück).",
     kKeine, "Zeitbasis ändern", ":/buttons/zeitbasis.png"},
    {"LAENGEAENDERN", "Geradenlänge ändern",
     "Ändert die Länge einer Geraden, ohne deren Zeitbasis zu verändern.\nDie Länge der "
     "Gesammtkurve ändert sich dabei.",
     kKeine, "Geradenlänge ändern", ":/buttons/geradenlaenge.png"},
}};

const std::array<Menuepunkt, kKurvenAnzahl> kKurvenPunkte{{
    {"K1", "Kurve 1", kKurvenHilfe, kKeine, "Kurve 1 bearbeiten", ":/buttons/k1.png"},
    {"K2", "Kurve 2", kKurvenHilfe, kKeine, "Kurve 2 bearbeiten", ":/buttons/k2.png"},
    {"K3", "Kurve 3", kKurvenHilfe, kKeine, "Kurve 3 bearbeiten", ":/buttons/k3.png"},
    {"K4", "Kurve 4", kKurvenHilfe, kKeine, "Kurve 4 bearbeiten", ":/buttons/k4.png"},
}};

const std::array<Menuepunkt, kKurvenAnzahl> kHintergrundPunkte{{
    {"K1", "Kurve 1", kHintergrundHilfe, kKeine, "Kurve 1 im Hintergrund",
     ":/buttons/hintergrund1.png"},
    {"K2", "Kurve 2", kHintergrundHilfe, kKeine, "Kurve 2 im Hintergrund",
     ":/buttons/hintergrund2.png"},
    {"K3", "Kurve 3", kHintergrundHilfe, kKeine, "Kurve 3 im Hintergrund",
     ":/buttons/hintergrund3.png"},
    {"K4", "Kurve 4", kHintergrundHilfe, kKeine, "Kurve 4 im Hintergrund",
     ":/buttons/hintergrund4.png"},
}};

const char* const kPinsTitel = "PWC-2 Pinbelegung";
const char* const kPinsText =
    "Pinbelegung für den Direktbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin 3:    "
    "Ausgang 1\nPin 4:    GND\nPin 5:    Ausgang 2\nPin 6:    GND\nPin 7:    Ausgang 3\nPin 8:    "
    "GND\nPin 9:    Ausgang 4\nPin 10:  Eingang 1\nPin 11:  GND\nPin 12:  Eingang 2\nPin 13:  "
    "GND\nPin 14:  Eingang 3\nPin 15:  GND\nPin 16:  Eingang 4";

namespace Kurvenhilfe {

const char* const kGraph =
    "Graphische Darstellung der Kurven, die das TVM-5R ausgeben soll.\nRote Linien      = intern "
    "gespeicherte Geraden. \nBlaue Linien    = digitalisierte Geraden wie sie tatsächlich "
    "ausgegeben werden.\nHellrote Linie   = letztes Geradenstück (siehe unten)\nHellblaue Linie "
    "= digitalisiertes letztes Geradenstück (siehe unten)\n\nDas 'letzte Geradenstück':\nAm Ende "
    "der Gesammtkurve ist immer ein Geradenstück mit der\nLänge Eins und der Zeitbasis des "
    "letzten gezeichneten Punktes\n(Zeitbasis kann mit 'Zeitbasis ändern' geändert werden). "
    "Es\ndient dazu, den letzten Punkt  mit dem ersten Punkt zu verbinden\nwegen der zyklischen "
    "Abarbeitung der Kurven muß das Kurvenende\nimmer in den Kurvenanfang übergehen).\nDieses "
    "Geradenstück wird wie der Rest der der Kurve vom TVM-5R\nausgegeben, es wird jedoch beim "
    "Zeichnen eines neuen Kurvenabschnitts\nautomatisch gelöscht und in evtl. veränderter Form "
    "neu erstellt.";
const char* const kGraphKlein =
    "Ansicht der Kurven in volle Länge.\nRoter Rahmen = Ausschnitt der in der großen\n          "
    "                 Grafik dargestellt wird.";
const char* const kKommentarvorschau = "Die erste Zeile des Kurvenkommentars.";
const char* const kKoordinaten =
    "Anzeige der Punktkoordinaten und der Zeitbasis für\n'Punkt setzen', 'Punkt verschieben', "
    "und 'Koordinaten\nund Zeitbasis anzeigen'.";
const char* const kYRaster = "Raster zum Zeichnen der Punkte\nin Y-Richtung.";
const char* const kSpeicherbedarf =
    "Zeigt an, wieviel Speicher die aktuellen Kurven im\nTVM-5R belegen, wenn man sie dorthin "
    "überträgt.";
const char* const kZyklen =
    "Gibt an, wie oft die PWC-2 die Kurve hintereinander ausgeben soll.\nWird hier Null "
    "eingegeben, wird die Kurve endlos wiederholt (bis\ndie Stopp-Taste gedrückt wird).\nDie "
    "Zyklenzahl kann für jede Kurve unabhängig eingestellt werden.";
const char* const kRuhezustand =
    "Der Wert, auf dem der Ausgang der PWC-2\nstehenbleibt, wenn die Kurve beendet ist,\nin der "
    "Einheit, die im Fenster 'Konfiguration'\neingestellt wurde.";
const char* const kYZoom = "Skaliert die Y-Achse des Graphen.";
const char* const kKommentar = "Öffnet das Kommentarfeld zu der aktuellen Kurve.";
const char* const kZeitbasisring =
    "Die Zeitbasis, mit der ein neuer Punkt erstellt wird.\nKleine Zeitbasen erlauben schnellere "
    "Signalwechsel.\nMit großen Zeitbasen können Signalverläufe über größere\nZeiträume "
    "realisiert werden.";
const char* const kSchreiben =
    "Überträgt die Kurven zum TVM-5R.\nDie bis dahin im TVM-5R gespeicherten\nKurven werden "
    "damit überschrieben.";
const char* const kLesen =
    "Ließt die im TVM-5R gespeicherten Kurven aus.\nDie aktuellen Kurven in TVM-5R_Kurvengenerator "
    "werden\ndamit überschrieben.";

}  // namespace Kurvenhilfe
