#pragma once
// A small round status lamp: lit in its "on" colour, unlit in its "off" colour, and able to
// blink by itself with a timer of its own. The parametrization window mirrors the
// controller's status bits and the line traffic with eight of them.
#include <QColor>
#include <QWidget>

class QTimer;

class TLED : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool on READ on WRITE Show)
    Q_PROPERTY(QColor colorAn READ colorAn WRITE SetColor)
    Q_PROPERTY(QColor colorAus READ colorAus WRITE setColorAus)
    Q_PROPERTY(int BlinkInterval READ BlinkInterval WRITE SetInterval)
public:
    static constexpr int Groesse = 15; // pixels, height and width

    explicit TLED(QWidget* parent = nullptr);

    bool on() const { return on_; }
    // Lights or unlights the lamp; it is redrawn, before the next event, when that changes
    // what it shows.
    void Show(bool value);
    // value <= 0 stops blinking and leaves the lamp unlit; otherwise the lamp changes state
    // every value milliseconds, starting from the state it is in.
    void SetInterval(int value);
    int BlinkInterval() const { return blinkInterval_; }
    // The colour of the lit lamp. The brush stays as it is: a lit lamp shows its new colour
    // only at its next Show(true).
    void SetColor(const QColor& farbe);
    QColor colorAn() const { return colorAn_; }
    // Takes effect at the next Show(false).
    void setColorAus(const QColor& farbe) { colorAus_ = farbe; }
    QColor colorAus() const { return colorAus_; }
    // The colour the lamp is painted in now.
    QColor Pinsel() const { return pinsel_; }

    QSize sizeHint() const override { return {Groesse, Groesse}; }

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;

private:
    void TimerEvent();

    QColor colorAn_{255, 255, 0};
    QColor colorAus_{128, 128, 128};
    bool on_ = false;
    int blinkInterval_ = 0;
    QColor pinsel_;
    QTimer* timer_;
};
