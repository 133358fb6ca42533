#include "workspace/fenstergeometrie.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
// How long the window looks for its frame after a show or a change of state: 2 s.
constexpr int WacheTakt = 50;
constexpr int WacheTakte = 40;
} // namespace

Fenstergeometrie::Fenstergeometrie(QWidget* fenster)
    : QObject(fenster), fenster_(fenster), wache_(new QTimer(this)) {
    wache_->setInterval(WacheTakt);
    connect(wache_, &QTimer::timeout, this, [this] {
        Anpassen();
        if (++takte_ < WacheTakte) return;
        wache_->stop();
        // Done once applied in normal state; a maximised window waits for its restore.
        if (!angepasst_.isNull()) offen_ = false;
    });
    fenster_->installEventFilter(this);
}

void Fenstergeometrie::Setze(const QRect& aussen) {
    gewuenscht_ = aussen;
    offen_ = true;
    angepasst_ = QMargins();
    fenster_->move(aussen.topLeft());
    fenster_->resize(aussen.size());
}

QRect Fenstergeometrie::Aussen() const {
    if (fenster_->windowState() == Qt::WindowNoState)
        return fenster_->geometry().marginsAdded(Rahmen());
    if (normalRahmen_.isNull()) return gewuenscht_;
    return fenster_->normalGeometry().marginsAdded(normalRahmen_);
}

QMargins Fenstergeometrie::Rahmen() const {
    // From the window system: the widget's own copy can lag behind a change of state.
    const QWindow* w = fenster_->windowHandle();
    return w && fenster_->isVisible() ? w->frameMargins() : QMargins();
}

void Fenstergeometrie::Anpassen() {
    if (fenster_->windowState() != Qt::WindowNoState) return;
    const QMargins rahmen = Rahmen();
    if (rahmen.isNull()) return; // not framed yet, or no frame at all
    normalRahmen_ = rahmen;
    if (!offen_ || rahmen == angepasst_) return;
    angepasst_ = rahmen;
    const QRect innen = gewuenscht_.marginsRemoved(rahmen);
    if (innen != fenster_->geometry()) fenster_->setGeometry(innen);
}

bool Fenstergeometrie::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == fenster_) {
        switch (ereignis->type()) {
        case QEvent::Show:
        case QEvent::WindowStateChange:
            if (offen_) {
                takte_ = 0;
                wache_->start();
            }
            [[fallthrough]];
        case QEvent::Move:
        case QEvent::Resize:
            // Once the window has taken the event in.
            QMetaObject::invokeMethod(this, &Fenstergeometrie::Anpassen, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}
