// The handler runner: a failure ends the running handler with one message; a handler fired
// by a text that another one writes hands its failure, of its own type, to that writer.
#include "basis/fehler.h"
#include "basis/zahltext.h"
#include "support/testantworter.h"
#include "widgets/handlerlauf.h"
#include "widgets/updownedit.h"

#include <QWidget>
#include <QtTest>
#include <functional>
#include <stdexcept>
#include <typeinfo>
#include <utility>

namespace {

using Wurf = std::function<void()>;

// A window with one edit whose change handling runs as an event of that window.
struct Fenster {
    QWidget widget;
    Handlerlauf lauf{&widget};
    UpDownEdit edit{&widget};
    Wurf beiAenderung;
    explicit Fenster(Wurf w = [] {}) : beiAenderung(std::move(w)) {
        QObject::connect(&edit, &UpDownEdit::textChanged, &widget,
                         [this] { lauf.Ereignis(beiAenderung); });
    }
};

} // namespace

Q_DECLARE_METATYPE(Wurf)

class TestHandlerlauf : public QObject {
    Q_OBJECT

private slots:
    // The writer meets the nested failure as what it was, and the box shows its message.
    void verschachtelterFehlerBehaeltSeineArt_data() {
        QTest::addColumn<Wurf>("wurf");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Schreibfehler")
            << Wurf([] { throw SchreibFehler(QStringLiteral("/ordner/anlage.TRD")); })
            << QString::fromLatin1(typeid(SchreibFehler).name())
            << "In /ordner/anlage.TRD kann nicht geschrieben werden";
        QTest::newRow("Konvertierfehler")
            << Wurf([] { zahltext::AlsGanzzahl(QStringLiteral("3x")); })
            << QString::fromLatin1(typeid(zahltext::KonvertierFehler).name())
            << "''3x'' ist kein gültiger Integer-Wert";
        QTest::newRow("anderer Fehler")
            << Wurf([] { throw std::out_of_range("zu weit"); })
            << QString::fromLatin1(typeid(std::out_of_range).name()) << "zu weit";
    }
    void verschachtelterFehlerBehaeltSeineArt() {
        QFETCH(Wurf, wurf);
        QFETCH(QString, art);
        QFETCH(QString, meldung);
        TestAntworter antworter;
        Fenster f(wurf);
        QString gefangen;
        bool weiter = false;
        f.lauf.Ereignis([&] {
            try {
                f.lauf.SetzeText(&f.edit, QStringLiteral("1"));
            } catch (const std::exception& e) {
                gefangen = QString::fromLatin1(typeid(e).name());
                throw;
            }
            weiter = true;
        });
        QCOMPARE(gefangen, art);
        QVERIFY(!weiter); // the writer stopped at the failing write
        QCOMPARE(antworter.meldungen.size(), 1);
        QCOMPARE(antworter.meldungen[0].text, meldung);
        QCOMPARE(antworter.meldungen[0].titel, QStringLiteral("Heliowendler-Simulation"));
        QCOMPARE(antworter.meldungen[0].symbol, QMessageBox::Critical);
    }

    // Two levels down, and through another window's runner: still one box, from the
    // outermost handler, and the failure keeps its type.
    void ueberZweiEbenenUndFenster() {
        TestAntworter antworter;
        Fenster innen([] { throw SchreibFehler(QStringLiteral("/x")); });
        Fenster mitte;
        mitte.beiAenderung = [&] { mitte.lauf.SetzeText(&innen.edit, QStringLiteral("2")); };
        QWidget aussen;
        Handlerlauf lauf(&aussen);
        bool alsSchreibfehler = false;
        lauf.Ereignis([&] {
            try {
                lauf.SetzeText(&mitte.edit, QStringLiteral("1"));
            } catch (const SchreibFehler&) {
                alsSchreibfehler = true;
                throw;
            }
        });
        QVERIFY(alsSchreibfehler);
        QCOMPARE(antworter.texte(), QStringList{"In /x kann nicht geschrieben werden"});
    }

    // Written outside any event, a failing change handling is its own event: its box comes
    // up and the write goes on.
    void ausserhalbEinesEreignisses() {
        TestAntworter antworter;
        Fenster f([] { throw SchreibFehler(QStringLiteral("/y")); });
        f.lauf.SetzeText(&f.edit, QStringLiteral("5"));
        QCOMPARE(f.edit.text(), QStringLiteral("5"));
        QCOMPARE(antworter.texte(), QStringList{"In /y kann nicht geschrieben werden"});
        // Nothing of it lingers to stop a later write inside an event.
        antworter.meldungen.clear();
        Fenster still;
        still.lauf.Ereignis([&] { still.lauf.SetzeText(&still.edit, QStringLiteral("6")); });
        QVERIFY(antworter.meldungen.isEmpty());
    }
};

QTEST_MAIN(TestHandlerlauf)
#include "tst_handlerlauf.moc"
