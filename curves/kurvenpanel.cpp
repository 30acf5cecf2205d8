#include "curves/kurvenpanel.h"

#include <qcustomplot.h>

#include <QAction>
#include <QComboBox>
#include <QCursor>
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
#include <QWheelEvent>
#include <cstdint>
#include <utility>

#include "base/fehlerausgabe.h"
#include "base/panelverwaltung.h"
#include "curves/geradenbearbeitung.h"
#include "curves/kurvenangaben.h"
#include "curves/kurvendateien.h"
#include "curves/kurvenexport.h"
#include "curves/kurvengrafik.h"
#include "curves/kurvenmenues.h"
#include "curves/kurventransfer.h"
#include "curves/kurvenundo.h"
#include "curves/markierung.h"
#include "curves/punktbearbeitung.h"
#include "curves/punktverschiebung.h"
#include "curves/speicheranzeigewidget.h"
#include "curves/speicherfrage.h"
#include "curves/zwischenablage.h"
#include "ui/direkthilfe.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/feldbausteine.h"
#include "ui/grafikbildlauf.h"
#include "ui/grafikcursor.h"
#include "ui/panelbausteine.h"
#include "ui/verbindungsbild.h"
#include "ui/werkzeugleiste.h"

namespace {

// The ZEITBASISINDICATOR ring only shows: the user cannot open or change it.
class Anzeigering : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override {}

 protected:
  void wheelEvent(QWheelEvent* ereignis) override { ereignis->ignore(); }
  void keyPressEvent(QKeyEvent* ereignis) override { ereignis->ignore(); }
};

constexpr double kFeldgrenze = 1e9;
constexpr int kFeldstellen = 3;
constexpr int kZeitbasisMenueLinks = 40;
// The overview keeps room for a strip of curve above its time labels and axis title.
constexpr int kUebersichtMindesthoehe = 120;

// The nine time bases in list order with their codes.
QList<QPair<QString, int>> Zeitbasen() {
  QList<QPair<QString, int>> liste;
  for (int8_t code : kZeitbasisListe) liste.append({Text(ZeitbasisName(code)), code});
  return liste;
}

}  // namespace

// Resources of a static library are registered by hand, outside any namespace.
static void KnoepfeLaden() {
  Q_INIT_RESOURCE(kurvenknoepfe);
}

KurvenPanel::KurvenPanel(ShellDienste& shell, Kurvensatz& satz, Konfigzustand& konfig,
                         Geraetezugang& zugang, IdLesen idLesen, QWidget* eltern)
    : ChildPanel(shell, KURVENPNL, "Kurvengenerator", eltern),
      satz_(satz),
      konfig_(konfig),
      zugang_(zugang),
      idLesen_(std::move(idLesen)),
      grafik_(new Kurvengrafik(satz, konfig.gKonfig(), shell.dialoge, Inhalt())),
      dialogfenster_(satz, *grafik_, this),
      bearbeitung_{satz, konfig.gKonfig(), shell.fehler, dialogfenster_} {
  KnoepfeLaden();
  MenueAnlegen();
  LeisteAnlegen();
  TeileAnlegen();
  connect(grafik_->Cursor(), &Grafikcursor::wertGeaendert, this, &KurvenPanel::GraphWertGeaendert);
  connect(grafik_->Cursor(), &Grafikcursor::uebernommen, this, &KurvenPanel::GraphUebernommen);
  connect(grafik_, &Kurvengrafik::felderAnzeigen, this, &KurvenPanel::FelderAnzeigen);
  connect(&shell_.hilfe, &Direkthilfe::umgeschaltet, this, &KurvenPanel::ZustandAnzeigen);
  shell_.fehler.FehleranzeigeAnmelden(Geraetepanel::Kurven, Fehleranzeige());
  ZustandAnzeigen();
}

KurvenPanel::~KurvenPanel() {
  shell_.fehler.FehleranzeigeAnmelden(Geraetepanel::Kurven, nullptr);
}

// ---- Construction -------------------------------------------------------------------------

QAction* KurvenPanel::Punkt(QMenu* menue, const Menuepunkt& punkt, const QString& name) {
  return Menueeintrag(menue, punkt, name);
}

QAction* KurvenPanel::Befehl(QMenu* menue, const Menuepunkt& punkt,
                             std::function<void()> ausfuehren) {
  return Befehlseintrag(shell_.hilfe, menue, punkt, std::move(ausfuehren));
}

QAction* KurvenPanel::Auswahl(QMenu* menue, const Menuepunkt& punkt, const QString& name,
                              std::function<void()> ausfuehren) {
  return Auswahleintrag(shell_.hilfe, menue, punkt, name, std::move(ausfuehren),
                        [this] { ZustandAnzeigen(); });
}

void KurvenPanel::MenueAnlegen() {
  // In the order of kDateiPunkte.
  const std::array<std::function<void()>, 7> datei{
      [this] { Neu(); },
      [this] { NachDemLaden(KurvenLaden(satz_, konfig_, shell_.fehler)); },
      [this] { NachDemLaden(KurvenAnhaengen(satz_, konfig_, shell_.dialoge)); },
      [this] { NachDemDateibefehl(KurvenSpeichern(satz_, konfig_, shell_.dialoge, false)); },
      [this] { NachDemDateibefehl(KurvenSpeichern(satz_, konfig_, shell_.dialoge, true)); },
      [this] { NachDemDateibefehl(KurvenImportieren(satz_, shell_.dialoge)); },
      [this] { NachDemDateibefehl(KurvenExportieren(satz_, shell_.dialoge)); },
  };
  for (size_t i = 0; i < datei.size(); ++i) {
    const Menuepunkt& p = kDateiPunkte[i];
    Kennzeichnen(DateiEintrag(p.text, p.hilfe, datei[i]), p);
  }
  BeendenAktion()->setObjectName("BEENDEN");

  bearbeiten_ = new QMenu("Bearbeiten", Menueleiste());
  Menueleiste()->insertMenu(FensterMenue()->menuAction(), bearbeiten_);
  // What each item of kBearbeitenPunkte redraws after its command.
  enum class Danach { Neuzeichnen, NeuzeichnenUndBildlauf, Markierung };
  const std::array<std::pair<std::function<void()>, Danach>, 7> befehle{{
      {[this] { Ausschneiden(satz_, shell_.fehler); }, Danach::NeuzeichnenUndBildlauf},
      {[this] { Melden(MarkierungKopieren(satz_)); }, Danach::Neuzeichnen},
      {[this] { Melden(MarkierungEinfuegen(satz_, shell_.dialoge)); },
       Danach::NeuzeichnenUndBildlauf},
      {[this] { Loeschen(satz_, shell_.dialoge); }, Danach::NeuzeichnenUndBildlauf},
      {[this] { AllesMarkieren(satz_); }, Danach::Markierung},
      {[this] { KurveRueckgaengig(satz_); }, Danach::Neuzeichnen},
      {[this] { KurveWiederherstellen(satz_); }, Danach::Neuzeichnen},
  }};
  for (size_t i = 0; i < befehle.size(); ++i) {
    Befehl(bearbeiten_, kBearbeitenPunkte[i], [this, eintrag = befehle[i]] {
      eintrag.first();
      if (eintrag.second == Danach::Markierung) return grafik_->MarkierungZeichnen();
      NeuZeichnen();
      if (eintrag.second == Danach::NeuzeichnenUndBildlauf) grafik_->BildlaufleisteAktualisieren();
    });
  }
  rueckgaengig_ = MenueAktion("RUECKGAENGIG");
  wiederherstellen_ = MenueAktion("WIEDERHERST");
  bearbeiten_->addSeparator();
  Befehl(bearbeiten_, kZoomPunkte[0], [this] { grafik_->ZoomPlus(); });
  Befehl(bearbeiten_, kZoomPunkte[1], [this] { grafik_->ZoomMinus(); });
  Befehl(bearbeiten_, kZoomPunkte[2], [this] { grafik_->ZoomMarkierung(); });
  Befehl(bearbeiten_, kZoomPunkte[3], [this] { grafik_->AnsichtGesamtkurve(); });
  bearbeiten_->addSeparator();
  for (size_t i = 0; i < kWerkzeugPunkte.size(); ++i) {
    const auto werkzeug = static_cast<Werkzeug>(i);
    werkzeuge_[i] = Auswahl(bearbeiten_, kWerkzeugPunkte[i], QString(),
                            [this, werkzeug] { Menu_Kurven_Bearbeiten_Toggle(werkzeug); });
  }
  bearbeiten_->addSeparator();
  kurveMenue_ = bearbeiten_->addMenu("Kurve bearbeiten");
  kurveMenue_->setObjectName("KURVE");
  hintergrundMenue_ = bearbeiten_->addMenu("Im Hintergrund zeigen");
  hintergrundMenue_->setObjectName("HINTERGRUND");
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    kurven_[k] = Auswahl(kurveMenue_, kKurvenPunkte[k], QString("KURVE_K%1").arg(k + 1),
                         [this, k] { Menu_Kurven_Bearbeiten_Toggle2(k); });
    hintergrund_[k] =
        Auswahl(hintergrundMenue_, kHintergrundPunkte[k], QString("HINTERGRUND_K%1").arg(k + 1),
                [this, k] { Menu_Kurven_Bearbeiten_Toggle3(k); });
  }

  QMenu* ansicht = new QMenu("Ansicht", Menueleiste());
  Menueleiste()->insertMenu(FensterMenue()->menuAction(), ansicht);
  QMenu* darstellung = ansicht->addMenu("Kurvendarstellung");
  darstellung->setObjectName("DARSTELLUNG");
  for (size_t i = 0; i < kDarstellungPunkte.size(); ++i) {
    const int wert = kDarstellungPunkte[i].darstellung;
    darstellungen_[i] = Auswahl(darstellung, kDarstellungPunkte[i].punkt, QString(),
                                [this, wert] { Menu_Kurven_Ansicht_ToggleDarstellung(wert); });
  }

  hilfeMenue_ = Menueleiste()->addMenu("Hilfe");
  direkthilfe_ = Punkt(hilfeMenue_, kDirekthilfePunkt);
  direkthilfe_->setCheckable(true);
  // The way out of direct help acts in help mode too.
  connect(direkthilfe_, &QAction::triggered, this, &KurvenPanel::Menu_Kurven_Hilfe_ToggleHelp);
  pins_ = Befehl(hilfeMenue_, kPinsPunkt,
                 [this] { shell_.dialoge.MessagePopup(kPinsTitel, kPinsText); });
}

void KurvenPanel::LeisteAnlegen() {
  leiste_ = new Werkzeugleiste(Inhalt());
  leiste_->setObjectName("WERKZEUGLEISTE");
  auto knopf = [this](const Menuepunkt& p) {
    if (p.tooltip) leiste_->Knopf(p.tooltip, p.bild, MenueAktion(p.name));
  };
  for (const Menuepunkt& p : kDateiPunkte) knopf(p);
  leiste_->Trenner();
  for (const Menuepunkt& p : kBearbeitenPunkte) knopf(p);
  leiste_->Trenner();
  const int werkzeuge = leiste_->Radiogruppe();
  for (size_t i = 0; i < kWerkzeugPunkte.size(); ++i)
    leiste_->Radioknopf(werkzeuge, kWerkzeugPunkte[i].tooltip, kWerkzeugPunkte[i].bild,
                        werkzeuge_[i]);
  leiste_->Trenner();
  zeitbasisring_ = leiste_->Ring("Zeitbasis", kZeitbasisringBreite, Zeitbasen());
  Hilfe(zeitbasisring_, Kurvenhilfe::kZeitbasisring);
  leiste_->Trenner();
  for (const Menuepunkt& p : kZoomPunkte) knopf(p);
  leiste_->Trenner();
  const int kurven = leiste_->Radiogruppe();
  for (int k = 0; k < kKurvenAnzahl; ++k)
    leiste_->Radioknopf(kurven, kKurvenPunkte[k].tooltip, kKurvenPunkte[k].bild, kurven_[k]);
  leiste_->Trenner();
  for (int k = 0; k < kKurvenAnzahl; ++k)
    leiste_->Umschalter(kHintergrundPunkte[k].tooltip, kHintergrundPunkte[k].bild, hintergrund_[k]);
  leiste_->Trenner();
  const int darstellungen = leiste_->Radiogruppe();
  for (size_t i = 0; i < kDarstellungPunkte.size(); ++i)
    leiste_->Radioknopf(darstellungen, kDarstellungPunkte[i].punkt.tooltip,
                        kDarstellungPunkte[i].punkt.bild, darstellungen_[i]);
  leiste_->Trenner();
  leiste_->Umschalter(kDirekthilfePunkt.tooltip, kDirekthilfePunkt.bild, direkthilfe_);
}

void KurvenPanel::Hilfe(QWidget* feld, const char* text) {
  Feldhilfe(shell_.hilfe, feld, text);
}

QPushButton* KurvenPanel::Knopf(const char* name, const QString& text, const char* hilfe,
                                std::function<void()> ausfuehren) {
  return Hilfeknopf(shell_.hilfe, Inhalt(), name, text, hilfe, std::move(ausfuehren));
}

void KurvenPanel::TeileAnlegen() {
  QCustomPlot* graph = grafik_->Graph();
  QCustomPlot* klein = grafik_->GraphKlein();
  graph->setObjectName("GRAPH");
  klein->setObjectName("GRAPHKLEIN");
  // Once clicked, the graph takes Entf and Strg+Z.
  GraphenEinrichten(shell_.hilfe, graph, klein, grafik_->Bildlaufleiste(), kUebersichtMindesthoehe,
                    Kurvenhilfe::kGraph, Kurvenhilfe::kGraphKlein);

  EditorAnordnen(Inhalt(), {leiste_, graph, KoordinatenAnlegen(), klein, FelderAnlegen(),
                            Fehleranzeige(), Verbindung(), ZurueckKnopf()});
}

QWidget* KurvenPanel::KoordinatenAnlegen() {
  auto* teil = new QWidget(Inhalt());
  auto* zeile = new QHBoxLayout(teil);
  zeile->setContentsMargins(0, 0, 0, 0);
  koordinaten_ = new Zeitfeldzeile(true, teil);
  for (QDoubleSpinBox* feld : koordinaten_->Felder()) Hilfe(feld, Kurvenhilfe::kKoordinaten);
  yKoordinate_ = Zahlfeld("YKOORDINATE", kFeldstellen, -kFeldgrenze, kFeldgrenze, teil);
  yKoordinate_->setReadOnly(true);
  yKoordinate_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  Hilfe(yKoordinate_, Kurvenhilfe::kKoordinaten);
  zeitbasisAnzeige_ = new Anzeigering(teil);
  zeitbasisAnzeige_->setObjectName("ZEITBASISINDICATOR");
  zeitbasisAnzeige_->setFocusPolicy(Qt::NoFocus);
  for (const auto& [text, code] : Zeitbasen()) zeitbasisAnzeige_->addItem(text, code);
  Hilfe(zeitbasisAnzeige_, Kurvenhilfe::kKoordinaten);
  auto* einheit = new QLabel(teil);
  einheitTexte_.append(einheit);
  zeile->addWidget(new QLabel("Zeit", teil));
  zeile->addWidget(koordinaten_, 4);
  zeile->addSpacing(12);
  zeile->addWidget(new QLabel("Y", teil));
  zeile->addWidget(yKoordinate_, 1);
  zeile->addWidget(einheit);
  zeile->addSpacing(12);
  zeile->addWidget(new QLabel("Zeitbasis", teil));
  zeile->addWidget(zeitbasisAnzeige_);
  return teil;
}

QWidget* KurvenPanel::FelderAnlegen() {
  QVBoxLayout* spalte = nullptr;
  QWidget* teil = Feldspalte(Inhalt(), spalte);

  auto* yGruppe = new QGroupBox("Y-Achse", teil);
  auto* raster = new QGridLayout(yGruppe);
  yZoomMax_ = Zahlfeld("YZOOMMAX", kFeldstellen, -kFeldgrenze, kFeldgrenze, yGruppe);
  yZoomMin_ = Zahlfeld("YZOOMMIN", kFeldstellen, -kFeldgrenze, kFeldgrenze, yGruppe);
  yRaster_ = Zahlfeld("YRASTER", kFeldstellen, 0, kFeldgrenze, yGruppe);
  Einheitenzeile(raster, 0, "Zoom max", yZoomMax_, einheitTexte_);
  Einheitenzeile(raster, 1, "Zoom min", yZoomMin_, einheitTexte_);
  Einheitenzeile(raster, 2, "Raster", yRaster_, einheitTexte_);
  Hilfe(yZoomMax_, Kurvenhilfe::kYZoom);
  Hilfe(yZoomMin_, Kurvenhilfe::kYZoom);
  Hilfe(yRaster_, Kurvenhilfe::kYRaster);
  for (QDoubleSpinBox* feld : {yZoomMin_, yZoomMax_}) {
    connect(feld, &QDoubleSpinBox::valueChanged, this, [this] { yZoomBearbeitet_ = true; });
    // Only values the user changed are taken: the shown ones are rounded to the field.
    connect(feld, &QDoubleSpinBox::editingFinished, this, [this] {
      if (!std::exchange(yZoomBearbeitet_, false)) return;
      grafik_->YZoomKurven(yZoomMin_->value(), yZoomMax_->value());
    });
  }
  connect(yRaster_, &QDoubleSpinBox::valueChanged, this,
          [this](double wert) { satz_.gYRaster[satz_.gAktuelleKurve] = wert; });
  spalte->addWidget(yGruppe);

  zyklen_ = new QSpinBox(teil);
  zyklen_->setObjectName("ZYKLEN");
  zyklen_->setRange(0, INT32_MAX);
  ruhezustand_ = Zahlfeld("RUHEZUSTAND", kFeldstellen, -kFeldgrenze, kFeldgrenze, teil);
  zyklenText_ = new QLabel("Zyklen", teil);
  ruhezustandText_ = new QLabel("Ruhezustand", teil);
  Hilfe(zyklen_, Kurvenhilfe::kZyklen);
  Hilfe(ruhezustand_, Kurvenhilfe::kRuhezustand);
  connect(zyklen_, &QSpinBox::editingFinished, this, [this] {
    if (zyklen_->value() != satz_.gZyklen[satz_.gAktuelleKurve]) ZyklenUndRuhezustand_Callback();
  });
  connect(ruhezustand_, &QDoubleSpinBox::valueChanged, this,
          [this] { ruhezustandBearbeitet_ = true; });
  connect(ruhezustand_, &QDoubleSpinBox::editingFinished, this, [this] {
    if (std::exchange(ruhezustandBearbeitet_, false)) ZyklenUndRuhezustand_Callback();
  });
  for (QWidget* w :
       std::initializer_list<QWidget*>{zyklenText_, zyklen_, ruhezustandText_, ruhezustand_})
    spalte->addWidget(w);

  spalte->addWidget(new QLabel("Speicherbedarf im TVM-5R", teil));
  speicherbedarf_ = new SpeicheranzeigeWidget(teil);
  speicherbedarf_->setObjectName("SPEICHERBEDARF");
  Hilfe(speicherbedarf_, Kurvenhilfe::kSpeicherbedarf);
  spalte->addWidget(speicherbedarf_);

  spalte->addSpacing(8);
  QPushButton* kommentar =
      Knopf("KOMMENTAR", "Kommentar", Kurvenhilfe::kKommentar, [this] { KommentarBearbeiten(); });
  spalte->addWidget(kommentar);
  kommentarvorschau_ = Kommentarvorschau(shell_.hilfe, teil, Kurvenhilfe::kKommentarvorschau);
  spalte->addWidget(kommentarvorschau_);
  spalte->addStretch(1);
  spalte->addWidget(KnoepfeAnlegen());
  return teil;
}

QWidget* KurvenPanel::KnoepfeAnlegen() {
  auto* teil = new QWidget(Inhalt());
  auto* spalte = new QVBoxLayout(teil);
  spalte->setContentsMargins(0, 0, 0, 0);

  auto* speicher = new QGroupBox("TVM-5R", teil);
  auto* s = new QVBoxLayout(speicher);
  s->addWidget(Knopf("SCHREIBEN", "zum TVM-5R schreiben", Kurvenhilfe::kSchreiben,
                     [this] { KurveSenden_Callback(kKurvenspeicher); }));
  s->addWidget(Knopf("LESEN", "vom TVM-5R lesen", Kurvenhilfe::kLesen,
                     [this] { KurveLesen_Callback(kKurvenspeicher); }));
  s->addWidget(Knopf("ANPASSEN_1", "an TVM-5R anpassen", "", [this] { Anpassen_Callback(); }));
  auto* dither = new QGroupBox("Dither-Amplitude", teil);
  auto* d = new QVBoxLayout(dither);
  d->addWidget(Knopf("SCHREIBEN_2", "als Dither-Amplitude schreiben", "",
                     [this] { KurveSenden_Callback(kDitherspeicher); }));
  d->addWidget(Knopf("LESEN_2", "lesen", "", [this] { KurveLesen_Callback(kDitherspeicher); }));

  spalte->addWidget(speicher);
  spalte->addWidget(dither);
  spalte->addLayout(StartStoppZeile(teil, start_, stopp_));
  return teil;
}

// ---- Start and end -------------------------------------------------------------------------

int KurvenPanel::KurvenpanelInit() {
  if (!leiste_->Vollstaendig()) return -653401;
  zyklen_->hide();
  zyklenText_->hide();
  ruhezustand_->hide();
  ruhezustandText_->hide();
  for (int panel : {KONFIGPNL, DIREKTPNL, KENNLPNL}) FensterEintragEntfernen(panel);
  hilfeMenue_->removeAction(pins_);
  bearbeiten_->removeAction(kurveMenue_->menuAction());
  bearbeiten_->removeAction(hintergrundMenue_->menuAction());
  darstellung_.zeitbasisMarken = satz_.werkzeug == Werkzeug::ZEITBASISZEIG;
  if (const int fehler = KurvenAnlegen(satz_); fehler != 0) return fehler;
  yRaster_->setValue(satz_.gYRaster[satz_.gAktuelleKurve]);
  KommentarVorschau();
  grafik_->BildlaufleisteAktualisieren();
  NeuZeichnen();
  return 0;
}

int KurvenPanel::KurvenpanelClear() {
  grafik_->ZeitbasisMarkenZeichnen(false);
  return 0;
}

int KurvenPanel::AbbruchWeilNichtGespeichert() {
  return AbbruchWeilKurvenNichtGespeichert(satz_, shell_.fehler, [this] {
    const int ergebnis = KurvenSpeichern(satz_, konfig_, shell_.dialoge, false);
    KurvenTitelSetzen(satz_.gKurvendateiname);
    return ergebnis;
  });
}

void KurvenPanel::Kurvenpanel_SkaliereYAchse() {
  grafik_->Kurvenpanel_SkaliereYAchse();
}

void KurvenPanel::KurvenknoepfeFreigeben() {
  for (QAction* kurve : kurven_) leiste_->Dimmen(kurve, false);
}

void KurvenPanel::KurvenTitelSetzen(const std::string& pfad) {
  TitelSetzen(Text(::KurvenTitelSetzen(satz_, pfad)));
}

// ---- Menus -----------------------------------------------------------------------------------

void KurvenPanel::NachDemDateibefehl(int ergebnis) {
  Melden(ergebnis);
  NeuZeichnen();
}

void KurvenPanel::Neu() {
  if (AbbruchWeilNichtGespeichert() != 0) return;
  Melden(KurvenLeeren(satz_));
  KommentarVorschau();
  AnsichtZuruecksetzen(satz_.ansicht);
  grafik_->BildlaufleisteAktualisieren();
  NeuZeichnen();
}

void KurvenPanel::NachDemLaden(int ergebnis) {
  Melden(ergebnis);
  KommentarVorschau();
  grafik_->AnsichtGesamtkurve();
  NeuZeichnen();
}

void KurvenPanel::Menu_Kurven_Bearbeiten_Toggle(Werkzeug werkzeug) {
  const bool markiert = satz_.markierung.gMarkierungAktiv;
  WerkzeugWaehlen(satz_, werkzeug);
  darstellung_.zeitbasisMarken = werkzeug == Werkzeug::ZEITBASISZEIG;
  grafik_->ZeitbasisMarkenZeichnen(darstellung_.zeitbasisMarken);
  if (markiert != satz_.markierung.gMarkierungAktiv) grafik_->MarkierungZeichnen();
}

void KurvenPanel::Menu_Kurven_Bearbeiten_Toggle2(int k) {
  satz_.gYRaster[satz_.gAktuelleKurve] = yRaster_->value();
  KurveWaehlen(satz_, k);
  WertZeigen(yRaster_, satz_.gYRaster[k]);
  KommentarVorschau();
  NeuZeichnen();
}

void KurvenPanel::Menu_Kurven_Bearbeiten_Toggle3(int k) {
  darstellung_.hintergrund[k] = !darstellung_.hintergrund[k];
  NeuZeichnen();
}

void KurvenPanel::Menu_Kurven_Ansicht_ToggleDarstellung(int darstellung) {
  darstellung_.gDarstellung = darstellung;
  NeuZeichnen();
}

void KurvenPanel::Menu_Kurven_Hilfe_ToggleHelp() {
  shell_.hilfe.Setzen(!shell_.hilfe.Aktiv());
  ZustandAnzeigen();
}

// ---- Controls --------------------------------------------------------------------------------

void KurvenPanel::KurveSenden_Callback(int typ) {
  if (KurvenGleichLangPruefen(satz_, shell_.dialoge) != 0) return;
  Melden(KurvenSenden(satz_, shell_.fehler, zugang_, typ));
}

void KurvenPanel::KurveLesen_Callback(int typ) {
  Melden(KurvenLesen(satz_, shell_.fehler, zugang_, typ, [this] { KurvenknoepfeFreigeben(); }));
  KurvenTitelSetzen("");
  grafik_->AnsichtGesamtkurve();
  NeuZeichnen();
}

void KurvenPanel::Anpassen_Callback() {
  Melden(GeraetAnpassen(konfig_, shell_.fehler, zugang_, idLesen_, [this] { NeuZeichnen(); }));
}

void KurvenPanel::KommentarBearbeiten() {
  const int k = satz_.gAktuelleKurve;
  const std::string text = dialogfenster_.Kommentardialog(Dialogtitel("Kommentar - Kurve", k),
                                                          satz_.gKurven[k].kommentar);
  KommentarSetzen(satz_, k, text);
  KommentarVorschau();
}

void KurvenPanel::ZyklenUndRuhezustand_Callback() {
  ZyklenUndRuhezustandSetzen(satz_, konfig_.gKonfig(), satz_.gAktuelleKurve, zyklen_->value(),
                             ruhezustand_->value());
  grafik_->Kurvenpanel_SkaliereYAchse();
}

void KurvenPanel::GraphWertGeaendert(double t, double y) {
  const Kurve& kurve = satz_.aktuelleKurve();
  switch (satz_.werkzeug) {
    case Werkzeug::ZEITBASISZEIG: {
      const int code = kurve.punkte[GeradeZurZeit(kurve, t)].zeitbasis;
      zeitbasisAnzeige_->setCurrentIndex(zeitbasisAnzeige_->findData(code));
      KoordinatenAnzeigen(t, y);
      break;
    }
    case Werkzeug::ZEICHNEN: {
      const Grafikpunkt ziel =
          ZeichnenVorschau(bearbeitung_, t, y, zeitbasisring_->currentData().toInt());
      grafik_->VorschauZeigen(ZeichnenVorschaulinie(kurve, ziel.t, ziel.y));
      KoordinatenAnzeigen(ziel.t, ziel.y);
      break;
    }
    case Werkzeug::MARKIEREN:
      MarkierungZiehen(satz_.markierung, t);
      grafik_->MarkierungZeichnen();
      break;
    case Werkzeug::VERSCHIEBEN: {
      const Verschiebung v = VerschiebenZiehen(bearbeitung_, t, y, grafik_->PlotGroesse());
      grafik_->VorschauZeigen(VerschiebenVorschaulinie(kurve, v.punkt, v.ziel.t, v.ziel.y));
      KoordinatenAnzeigen(v.ziel.t, v.ziel.y);
      break;
    }
    default:
      break;
  }
}

void KurvenPanel::GraphUebernommen(double t, double y) {
  const Plotgroesse plot = grafik_->PlotGroesse();
  bool geaendert = true;
  switch (satz_.werkzeug) {
    case Werkzeug::LAENGEAENDERN:
      GeradenlaengeAendern(bearbeitung_, t);
      break;
    case Werkzeug::GERADETEILEN:
      GeradeTeilen(bearbeitung_, t);
      break;
    case Werkzeug::PUNKTLOESCHEN:
      PunktAufloesen(bearbeitung_, t, y, plot);
      break;
    case Werkzeug::ZEICHNEN:
      grafik_->VorschauEntfernen();
      PunktZeichnen(bearbeitung_, t, y, zeitbasisring_->currentData().toInt());
      break;
    case Werkzeug::VERSCHIEBEN:
      PunktVerschieben(bearbeitung_, t, y, plot);
      break;
    case Werkzeug::PUNKTKOORDINAT:
      geaendert = PunktkoordinatenAendern(bearbeitung_, t, y, plot);
      break;
    case Werkzeug::ZEITBASIS:
      if (const int code = ZeitbasisMenue(t); code != 0)
        ZeitbasisAendern(bearbeitung_, t, code);
      else
        geaendert = false;
      break;
    case Werkzeug::MARKIEREN:
      MarkierungAbschliessen(satz_.markierung, t);
      grafik_->MarkierungZeichnen();
      return;
    case Werkzeug::ZEITBASISZEIG:
      return;
  }
  if (geaendert) NeuZeichnen();
}

int KurvenPanel::ZeitbasisMenue(double t) {
  const Kurve& kurve = satz_.aktuelleKurve();
  const int aktuell = kurve.punkte[GeradeZurZeit(kurve, t)].zeitbasis;
  QMenu menue(this);
  menue.setObjectName("ZEITBASISMENUE");
  menue.addSection("Zeitbasis");
  for (int8_t code : kZeitbasisListe) {
    QAction* punkt = menue.addAction(Text(ZeitbasisName(code)));
    punkt->setData(int(code));
    punkt->setCheckable(true);
    punkt->setChecked(code == aktuell);
  }
  const QAction* gewaehlt = menue.exec(QCursor::pos() - QPoint(kZeitbasisMenueLinks, 0));
  return gewaehlt ? gewaehlt->data().toInt() : 0;
}

void KurvenPanel::KoordinatenAnzeigen(double t, double y) {
  koordinaten_->Setzen(ZeitInStunden(t));
  yKoordinate_->setValue(RohInEinheit(konfig_.gKonfig(), satz_.gAktuelleKurve, y));
}

// ---- Showing the state -----------------------------------------------------------------------

void KurvenPanel::NeuZeichnen() {
  grafik_->KurvengrafikNeuZeichnen(darstellung_);
  ZustandAnzeigen();
}

void KurvenPanel::ZustandAnzeigen() {
  auto zeigen = [this](QAction* aktion, bool an) { AuswahlZeigen(*leiste_, aktion, an); };
  for (size_t i = 0; i < werkzeuge_.size(); ++i)
    zeigen(werkzeuge_[i], satz_.werkzeug == static_cast<Werkzeug>(i));
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    zeigen(kurven_[k], satz_.gAktuelleKurve == k);
    zeigen(hintergrund_[k], darstellung_.hintergrund[k]);
  }
  for (size_t i = 0; i < darstellungen_.size(); ++i)
    zeigen(darstellungen_[i], darstellung_.gDarstellung == kDarstellungPunkte[i].darstellung);
  zeigen(direkthilfe_, shell_.hilfe.Aktiv());
  RueckgaengigZeigen(*leiste_, rueckgaengig_, wiederherstellen_, satz_.freigabe);
  TitelSetzen(Text(KurvenTitel(satz_.gKurvendateiname)));
}

void KurvenPanel::FelderAnzeigen(const Kurvenfelder& felder) {
  WertZeigen(yZoomMin_, felder.yZoomMin);
  WertZeigen(yZoomMax_, felder.yZoomMax);
  yZoomBearbeitet_ = false;
  const QString einheit = Text(felder.einheit);
  for (QLabel* text : einheitTexte_) text->setText(einheit);
  ruhezustandText_->setText(Text(felder.ruhezustandBeschriftung));
  WertZeigen(ruhezustand_, felder.ruhezustand);
  ruhezustandBearbeitet_ = false;
  const QSignalBlocker sperre(zyklen_);
  zyklen_->setValue(felder.zyklen);
  speicherbedarf_->Zeigen(felder.speicher);
}

void KurvenPanel::KommentarVorschau() {
  kommentarvorschau_->setText(Text(::KommentarVorschau(satz_.aktuelleKurve().kommentar)));
  kommentarvorschau_->setCursorPosition(0);
}

void KurvenPanel::Melden(int code) {
  if (code != 0) shell_.fehler.NOV_Fehlerpopup(code);
}
