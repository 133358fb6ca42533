// The main window's place and size in the settings file under a real X server and window
// manager (run through tools/mit_fenstermanager.sh): the stored outer geometry, frame
// included, comes back unchanged from a start and a close, also when the window was
// maximised. Offscreen windows have no frame, so only this test sees the frame at all.
#include "app/anwendung.h"
#include "basis/inidatei.h"
#include "basis/programmdateien.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "workspace/SDIMAIN.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QtTest>
#include <memory>

namespace {

struct Gespeichert {
    QRect aussen; // Left, Top, Width, Height
    bool maximiert = false;
};

Gespeichert LeseEinstellungen() {
    const IniDatei ini(programmdateien::Einstellungsdatei());
    const QString f = QStringLiteral("Form");
    return {QRect(ini.LeseGanzzahl(f, QStringLiteral("Left"), -1),
                  ini.LeseGanzzahl(f, QStringLiteral("Top"), -1),
                  ini.LeseGanzzahl(f, QStringLiteral("Width"), -1),
                  ini.LeseGanzzahl(f, QStringLiteral("Height"), -1)),
            ini.LeseBool(f, QStringLiteral("InitMax"), false)};
}

void SchreibeEinstellungen(const Gespeichert& g) {
    QFile datei(programmdateien::Einstellungsdatei());
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(QStringLiteral("[Form]\r\nTop=%1\r\nLeft=%2\r\nHeight=%3\r\nWidth=%4\r\n"
                               "InitMax=%5\r\n")
                    .arg(g.aussen.top())
                    .arg(g.aussen.left())
                    .arg(g.aussen.height())
                    .arg(g.aussen.width())
                    .arg(g.maximiert ? 1 : 0)
                    .toLatin1());
}

QString Text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestFenstergeometrie : public QObject {
    Q_OBJECT

    std::unique_ptr<TestOrdner> ordner;

    // Shows the windows as the application does and waits until the window manager has
    // framed the main window and nothing moves any more.
    static void ZeigeUndWarte(Anwendung& a) {
        a.Zeige();
        TSDIAppForm& w = *a.SDIAppForm;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY_WITH_TIMEOUT(w.frameGeometry() != w.geometry(), 5000);
        QRect vorher;
        int ruhig = 0;
        for (int i = 0; i < 100 && ruhig < 6; ++i) {
            QTest::qWait(50);
            ruhig = w.frameGeometry() == vorher ? ruhig + 1 : 0;
            vorher = w.frameGeometry();
        }
    }

    // One start and close without touching the window; returns what it stored.
    static Gespeichert StartUndSchluss() {
        TestAntworter antworter;
        {
            Anwendung a;
            ZeigeUndWarte(a);
            a.SDIAppForm->close();
        }
        if (!antworter.meldungen.isEmpty()) qWarning() << antworter.texte();
        return LeseEinstellungen();
    }

private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QStringLiteral("xcb"),
                 "runs on an X server with a window manager: tools/mit_fenstermanager.sh");
    }
    void init() {
        ordner = std::make_unique<TestOrdner>();
        QVERIFY(ordner->isValid());
    }
    void cleanup() { ordner.reset(); }

    // Without a settings file the frame stands at left 100, top 100; from then on every
    // start and close writes the same four numbers.
    void ersterStartUndWieder() {
        const Gespeichert erster = StartUndSchluss();
        QCOMPARE(erster.aussen.topLeft(), QPoint(100, 100));
        QVERIFY(!erster.maximiert);
        for (int start = 2; start <= 3; ++start) {
            const Gespeichert g = StartUndSchluss();
            QVERIFY2(g.aussen == erster.aussen,
                     qPrintable(QStringLiteral("start %1: %2, first start %3")
                                    .arg(start)
                                    .arg(Text(g.aussen), Text(erster.aussen))));
        }
    }

    // A stored geometry is where the frame stands on the screen, and it is stored again.
    void gespeicherteGeometrieBleibt_data() {
        QTest::addColumn<QRect>("aussen");
        QTest::newRow("mittig") << QRect(150, 120, 960, 740);
        QTest::newRow("oben links") << QRect(0, 0, 1000, 720);
        QTest::newRow("gross") << QRect(30, 20, 1200, 960);
    }
    void gespeicherteGeometrieBleibt() {
        QFETCH(QRect, aussen);
        SchreibeEinstellungen({aussen, false});
        TestAntworter antworter;
        {
            Anwendung a;
            ZeigeUndWarte(a);
            QCOMPARE(Text(a.SDIAppForm->frameGeometry()), Text(aussen));
            a.SDIAppForm->close();
        }
        const Gespeichert g = LeseEinstellungen();
        QCOMPARE(Text(g.aussen), Text(aussen));
        QVERIFY(!g.maximiert);
    }

    // A maximised window stores the geometry it returns to: after a start maximised, after
    // maximising a normal window, and it returns there. The program maximises and restores
    // through the toolkit; the user through a double click on the title bar, which the
    // window manager carries out.
    void maximiertSpeichertWiederherstellung_data() {
        QTest::addColumn<bool>("titelleiste");
        QTest::newRow("Programm") << false;
        QTest::newRow("Titelleiste") << true;
    }
    void maximiertSpeichertWiederherstellung() {
        QFETCH(bool, titelleiste);
        auto umschalten = [&](TSDIAppForm& w, bool maximieren) {
            if (titelleiste) {
                const QRect f = w.frameGeometry();
                const int x = f.center().x(), y = f.top() + (w.geometry().top() - f.top()) / 2;
                QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                           {QStringLiteral("mousemove"), QString::number(x),
                                            QString::number(y), QStringLiteral("click"),
                                            QStringLiteral("--repeat"), QStringLiteral("2"),
                                            QStringLiteral("--delay"), QStringLiteral("80"),
                                            QStringLiteral("1")}),
                         0);
            } else if (maximieren) {
                w.showMaximized();
            } else {
                w.showNormal();
            }
            QTRY_COMPARE_WITH_TIMEOUT(w.isMaximized(), maximieren, 5000);
        };
        const QRect normal(140, 90, 980, 760);
        SchreibeEinstellungen({normal, true});
        TestAntworter antworter;
        {
            Anwendung a;
            ZeigeUndWarte(a);
            QVERIFY(a.SDIAppForm->isMaximized());
            a.SDIAppForm->close();
        }
        Gespeichert g = LeseEinstellungen();
        QCOMPARE(Text(g.aussen), Text(normal));
        QVERIFY(g.maximiert);

        // Started maximised, then restored: the frame stands at the stored place.
        {
            Anwendung a;
            ZeigeUndWarte(a);
            umschalten(*a.SDIAppForm, false);
            QTRY_COMPARE_WITH_TIMEOUT(Text(a.SDIAppForm->frameGeometry()), Text(normal), 5000);
            a.SDIAppForm->close();
        }
        g = LeseEinstellungen();
        QCOMPARE(Text(g.aussen), Text(normal));
        QVERIFY(!g.maximiert);

        // Started normal, then maximised.
        {
            Anwendung a;
            ZeigeUndWarte(a);
            umschalten(*a.SDIAppForm, true);
            QTRY_VERIFY_WITH_TIMEOUT(a.SDIAppForm->frameGeometry().width() > normal.width(), 5000);
            a.SDIAppForm->close();
        }
        g = LeseEinstellungen();
        QCOMPARE(Text(g.aussen), Text(normal));
        QVERIFY(g.maximiert);
    }
};

QTEST_MAIN(TestFenstergeometrie)
#include "tst_fenstergeometrie.moc"
