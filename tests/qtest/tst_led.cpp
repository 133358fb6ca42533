// The status lamp: its colours, switching, blinking by its own timer, and a new "on" colour
// that a lit lamp shows only at its next switch.
#include "support/bedienung.h"
#include "widgets/Led1.h"

#include <QImage>
#include <QtTest>

namespace {

const QColor Gelb(255, 255, 0), Grau(128, 128, 128), Rot(255, 0, 0);

// The colour in the middle of the drawn lamp.
QColor Mitte(TLED& led) {
    const QImage bild = led.grab().toImage();
    return bild.pixelColor(bild.width() / 2, bild.height() / 2);
}

} // namespace

class TestLed : public QObject {
    Q_OBJECT

private slots:
    // The largest circle in its 15 x 15: its black outline reaches the middle of every side.
    void groessterKreis() {
        TLED led;
        led.Show(true);
        const QImage bild = led.grab().toImage();
        QCOMPARE(bild.size(), QSize(15, 15));
        const auto dunkel = [&](int x, int y) { return qGray(bild.pixel(x, y)) < 128; };
        QVERIFY(dunkel(0, 7));
        QVERIFY(dunkel(14, 7));
        QVERIFY(dunkel(7, 0));
        QVERIFY(dunkel(7, 14));
        QVERIFY(!dunkel(7, 7)); // lit inside
    }

    // Setting the state it already shows draws nothing; a change draws once.
    void zeichnetNurBeiAenderung() {
        TLED led;
        led.show();
        QVERIFY(QTest::qWaitForWindowExposed(&led));
        struct Zaehler : QObject {
            int n = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) ++n;
                return false;
            }
        } zaehler;
        led.installEventFilter(&zaehler);
        for (int i = 0; i < 10; ++i)
            led.Show(false);
        QCoreApplication::processEvents();
        QCOMPARE(zaehler.n, 0);
        led.Show(true);
        led.Show(true);
        QCoreApplication::processEvents();
        QCOMPARE(zaehler.n, 1);
    }

    void neuIstGrauUndSchaltet() {
        TLED led;
        QCOMPARE(led.size(), QSize(15, 15));
        QVERIFY(!led.on());
        QCOMPARE(led.Pinsel(), Grau);
        QCOMPARE(Mitte(led), Grau);
        QCOMPARE(led.BlinkInterval(), 0);
        led.Show(true);
        QCOMPARE(led.Pinsel(), Gelb);
        QCOMPARE(Mitte(led), Gelb);
        led.Show(false);
        QCOMPARE(Mitte(led), Grau);
        // The property writes through Show.
        QVERIFY(led.setProperty("on", true));
        QCOMPARE(led.Pinsel(), Gelb);
    }

    void blinkt_data() {
        QTest::addColumn<int>("aus");
        QTest::newRow("Null") << 0;
        QTest::newRow("negativ") << -5;
    }
    // Each tick of its timer changes the state; an interval of 0 or less stops it unlit.
    void blinkt() {
        QFETCH(int, aus);
        TLED led;
        led.SetInterval(500);
        auto* timer = Kind<QTimer>(led, "Blinken");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 500);
        QVERIFY(!led.on());
        Tick(timer);
        QVERIFY(led.on());
        Tick(timer);
        QVERIFY(!led.on());
        Tick(timer);
        QVERIFY(led.on());
        led.SetInterval(aus);
        QVERIFY(!timer->isActive());
        QVERIFY(!led.on());
        QCOMPARE(led.Pinsel(), Grau);
        QCOMPARE(led.BlinkInterval(), aus);
    }

    void blinktMitDerUhr() {
        TLED led;
        led.SetInterval(20);
        QTRY_VERIFY_WITH_TIMEOUT(led.on(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!led.on(), 2000);
    }

    void neueFarbeErstBeimNaechstenEinschalten() {
        TLED led;
        led.Show(true);
        led.SetColor(Rot);
        QCOMPARE(led.colorAn(), Rot);
        QCOMPARE(Mitte(led), Gelb);
        led.Show(true);
        QCOMPARE(Mitte(led), Rot);
        led.setColorAus(Qt::blue);
        QCOMPARE(Mitte(led), Rot);
        led.Show(false);
        QCOMPARE(Mitte(led), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestLed)
#include "tst_led.moc"
