#pragma once
// The modal dialogs of the curves panel on Qt: "Punkt %d" (time and value of a point), "Gerade
// %d" (duration of a segment) and "Kommentar - Kurve %d". Each opens 20 pixels below the
// pointer and closes with its OK button; closing it otherwise keeps the values it showed, so
// that nothing changes. A field left as shown returns the exact value it was given, not the
// value rounded to its decimals. While the point or segment dialog is open, the graph marks the
// point in red or the segment in yellow.

#include <QWidget>
#include <array>
#include <string>

#include "curves/kurvendialoge.h"
#include "curves/kurvensatz.h"
#include "ui/eingabedialog.h"

class QDialog;
class QDoubleSpinBox;
class Kurvengrafik;

// Hours, minutes, seconds and milliseconds in one row (XSTUNDEN, XMINUTEN, XSEKUNDEN,
// XMILISEKUNDEN); read-only rows serve as display.
class Zeitfeldzeile : public QWidget {
  Q_OBJECT
 public:
  explicit Zeitfeldzeile(bool nurLesen, QWidget* eltern = nullptr);
  void Setzen(const Zeitfelder& zeit);
  Zeitfelder Lesen() const;
  const std::array<QDoubleSpinBox*, 4>& Felder() const { return felder_; }

 private:
  std::array<QDoubleSpinBox*, 4> felder_{};
};

class KurvenDialogfenster : public Kurvendialoge {
 public:
  KurvenDialogfenster(const Kurvensatz& satz, Kurvengrafik& grafik, QWidget* eltern)
      : satz_(satz), grafik_(grafik), eltern_(eltern) {}

  Punkteingabe Punktdialog(const std::string& titel, int punkt,
                           const Punkteingabe& anzeige) override;
  Zeitfelder Geradendialog(const std::string& titel, int gerade, const Zeitfelder& dauer) override;
  // The comment text box takes at most 999 characters; a character that Windows-1252 cannot
  // hold is taken out, with a message under the box. Returns the text with its lines joined by
  // "\n".
  std::string Kommentardialog(const std::string& titel, const std::string& text);

 private:
  const Kurvensatz& satz_;
  Kurvengrafik& grafik_;
  QWidget* eltern_;
};
