// The "&Hilfe" menu: the about box with the version of the executable it is given, and the
// dimension window that is visible from start-up and comes back on "Bemaßungen".
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"
#include "workspace/SDIMAIN.h"

#include <QAction>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#ifndef HW_PROGRAMM_MIT_VERSIONSBLOCK
#error "the build names the application that carries the version block"
#endif

class TestAboutBemassungen : public OrdnerTestfall {
    Q_OBJECT

    static bool Enthaelt(const QImage& bild, const std::function<bool(QColor)>& passt) {
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (passt(bild.pixelColor(x, y))) return true;
        return false;
    }

private slots:
    void versionslabel_data() {
        QTest::addColumn<QString>("programm");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Anwendung mit Versionsblock")
            << QStringLiteral(HW_PROGRAMM_MIT_VERSIONSBLOCK) << QStringLiteral("2.0.0 (Build 2) ");
        QTest::newRow("Testprogramm ohne Versionsblock")
            << QString::fromLatin1(MyVersionInfo::EigenesProgramm)
            << QStringLiteral("Version: 1.1");
        QTest::newRow("Datei fehlt")
            << QStringLiteral("/nicht/vorhanden") << QStringLiteral("Version: 1.1");
    }
    void versionslabel() {
        QFETCH(QString, programm);
        QFETCH(QString, erwartet);
        TAboutBox box(nullptr, programm.toStdString());
        QCOMPARE(Label(box, "Version")->text(), erwartet);
        // The whole text is shown, trailing blank included.
        QVERIFY(Label(box, "Version")->width() >= Label(box, "Version")->sizeHint().width());
    }

    void aboutBoxAufbau() {
        TAboutBox box;
        QFrame* panel = Kind<QFrame>(box, "Panel1");
        QLabel* bild = Label(box, "ProgramIcon");
        QCOMPARE(box.windowTitle(), QStringLiteral("Programm Info"));
        QCOMPARE(box.minimumSize(), QSize(547, 298));
        QCOMPARE(box.maximumSize(), QSize(547, 298));
        QCOMPARE(panel->geometry(), QRect(8, 8, 529, 250));
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(bild->geometry(), QRect(16, 16, 164, 164));
        QVERIFY(bild->hasScaledContents());
        QVERIFY(!bild->pixmap().isNull());
        QCOMPARE(Knopf(box, "OKButton")->text(), QStringLiteral("OK"));
        QVERIFY(Knopf(box, "OKButton")->isDefault());
        QCOMPARE(Knopf(box, "OKButton")->geometry(), QRect(246, 264, 65, 26));
        QCOMPARE(Label(box, "ProductName")->text() + Label(box, "Label1")->text(),
                 QStringLiteral("Heliowendler-Simulation"));
        QCOMPARE(Label(box, "Label1")->pos(), QPoint(422, 16));
        QCOMPARE(Label(box, "ProductName")->geometry().right() + 1, 422);

        const QList<std::pair<QLabel*, QPoint>> orte = {
            {Label(box, "Version"), {208, 64}}, {Label(box, "Copyright"), {208, 118}},
            {Label(box, "Label2"), {208, 136}}, {Label(box, "Label3"), {208, 152}},
            {Label(box, "Label4"), {208, 168}}, {Label(box, "Label5"), {208, 184}},
            {Label(box, "Label6"), {208, 200}}, {Label(box, "Label7"), {0, 219}}};
        for (const auto& [label, ort] : orte)
            QCOMPARE(label->pos(), ort);
        QVERIFY(Label(box, "Copyright")->font().bold());
        // No text is cut off by the panel's edge.
        for (QLabel* l : panel->findChildren<QLabel*>()) {
            if (l == bild) continue;
            QVERIFY2(l->x() + l->sizeHint().width() <= panel->width(), qPrintable(l->text()));
            QVERIFY2(l->geometry().bottom() < panel->height(), qPrintable(l->text()));
        }
    }

    void produktbildIstJpeg() {
        TAboutBox box; // brings the picture's resource in
        QImageReader leser(QStringLiteral(":/bilder/produktbild.jpg"));
        QCOMPARE(leser.format(), QByteArray("jpeg"));
        const QImage bild = leser.read();
        QVERIFY2(!bild.isNull(), qPrintable(leser.errorString()));
        QCOMPARE(bild.size(), QSize(396, 409));
    }

    void aboutBoxSchliessen_data() {
        QTest::addColumn<int>("taste"); // 0: click on OK
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("OK") << 0 << int(QDialog::Accepted);
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
    void aboutBoxSchliessen() {
        QFETCH(int, taste);
        QFETCH(int, ergebnis);
        TAboutBox box;
        box.setResult(-1);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        if (taste == 0)
            QTest::mouseClick(Knopf(box, "OKButton"), Qt::LeftButton);
        else
            QTest::keyClick(&box, static_cast<Qt::Key>(taste));
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), ergebnis);
    }

    void bemassungenAufbau() {
        TFormHilfe f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Bemaßungen"));
        QCOMPARE(f.size(), QSize(347, 168));
        QCOMPARE(Label(f, "Image1")->geometry(), QRect(16, 16, 321, 145));
        QCOMPARE(Label(f, "Image1")->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(!Label(f, "Image1")->hasScaledContents());
        for (const char* zeile : {"Legende", "A= Modulhöhe", "B=Neigung", "C=lichter Modulabstand"})
            QVERIFY2(Label(f, "Image1")->accessibleDescription().contains(QString::fromUtf8(zeile)),
                     zeile);

        const QImage bild = Label(f, "Image1")->pixmap().toImage();
        QCOMPARE(bild.size(), QSize(308, 131));
        QCOMPARE(bild.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(bild.pixelColor(bild.width() - 1, bild.height() - 1), QColor(Qt::white));
        // The thick ground line, the rows' dark bodies and their light blue faces.
        QCOMPARE(bild.pixelColor(bild.width() / 2, 113), QColor(Qt::black));
        QVERIFY(Enthaelt(bild, [](QColor c) { return c == QColor(80, 80, 80); }));
        QVERIFY(Enthaelt(bild, [](QColor c) { return c == QColor(150, 200, 255); }));
        // The legend is drawn: dark pixels in the top right corner.
        const QImage legende = bild.copy(200, 0, 108, 50);
        QVERIFY(Enthaelt(legende, [](QColor c) { return c.lightness() < 100; }));
    }

    void bemassungenVomStartAnUndWieder() {
        TestAntworter antworter;
        Anwendung a;
        a.Zeige();
        QVERIFY(a.FormHilfe->isVisible());
        QVERIFY(a.FormHilfe->isWindow());
        a.FormHilfe->close();
        QVERIFY(!a.FormHilfe->isVisible());
        Aktion(*a.SDIAppForm, "Bema1")->trigger();
        QVERIFY(a.FormHilfe->isVisible());
        QTRY_VERIFY(a.FormHilfe->isActiveWindow());
        // Again while it is open: it stays, in front.
        a.SDIAppForm->activateWindow();
        QTRY_VERIFY(a.SDIAppForm->isActiveWindow());
        Aktion(*a.SDIAppForm, "Bema1")->trigger();
        QTRY_VERIFY(a.FormHilfe->isActiveWindow());
        QVERIFY(antworter.modaleDialoge.isEmpty());
        a.SDIAppForm->close();
    }

    void infoZeigtDieAboutBoxModal() {
        TestAntworter antworter;
        Anwendung a;
        QString gezeigt;
        antworter.dialogHandler << [&](QDialog* d) {
            gezeigt = d->findChild<QLabel*>(QStringLiteral("Version"))->text();
            return int(QDialog::Accepted);
        };
        Aktion(*a.SDIAppForm, "HelpAbout1")->trigger();
        QCOMPARE(antworter.modaleDialoge, QList<QDialog*>{a.AboutBox.get()});
        QCOMPARE(gezeigt, QStringLiteral("Version: 1.1")); // the test program has no block
        a.SDIAppForm->close();
    }
};

QTEST_MAIN(TestAboutBemassungen)
#include "tst_aboutbemassungen.moc"
