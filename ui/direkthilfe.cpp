#include "ui/direkthilfe.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "base/panelverwaltung.h"

Direkthilfe::Direkthilfe(Panelverwaltung& panels, QWidget* hauptfenster)
    : panels_(panels), hauptfenster_(hauptfenster) {}

Direkthilfe::~Direkthilfe() {
  if (panels_.gHilfeAktiv) QApplication::restoreOverrideCursor();
}

bool Direkthilfe::Aktiv() const {
  return panels_.gHilfeAktiv;
}

void Direkthilfe::Setzen(bool an) {
  if (an == panels_.gHilfeAktiv) return;
  panels_.gHilfeAktiv = an;
  if (an) {
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    Hilfetext("Direkthilfe-Modus eingeschaltet!\nZum Beenden auf '?'-Icon klicken");
  } else {
    QApplication::restoreOverrideCursor();
  }
  emit umgeschaltet(an);
}

QPoint Direkthilfe::PopupPosition(QPoint zeiger, QSize fenster, QSize text) {
  int links = zeiger.x();
  if (zeiger.x() > fenster.width() / 2) links = zeiger.x() - (text.width() + 10);
  int oben = zeiger.y();
  if (zeiger.y() > fenster.height() / 2) oben = zeiger.y() - (text.height() + 10);
  return {links, oben};
}

void Direkthilfe::Hilfetext(const QString& text) {
  PopupSchliessen();
  auto* popup = new QFrame(hauptfenster_);
  popup->setObjectName("Hilfetext");
  popup->setFrameShape(QFrame::Box);
  popup->setAutoFillBackground(true);
  popup->setPalette(QPalette(QColor(0xFF, 0xFF, 0xE1)));
  auto* label = new QLabel(text, popup);
  auto* layout = new QVBoxLayout(popup);
  layout->setContentsMargins(5, 5, 5, 5);
  layout->addWidget(label);
  popup->adjustSize();
  const QSize textGroesse = label->sizeHint();
  const QPoint zeiger = hauptfenster_->mapFromGlobal(QCursor::pos());
  popup->move(PopupPosition(zeiger, hauptfenster_->size(), textGroesse));
  popup->show();
  popup->raise();
  popup_ = popup;
  // The click that opened the popup is still pressed: the next press after its release closes.
  warteAufLoslassen_ = QApplication::mouseButtons() & Qt::LeftButton;
  qApp->installEventFilter(this);
}

void Direkthilfe::PopupSchliessen() {
  if (!popup_) return;
  qApp->removeEventFilter(this);
  popup_->hide();
  popup_->setObjectName(QString());
  popup_->deleteLater();
  popup_ = nullptr;
}

void Direkthilfe::Hilfe(QWidget* widget, const QString& text) {
  texte_.insert(widget, text);
  widget->installEventFilter(this);
  connect(widget, &QObject::destroyed, this, [this, widget] { texte_.remove(widget); });
}

void Direkthilfe::Befehl(QAction* aktion, const QString& text, std::function<void()> ausfuehren) {
  connect(aktion, &QAction::triggered, this,
          [this, text, ausfuehren = std::move(ausfuehren)] { Ausfuehren(text, ausfuehren); });
}

void Direkthilfe::Ausfuehren(const QString& text, const std::function<void()>& ausfuehren) {
  if (!Aktiv()) {
    ausfuehren();
    return;
  }
  if (!text.isEmpty()) Hilfetext(text);
}

bool Direkthilfe::eventFilter(QObject* objekt, QEvent* ereignis) {
  const auto art = ereignis->type();
  if (popup_) {
    if (art == QEvent::MouseButtonRelease) warteAufLoslassen_ = false;
    if (art == QEvent::MouseButtonPress || art == QEvent::MouseButtonDblClick) {
      if (!warteAufLoslassen_) PopupSchliessen();
      return true;
    }
    if (art == QEvent::MouseButtonRelease) return true;
  }
  if (Aktiv() && (art == QEvent::MouseButtonPress || art == QEvent::MouseButtonDblClick) &&
      static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
    auto it = texte_.find(objekt);
    if (it == texte_.end()) return false;
    if (!it->isEmpty()) Hilfetext(*it);
    return true;
  }
  return QObject::eventFilter(objekt, ereignis);
}
