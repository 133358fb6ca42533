#include "widgets/Led1.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

TLED::TLED(QWidget* parent) : QWidget(parent), pinsel_(colorAus_), timer_(new QTimer(this)) {
    setFixedSize(Groesse, Groesse);
    timer_->setObjectName(QStringLiteral("Blinken"));
    connect(timer_, &QTimer::timeout, this, &TLED::TimerEvent);
}

void TLED::Show(bool value) {
    on_ = value;
    pinsel_ = value ? colorAn_ : colorAus_;
    repaint();
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
    // The largest circle that fits, centred, outlined black one pixel wide.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(pinsel_);
    const int d = std::min(width(), height()) - 1;
    p.drawEllipse(
        QRectF((width() - d) / 2.0, (height() - d) / 2.0, d, d).adjusted(0.5, 0.5, -0.5, -0.5));
}

void TLED::mouseReleaseEvent(QMouseEvent* ev) {
    if (rect().contains(ev->position().toPoint())) emit OnClick();
    QWidget::mouseReleaseEvent(ev);
}
