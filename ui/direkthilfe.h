#pragma once
// Direct-help mode of all panels: while the one flag is on, a left click on a control shows the
// control's help text at the pointer instead of acting, and commands do nothing.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAction;
#include <QFrame>
class QWidget;
class Panelverwaltung;

class Direkthilfe : public QObject {
  Q_OBJECT
 public:
  Direkthilfe(Panelverwaltung& panels, QWidget* hauptfenster);
  ~Direkthilfe() override;

  bool Aktiv() const;
  // The "?" toggles: on shows the help cursor and the mode text, off restores the cursor.
  void Setzen(bool an);

  // The help popup, opened at the pointer towards the middle of the main window; the next
  // click closes it.
  void Hilfetext(const QString& text);
  bool HilfetextOffen() const { return popup_ != nullptr; }

  // While the mode is on, a left click on widget shows text (an empty text: nothing happens).
  void Hilfe(QWidget* widget, const QString& text);
  // A command that shows text while the mode is on and otherwise runs.
  void Befehl(QAction* aktion, const QString& text, std::function<void()> ausfuehren);
  // Runs ausfuehren unless the mode is on; then shows text (if any) instead.
  void Ausfuehren(const QString& text, const std::function<void()>& ausfuehren);

  // Where the popup goes for a pointer position inside a window of the given size.
  static QPoint PopupPosition(QPoint zeiger, QSize fenster, QSize text);

 signals:
  void umgeschaltet(bool an);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void PopupSchliessen();

  Panelverwaltung& panels_;
  QWidget* hauptfenster_;
  QHash<QObject*, QString> texte_;
  QPointer<QFrame> popup_;
  bool warteAufLoslassen_ = false;
};
