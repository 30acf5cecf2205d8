#include "characteristic/kennlinienpanel.h"

#include <qcustomplot.h>

#include <QAction>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <utility>

#include "base/fehlerausgabe.h"
#include "base/panelverwaltung.h"
#include "characteristic/kennlinienabbild.h"
#include "characteristic/kennlinienangaben.h"
#include "characteristic/kennliniendateien.h"
#include "characteristic/kennlinienexport.h"
#include "characteristic/kennliniengraphen.h"
#include "characteristic/kennlinienmenues.h"
#include "characteristic/kennlinientransfer.h"
#include "characteristic/kennlinienundo.h"
#include "characteristic/kennlinienverschiebung.h"
#include "ui/direkthilfe.h"
#include "ui/eingabedialog.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/feldbausteine.h"
#include "ui/grafikbildlauf.h"
#include "ui/grafikcursor.h"
#include "ui/panelbausteine.h"
#include "ui/verbindungsbild.h"
#include "ui/werkzeugleiste.h"

namespace {

constexpr double kFeldgrenze = 1e9;
constexpr int kFeldstellen = 3;
constexpr double kAnstiegszeitMax = 1e6;  // ms; the box's longest time is 104422.5 ms
constexpr int kUebersichtMindesthoehe = 110;

}  // namespace

// Resources of a static library are registered by hand, outside any namespace. The editors
// share one set of toolbar pictures.
static void KnoepfeLaden() {
  Q_INIT_RESOURCE(kurvenknoepfe);
}

KennlinienPanel::KennlinienPanel(ShellDienste& shell, Kennlinienzustand& zustand,
                                 Konfigzustand& konfig, Geraetezugang& zugang, QWidget* eltern)
    : ChildPanel(shell, KENNLPNL, "Kennlinienregler", eltern),
      zustand_(zustand),
      konfig_(konfig),
      zugang_(zugang),
      grafik_(new KennlinienGraphen(zustand, konfig.gKonfig(), shell.dialoge, Inhalt())),
      dialogfenster_(zustand, *grafik_, this),
      bearbeitung_{zustand, konfig.gKonfig(), shell.fehler, dialogfenster_} {
  KnoepfeLaden();
  MenueAnlegen();
  LeisteAnlegen();
  TeileAnlegen();
  connect(grafik_->Cursor(), &Grafikcursor::wertGeaendert, this,
          &KennlinienPanel::GraphWertGeaendert);
  connect(grafik_->Cursor(), &Grafikcursor::uebernommen, this, &KennlinienPanel::GraphUebernommen);
  connect(grafik_, &KennlinienGraphen::felderAnzeigen, this, &KennlinienPanel::FelderAnzeigen);
  connect(&shell_.hilfe, &Direkthilfe::umgeschaltet, this, &KennlinienPanel::ZustandAnzeigen);
  shell_.fehler.FehleranzeigeAnmelden(Geraetepanel::Kennlinie, Fehleranzeige());
  ZustandAnzeigen();
}

KennlinienPanel::~KennlinienPanel() {
  shell_.fehler.FehleranzeigeAnmelden(Geraetepanel::Kennlinie, nullptr);
}

// ---- Construction -------------------------------------------------------------------------

QAction* KennlinienPanel::Befehl(QMenu* menue, const Menuepunkt& punkt,
                                 std::function<void()> ausfuehren) {
  return Befehlseintrag(shell_.hilfe, menue, punkt, std::move(ausfuehren));
}

QAction* KennlinienPanel::Auswahl(QMenu* menue, const Menuepunkt& punkt,
                                  std::function<void()> ausfuehren) {
  return Auswahleintrag(shell_.hilfe, menue, punkt, QString(), std::move(ausfuehren),
                        [this] { ZustandAnzeigen(); });
}

void KennlinienPanel::MenueAnlegen() {
  for (size_t i = 0; i < kKennlDateiPunkte.size(); ++i) {
    const Menuepunkt& p = kKennlDateiPunkte[i];
    Kennzeichnen(DateiEintrag(p.text, p.hilfe, [this, i] { Menu_Kennlinie_Datei(int(i)); }), p);
  }
  DateiMenue()->insertSeparator(BeendenAktion());
  BeendenAktion()->setObjectName("BEENDEN");

  auto* bearbeiten = new QMenu("Bearbeiten", Menueleiste());
  Menueleiste()->insertMenu(FensterMenue()->menuAction(), bearbeiten);
  Befehl(bearbeiten, kKennlBearbeitenPunkte[0],
         [this] { grafik_->Zoom(KennlZoomArt::ALLESMARKIEREN); });
  rueckgaengig_ = Befehl(bearbeiten, kKennlBearbeitenPunkte[1], [this] {
    KennlRueckgaengig(zustand_);
    NeuZeichnen();
  });
  wiederherstellen_ = Befehl(bearbeiten, kKennlBearbeitenPunkte[2], [this] {
    KennlWiederherstellen(zustand_);
    NeuZeichnen();
  });
  bearbeiten->addSeparator();
  for (size_t i = 0; i < kKennlWerkzeugPunkte.size(); ++i) {
    const auto werkzeug = static_cast<KennlWerkzeug>(i);
    werkzeuge_[i] = Auswahl(bearbeiten, kKennlWerkzeugPunkte[i],
                            [this, werkzeug] { Menu_Kennlinie_Bearbeiten_Toggle(werkzeug); });
  }
  bearbeiten->addSeparator();
  const std::array<KennlZoomArt, 4> zooms{KennlZoomArt::PLUS, KennlZoomArt::MINUS,
                                          KennlZoomArt::MARKIERUNG, KennlZoomArt::GESAMMTKURVE};
  for (size_t i = 0; i < zooms.size(); ++i)
    Befehl(bearbeiten, kKennlZoomPunkte[i], [this, art = zooms[i]] { grafik_->Zoom(art); });

  QMenu* ansicht = new QMenu("Ansicht", Menueleiste());
  Menueleiste()->insertMenu(FensterMenue()->menuAction(), ansicht);
  QMenu* darstellung = ansicht->addMenu("Kurvendarstellung");
  darstellung->setObjectName("DARSTELLUNG");
  for (size_t i = 0; i < kDarstellungPunkte.size(); ++i) {
    const int wert = kDarstellungPunkte[i].darstellung;
    darstellungen_[i] = Auswahl(darstellung, kDarstellungPunkte[i].punkt,
                                [this, wert] { Menu_Kennlinie_Ansicht_ToggleDarstellung(wert); });
  }

  QMenu* hilfe = Menueleiste()->addMenu("Hilfe");
  direkthilfe_ = Menueeintrag(hilfe, kDirekthilfePunkt);
  direkthilfe_->setCheckable(true);
  // The only item that acts in help mode: it ends it.
  connect(direkthilfe_, &QAction::triggered, this, [this] { Menu_Kennlinie_Hilfe_ToggleHelp(); });
  Befehl(hilfe, kPinsPunkt, [this] { Menu_Kennlinie_Hilfe_Pins(); });
}

void KennlinienPanel::LeisteAnlegen() {
  leiste_ = new Werkzeugleiste(Inhalt());
  leiste_->setObjectName("WERKZEUGLEISTE");
  for (const Menuepunkt& p : kKennlDateiPunkte)
    if (p.tooltip) leiste_->Knopf(p.tooltip, p.bild, MenueAktion(p.name));
  leiste_->Trenner();
  leiste_->Knopf(kKennlBearbeitenPunkte[1].tooltip, kKennlBearbeitenPunkte[1].bild, rueckgaengig_);
  leiste_->Knopf(kKennlBearbeitenPunkte[2].tooltip, kKennlBearbeitenPunkte[2].bild,
                 wiederherstellen_);
  leiste_->Trenner();
  const int werkzeuge = leiste_->Radiogruppe();
  for (size_t i = 0; i < werkzeuge_.size(); ++i)
    leiste_->Radioknopf(werkzeuge, kKennlWerkzeugPunkte[i].tooltip, kKennlWerkzeugPunkte[i].bild,
                        werkzeuge_[i]);
  leiste_->Trenner();
  for (const Menuepunkt& p : kKennlZoomPunkte)
    leiste_->Knopf(p.tooltip, p.bild, MenueAktion(p.name));
  leiste_->Trenner();
  // The display buttons only show the mode; it is chosen in "Ansicht".
  const int darstellungen = leiste_->Radiogruppe();
  for (size_t i = 0; i < darstellungen_.size(); ++i) {
    const Menuepunkt& p = kDarstellungPunkte[i].punkt;
    leiste_->Radioknopf(darstellungen, p.tooltip, p.bild, darstellungen_[i]);
    leiste_->Dimmen(darstellungen_[i], true);
  }
  leiste_->Trenner();
  leiste_->Umschalter(kDirekthilfePunkt.tooltip, kDirekthilfePunkt.bild, direkthilfe_);
  leiste_->Dimmen(rueckgaengig_, true);
  leiste_->Dimmen(wiederherstellen_, true);
}

QDoubleSpinBox* KennlinienPanel::Feld(const char* name, int stellen, double min, double max,
                                      const char* hilfe) {
  QDoubleSpinBox* feld = Zahlfeld(name, stellen, min, max, Inhalt());
  Feldhilfe(shell_.hilfe, feld, hilfe);
  return feld;
}

void KennlinienPanel::TeileAnlegen() {
  QCustomPlot* graph = grafik_->Graph();
  QCustomPlot* klein = grafik_->GraphKlein();
  // Once clicked, the graph takes Strg+Z and the zoom keys.
  GraphenEinrichten(shell_.hilfe, graph, klein, grafik_->Bildlaufleiste(), kUebersichtMindesthoehe,
                    Kennlhilfe::kGraph, Kennlhilfe::kGraphKlein);

  ZurueckKnopf()->setObjectName("ZURUECK");
  EditorAnordnen(Inhalt(), {leiste_, graph, KoordinatenAnlegen(), klein, FelderAnlegen(),
                            Fehleranzeige(), Verbindung(), ZurueckKnopf()});
}

QWidget* KennlinienPanel::KoordinatenAnlegen() {
  auto* teil = new QWidget(Inhalt());
  auto* zeile = new QHBoxLayout(teil);
  zeile->setContentsMargins(0, 0, 0, 0);
  for (auto [feld, name, text, einheiten] :
       {std::tuple{&xKoordinate_, "XKOORDINATE", "X", &xEinheiten_},
        std::tuple{&yKoordinate_, "YKOORDINATE", "Y", &yEinheiten_}}) {
    *feld = Feld(name, kFeldstellen, -kFeldgrenze, kFeldgrenze, Kennlhilfe::kKoordinaten);
    (*feld)->setReadOnly(true);
    (*feld)->setButtonSymbols(QAbstractSpinBox::NoButtons);
    auto* einheit = new QLabel(teil);
    einheiten->append(einheit);
    zeile->addWidget(new QLabel(text, teil));
    zeile->addWidget(*feld, 1);
    zeile->addWidget(einheit);
    zeile->addSpacing(12);
  }
  zeile->addStretch(1);
  return teil;
}

QWidget* KennlinienPanel::FelderAnlegen() {
  QVBoxLayout* spalte = nullptr;
  QWidget* teil = Feldspalte(Inhalt(), spalte);

  auto* gruppe = new QGroupBox("Raster und Y-Achse", teil);
  auto* raster = new QGridLayout(gruppe);
  xRaster_ = Feld("XRASTER", kFeldstellen, 0, kFeldgrenze, Kennlhilfe::kRaster);
  yRaster_ = Feld("YRASTER", kFeldstellen, 0, kFeldgrenze, Kennlhilfe::kRaster);
  yZoomMax_ = Feld("YZOOMMAX", kFeldstellen, -kFeldgrenze, kFeldgrenze, Kennlhilfe::kYZoom);
  yZoomMin_ = Feld("YZOOMMIN", kFeldstellen, -kFeldgrenze, kFeldgrenze, Kennlhilfe::kYZoom);
  Einheitenzeile(raster, 0, "X-Raster", xRaster_, xEinheiten_);
  Einheitenzeile(raster, 1, "Y-Raster", yRaster_, yEinheiten_);
  Einheitenzeile(raster, 2, "Zoom max", yZoomMax_, yEinheiten_);
  Einheitenzeile(raster, 3, "Zoom min", yZoomMin_, yEinheiten_);
  connect(xRaster_, &QDoubleSpinBox::valueChanged, this,
          [this](double wert) { zustand_.gKennlXRaster = wert; });
  connect(yRaster_, &QDoubleSpinBox::valueChanged, this,
          [this](double wert) { zustand_.gKennlYRaster = wert; });
  for (QDoubleSpinBox* feld : {yZoomMin_, yZoomMax_})
    BeiAenderung(feld, [this] { grafik_->YZoom(yZoomMin_->value(), yZoomMax_->value()); });
  spalte->addWidget(gruppe);

  spalte->addSpacing(6);
  spalte->addWidget(Hilfeknopf(shell_.hilfe, teil, "KOMMENTAR", "Kommentar", Kennlhilfe::kKommentar,
                               [this] { KommentarBearbeiten(); }));
  kommentarvorschau_ = Kommentarvorschau(shell_.hilfe, teil, Kennlhilfe::kKommentarvorschau);
  spalte->addWidget(kommentarvorschau_);

  spalte->addSpacing(6);
  begrenzungText_ = new QLabel(teil);
  begrenzung_ = Feld("BEGRENZUNG", kFeldstellen, 0, 0, Kennlhilfe::kBegrenzung);
  BeiAenderung(begrenzung_, [this] { zustand_.gKennlBegrenzung = begrenzung_->value(); });
  spalte->addWidget(begrenzungText_);
  spalte->addWidget(begrenzung_);
  spalte->addWidget(new QLabel("Anstiegszeit-\nbegrenzung\nvon 0 auf 100%\n[ms]", teil));
  anstiegszeit_ =
      Feld("ANSTIEGSZEIT", kFeldstellen, 0, kAnstiegszeitMax, Kennlhilfe::kAnstiegszeit);
  BeiAenderung(anstiegszeit_, [this] { Anstiegszeit_Callback(); });
  spalte->addWidget(anstiegszeit_);
  spalte->addStretch(1);
  spalte->addWidget(KnoepfeAnlegen());
  return teil;
}

QWidget* KennlinienPanel::KnoepfeAnlegen() {
  auto* gruppe = new QGroupBox("PWC-2", Inhalt());
  auto* s = new QVBoxLayout(gruppe);
  auto* nummer = new QHBoxLayout;
  kurvenNr_ = new QSpinBox(gruppe);
  kurvenNr_->setObjectName("KURVENNR");
  kurvenNr_->setRange(1, kKennlSlots);
  Feldhilfe(shell_.hilfe, kurvenNr_, Kennlhilfe::kKurvenNr);
  connect(kurvenNr_, &QSpinBox::valueChanged, this,
          [this](int wert) { zustand_.gKennlKurvenNr = wert; });
  nummer->addWidget(new QLabel("Kurve Nr.", gruppe));
  nummer->addWidget(kurvenNr_, 1);
  s->addLayout(nummer);
  s->addWidget(Hilfeknopf(shell_.hilfe, gruppe, "SCHREIBEN", "zur PWC-2 schreiben",
                          Kennlhilfe::kSchreiben, [this] { KennlinieSenden_Callback(); }));
  s->addWidget(Hilfeknopf(shell_.hilfe, gruppe, "LESEN", "von PWC-2 lesen", Kennlhilfe::kLesen,
                          [this] { KennlinieLesen_Callback(); }));
  s->addWidget(Hilfeknopf(shell_.hilfe, gruppe, "AUSGANG4SETZEN", "über Ausg.4 anwählen",
                          Kennlhilfe::kAusgang4, [this] { Ausgang4Setzen_Callback(); }));
  s->addLayout(StartStoppZeile(gruppe, start_, stopp_));
  return gruppe;
}

// ---- Start and end -------------------------------------------------------------------------

int KennlinienPanel::KennlinienpanelInit() {
  if (!leiste_->Vollstaendig()) return -653501;
  if (const int fehler = KennlAnlegen(zustand_); fehler != 0) return fehler;
  KommentarVorschau();
  grafik_->BildlaufleisteAktualisieren();
  NeuZeichnen();
  return 0;
}

int KennlinienPanel::KennlinienpanelClear() {
  grafik_->VorschauEntfernen();
  return 0;
}

int KennlinienPanel::AbbruchWeilNichtGespeichert() {
  const int ergebnis = AbbruchWeilKennlinieNichtGespeichert(zustand_, konfig_, shell_.fehler);
  ZustandAnzeigen();
  return ergebnis;
}

void KennlinienPanel::Kennlinienpanel_SkaliereYAchse() {
  grafik_->SkaliereYAchse();
}

// ---- Menus ---------------------------------------------------------------------------------

void KennlinienPanel::Menu_Kennlinie_Datei(int eintrag) {
  Dialoge& dialoge = shell_.dialoge;
  switch (eintrag) {
    case 0:
      return Neu();
    case 1:
      return NachDemLaden(KennlLaden(zustand_, konfig_, shell_.fehler));
    case 2:
    case 3:
      Melden(KennlSpeichern(zustand_, konfig_, dialoge, eintrag == 3));
      return ZustandAnzeigen();
    case 4:
      Melden(KennlImportieren(zustand_, dialoge));
      return NeuZeichnen();
    case 5:
      return Melden(KennlExportieren(zustand_, dialoge));
  }
}

void KennlinienPanel::Neu() {
  if (AbbruchWeilNichtGespeichert() != 0) return;
  Melden(KennlLeeren(zustand_, konfig_.gKonfig()));
  KommentarVorschau();
  KennlZoom(zustand_, KennlZoomArt::GESAMMTKURVE);
  grafik_->BildlaufleisteAktualisieren();
  NeuZeichnen();
}

void KennlinienPanel::NachDemLaden(int ergebnis) {
  Melden(ergebnis);
  KommentarVorschau();
  KennlZoom(zustand_, KennlZoomArt::GESAMMTKURVE);
  grafik_->BildlaufleisteAktualisieren();
  NeuZeichnen();
}

void KennlinienPanel::Menu_Kennlinie_Bearbeiten_Toggle(KennlWerkzeug werkzeug) {
  const bool markiert = zustand_.gKennlMarkiert;
  KennlWerkzeugWaehlen(zustand_, werkzeug);
  if (markiert != zustand_.gKennlMarkiert) grafik_->MarkierungZeichnen();
}

void KennlinienPanel::Menu_Kennlinie_Ansicht_ToggleDarstellung(int darstellung) {
  darstellung_ = darstellung;
  NeuZeichnen();
}

void KennlinienPanel::Menu_Kennlinie_Hilfe_ToggleHelp() {
  shell_.hilfe.Setzen(!shell_.hilfe.Aktiv());
  ZustandAnzeigen();
}

void KennlinienPanel::Menu_Kennlinie_Hilfe_Pins() {
  shell_.dialoge.MessagePopup(kKennlPinsTitel, kKennlPinsText);
}

// ---- Controls ------------------------------------------------------------------------------

void KennlinienPanel::KennlinieSenden_Callback() {
  Melden(KennlSenden(zustand_, konfig_.gKonfig(), shell_.fehler, zugang_));
}

void KennlinienPanel::KennlinieLesen_Callback() {
  Melden(KennlLesen(zustand_, konfig_.gKonfig(), shell_.fehler, zugang_));
  KennlNachLesen(zustand_);
  grafik_->BildlaufleisteAktualisieren();
  NeuZeichnen();
}

void KennlinienPanel::Ausgang4Setzen_Callback() {
  Melden(KennlAusgang4Setzen(zustand_, shell_.fehler, zugang_));
}

void KennlinienPanel::Anstiegszeit_Callback() {
  KennlAnstiegszeitSetzen(zustand_, anstiegszeit_->value());
  WertZeigen(anstiegszeit_, zustand_.gKennlAnstiegszeit);
}

void KennlinienPanel::KommentarBearbeiten() {
  KennlKommentarSetzen(zustand_, dialogfenster_.Kommentardialog(zustand_.gKennlinie.kommentar));
  KommentarVorschau();
}

void KennlinienPanel::GraphWertGeaendert(double x, double y) {
  const Kennlinie& k = zustand_.gKennlinie;
  switch (zustand_.werkzeug) {
    case KennlWerkzeug::KOORDINATENANZEIGEN:
      KoordinatenAnzeigen(x, y);
      break;
    case KennlWerkzeug::ZEICHNEN:
      if (const auto ziel = KennlZeichnenVorschau(bearbeitung_, x, y)) {
        Linienzug punkt;
        punkt.Anhaengen(ziel->x, ziel->y);
        grafik_->VorschauZeigen(KennlZeichnenVorschaulinie(k, ziel->x, ziel->y), punkt);
        KoordinatenAnzeigen(ziel->x, ziel->y);
      } else {
        grafik_->VorschauEntfernen();
      }
      break;
    case KennlWerkzeug::MARKIEREN:
      KennlMarkierungZiehen(zustand_, x);
      grafik_->MarkierungZeichnen();
      break;
    case KennlWerkzeug::VERSCHIEBEN: {
      const Kennlverschiebung v =
          KennlVerschiebenZiehen(bearbeitung_, x, y, grafik_->PlotGroesse());
      Linienzug punkt;
      punkt.Anhaengen(v.ziel.x, v.ziel.y);
      grafik_->VorschauZeigen(KennlVerschiebenVorschaulinie(k, v.punkt, v.ziel.x, v.ziel.y), punkt);
      KoordinatenAnzeigen(v.ziel.x, v.ziel.y);
      break;
    }
    default:
      break;
  }
}

void KennlinienPanel::GraphUebernommen(double x, double y) {
  const Plotgroesse plot = grafik_->PlotGroesse();
  switch (zustand_.werkzeug) {
    case KennlWerkzeug::GERADETEILEN:
      KennlGeradeTeilen(bearbeitung_, x);
      break;
    case KennlWerkzeug::PUNKTLOESCHEN:
      KennlPunktLoeschen(bearbeitung_, x, y, plot);
      break;
    case KennlWerkzeug::ZEICHNEN:
      grafik_->VorschauEntfernen();
      KennlPunktZeichnen(bearbeitung_, x, y);
      break;
    case KennlWerkzeug::VERSCHIEBEN:
      KennlPunktVerschieben(bearbeitung_, x, y, plot);
      break;
    case KennlWerkzeug::PUNKTKOORDINATEN:
      if (KennlPunktkoordinaten(bearbeitung_, x, y, plot) != 1) return;
      break;
    case KennlWerkzeug::MARKIEREN:
      KennlMarkierungAbschliessen(zustand_, x);
      grafik_->MarkierungZeichnen();
      return;
    case KennlWerkzeug::KOORDINATENANZEIGEN:
      return;
  }
  NeuZeichnen();
}

void KennlinienPanel::KoordinatenAnzeigen(double x, double y) {
  xKoordinate_->setValue(RohXInEinheit(konfig_.gKonfig(), x));
  yKoordinate_->setValue(RohYInEinheit(konfig_.gKonfig(), 1, y));
}

// ---- Showing the state ---------------------------------------------------------------------

void KennlinienPanel::NeuZeichnen() {
  grafik_->NeuZeichnen(darstellung_);
  ZustandAnzeigen();
}

void KennlinienPanel::ZustandAnzeigen() {
  auto zeigen = [this](QAction* aktion, bool an) { AuswahlZeigen(*leiste_, aktion, an); };
  for (size_t i = 0; i < werkzeuge_.size(); ++i)
    zeigen(werkzeuge_[i], zustand_.werkzeug == static_cast<KennlWerkzeug>(i));
  for (size_t i = 0; i < darstellungen_.size(); ++i)
    zeigen(darstellungen_[i], darstellung_ == kDarstellungPunkte[i].darstellung);
  zeigen(direkthilfe_, shell_.hilfe.Aktiv());
  RueckgaengigZeigen(*leiste_, rueckgaengig_, wiederherstellen_, zustand_.freigabe);
  TitelSetzen(Text(KennlTitel(zustand_.gKennlDateiname)));
  WertZeigen(xRaster_, zustand_.gKennlXRaster);
  WertZeigen(yRaster_, zustand_.gKennlYRaster);
  WertZeigen(begrenzung_, zustand_.gKennlBegrenzung);
  WertZeigen(anstiegszeit_, zustand_.gKennlAnstiegszeit);
  const QSignalBlocker sperre(kurvenNr_);
  kurvenNr_->setValue(zustand_.gKennlKurvenNr);
}

void KennlinienPanel::FelderAnzeigen(const Kennlfelder& felder) {
  WertZeigen(yZoomMin_, felder.achsen.yZoomMin);
  WertZeigen(yZoomMax_, felder.achsen.yZoomMax);
  for (QLabel* text : xEinheiten_) text->setText(Text(felder.achsen.x.einheit));
  for (QLabel* text : yEinheiten_) text->setText(Text(felder.achsen.y.einheit));
  const Begrenzungsfeld& b = felder.begrenzung;
  begrenzungText_->setText(Text(b.beschriftung));
  {
    // A falling scale of output 2 gives its range the other way round.
    const QSignalBlocker sperre(begrenzung_);
    const auto [min, max] = std::minmax(b.min, b.max);
    begrenzung_->setRange(min, max);
  }
  WertZeigen(begrenzung_, zustand_.gKennlBegrenzung);
}

void KennlinienPanel::KommentarVorschau() {
  kommentarvorschau_->setText(Text(KennlKommentarVorschau(zustand_.gKennlinie.kommentar)));
  kommentarvorschau_->setCursorPosition(0);
}

void KennlinienPanel::Melden(int code) {
  if (code != 0) shell_.fehler.NOV_Fehlerpopup(code);
}
