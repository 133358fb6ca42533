#include "widgets/Led1.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

TLED::TLED(QWidget* parent) : QWidget(parent), pinsel_(colorAus_), timer_(new QTimer(this)) {
    setFixedSize(Groesse, Groesse);
    // The corners take the surroundings' colour from the palette the lamp inherits, so the
    // lamp is opaque: a change redraws the lamp alone, not the group box behind it.
    setAutoFillBackground(true);
    timer_->setObjectName(QStringLiteral("Blinken"));
    connect(timer_, &QTimer::timeout, this, &TLED::TimerEvent);
}

void TLED::Show(bool value) {
    const QColor pinsel = value ? colorAn_ : colorAus_;
    // Drawn only when what it shows changes (a status poll sets the same lamps again and
    // again), and together with whatever else changed in the same turn of the event loop:
    // the drawing happens before the next event is taken.
    if (value == on_ && pinsel == pinsel_) return;
    on_ = value;
    pinsel_ = pinsel;
    update();
}

void TLED::SetInterval(int value) {
    blinkInterval_ = value;
    if (value <= 0) {
        timer_->stop();
        Show(false);
        return;
    }
    timer_->start(value);
}

void TLED::SetColor(const QColor& farbe) {
    colorAn_ = farbe;
    update();
}

void TLED::TimerEvent() {
    Show(!on_);
}

void TLED::paintEvent(QPaintEvent*) {
    // The largest circle that fits, centred, outlined black one pixel wide: the outline's
    // middle runs half a pixel inside the square, so its outer edge touches the sides.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(pinsel_);
    const qreal d = std::min(width(), height());
    p.drawEllipse(
        QRectF((width() - d) / 2.0, (height() - d) / 2.0, d, d).adjusted(0.5, 0.5, -0.5, -0.5));
}

void TLED::mouseReleaseEvent(QMouseEvent* ev) {
    if (rect().contains(ev->position().toPoint())) emit OnClick();
    QWidget::mouseReleaseEvent(ev);
}
