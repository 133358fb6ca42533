// "Ansicht" > "Jahresverschattung": the study runs off the GUI thread (the event loop keeps
// turning), can be cancelled, and its table is heliowendler-calc --jahresstudie's; the sweep's
// 0 value is the plain study's year.
#include "support/bedienung.h"
#include "support/ordnertestfall.h"
#include "support/testantworter.h"
#include "workspace/jahresverschattung.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

class TestJahresverschattung : public OrdnerTestfall {
    Q_OBJECT

private slots:
    void tabelleWieDasWerkzeug() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        RechenlaufEingabe e;
        e.Jahr = 2026;
        f.Berechnet(e, false);
        f.show();
        Kind<QSpinBox>(f, "Schritt")->setValue(30);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        // The event loop turns while it computes: count its turns.
        int runden = 0;
        QTimer uhr;
        connect(&uhr, &QTimer::timeout, [&] { ++runden; });
        uhr.start(1);
        Knopf(f, "Rechnen")->click();
        QVERIFY(fertig.wait(60000));
        QVERIFY(runden > 0);
        QVERIFY(!Knopf(f, "Abbrechen")->isEnabled());
        QCOMPARE(Kind<QTableWidget>(f, "Tabelle")->item(12, 1)->text(),
                 QString::number(f.Ergebnis().jahr.mitBacktracking.VerlustProzent(), 'f', 3));

        QProcess calc;
        calc.start(QStringLiteral(HW_CALC), {"--jahresstudie", "--jahr", "2026", "--schritt", "30"});
        QVERIFY(calc.waitForFinished(60000));
        const QString aus = QString::fromLatin1(calc.readAllStandardOutput());
        QCOMPARE(f.Csv(), aus.left(aus.indexOf(QStringLiteral("\n\n")) + 1));

        // The sweep: its 0 value is the year above.
        Kind<QLineEdit>(f, "Von")->setText(QStringLiteral("-2"));
        Kind<QLineEdit>(f, "Bis")->setText(QStringLiteral("2"));
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("2"));
        Knopf(f, "Variieren")->click();
        QVERIFY(fertig.wait(60000));
        auto* v = Kind<QTableWidget>(f, "Variationstabelle");
        QCOMPARE(v->rowCount(), 3);
        QCOMPARE(v->item(1, 0)->text(), QStringLiteral("0"));
        QCOMPARE(v->item(1, 1)->text(), Kind<QTableWidget>(f, "Tabelle")->item(12, 1)->text());
        QVERIFY(antworter.meldungen.isEmpty());

        // A wrong number is said, nothing runs.
        Kind<QLineEdit>(f, "Weite")->setText(QStringLiteral("x"));
        Knopf(f, "Variieren")->click();
        QCOMPARE(antworter.meldungen.size(), 1);
        QVERIFY(!f.Laeuft());
    }

    // From the keyboard: every access key of the window is its own, so Alt+letter acts at
    // once instead of cycling between two controls ("bi&s" once took Alt+S from "&Speichern").
    void zugriffstastenEindeutig() {
        TFormJahresverschattung f;
        QMap<QChar, QString> gesehen;
        const auto pruefe = [&](const QString& text) {
            const qsizetype i = text.indexOf(u'&');
            if (i < 0 || i + 1 >= text.size()) return;
            const QChar taste = text.at(i + 1).toLower();
            QVERIFY2(!gesehen.contains(taste),
                     qPrintable(text + QStringLiteral(" / ") + gesehen.value(taste)));
            gesehen.insert(taste, text);
        };
        for (QLabel* l : f.findChildren<QLabel*>()) pruefe(l->text());
        for (QPushButton* k : f.findChildren<QPushButton*>()) pruefe(k->text());
        QVERIFY(gesehen.contains(u's'));
    }

    void abbrechen() {
        TestAntworter antworter;
        TFormJahresverschattung f;
        f.Berechnet(RechenlaufEingabe{}, false);
        f.show();
        Kind<QSpinBox>(f, "Schritt")->setValue(1);
        QSignalSpy fertig(&f, &TFormJahresverschattung::fertig);
        Knopf(f, "Rechnen")->click();
        QVERIFY(Knopf(f, "Abbrechen")->isEnabled());
        Knopf(f, "Abbrechen")->click();
        QVERIFY(fertig.wait(60000));
        QVERIFY(Knopf(f, "Rechnen")->isEnabled());
        QVERIFY(Kind<QTableWidget>(f, "Tabelle")->item(12, 0) == nullptr); // nothing shown
    }

    // Closed while computing: the study is cancelled and waited for.
    void schliessenWaehrendEsRechnet() {
        TestAntworter antworter;
        auto f = std::make_unique<TFormJahresverschattung>();
        f->Berechnet(RechenlaufEingabe{}, false);
        Kind<QSpinBox>(*f, "Schritt")->setValue(1);
        Knopf(*f, "Rechnen")->click();
        f.reset();
    }
};

QTEST_MAIN(TestJahresverschattung)
#include "tst_jahresverschattung.moc"
