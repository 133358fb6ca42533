// The composed application at rest (port closed, no year study, no simulation running) wakes
// for nothing: once the start-up has ended, no timer of any of its objects is registered, and
// no timer event reaches any object of the GUI thread, whichever windows were opened before.
#include "app/anwendung.h"
#include "controller/Trackerinit.h"
#include "linkfenster/linkanzeige.h"
#include "linkfenster/protokollmonitor.h"
#include "linkfenster/schnittstellenmenue.h"
#include "seriallink/sioverbindung.h"
#include "support/ordnertestfall.h"
#include "support/simulator.h"
#include "support/testantworter.h"
#include "workspace/SDIMAIN.h"
#include "workspace/jahresverschattung.h"
#include "workspace/tagesverlauf.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Where an object sits: its class and name, and those of its parents, outermost first.
QString Ort(const QObject* o) {
    QStringList teile;
    for (; o; o = o->parent())
        teile.prepend(QString::fromLatin1(o->metaObject()->className()) +
                      (o->objectName().isEmpty() ? QString() : u'(' + o->objectName() + u')'));
    return teile.join(QStringLiteral(" > "));
}

// Every object of the application: each widget with its children, and the link's objects,
// which are no widgets.
QList<QObject*> Objekte(const Anwendung& a) {
    QSet<QObject*> gesehen;
    QList<QObject*> alle;
    const std::function<void(QObject*)> sammle = [&](QObject* o) {
        if (!o || gesehen.contains(o)) return;
        gesehen.insert(o);
        alle << o;
        for (QObject* kind : o->children())
            sammle(kind);
    };
    for (QWidget* w : QApplication::allWidgets())
        sammle(w);
    sammle(a.Verbindung.get());
    sammle(a.Anzeige.get());
    return alle;
}

// The timers registered for those objects (QTimer and QObject::startTimer alike), and the
// QTimers that say they are active, with their place and interval.
QStringList AktiveZeitgeber(const Anwendung& a) {
    QStringList aktiv;
    QAbstractEventDispatcher* verteiler = QAbstractEventDispatcher::instance();
    for (QObject* o : Objekte(a)) {
        const auto zeitgeber = verteiler->registeredTimers(o);
        for (const auto& z : zeitgeber)
            aktiv << QStringLiteral("%1 alle %2 ms").arg(Ort(o)).arg(z.interval);
        if (auto* t = qobject_cast<QTimer*>(o); t && t->isActive() && zeitgeber.isEmpty())
            aktiv << QStringLiteral("%1 alle %2 ms").arg(Ort(o)).arg(t->interval());
    }
    aktiv.sort();
    return aktiv;
}

// What still runs once whatever was started has had time to end by itself (the start-up's
// tick after a second, the first turn of the rows, the main window's watch over its frame,
// the parametrization window's first requests): waits up to 12 s (a loaded machine) for nothing to
// run.
QStringList NachDemAnlauf(const Anwendung& a) {
    QElapsedTimer uhr;
    uhr.start();
    QStringList aktiv;
    do {
        QTest::qWait(100);
        aktiv = AktiveZeitgeber(a);
    } while (!aktiv.isEmpty() && uhr.elapsed() < 12000);
    return aktiv;
}

// Every timer event delivered on the GUI thread while it lives, whatever its receiver
// (a timer without a parent too).
class Weckerzaehler : public QObject {
public:
    Weckerzaehler() { qApp->installEventFilter(this); }
    ~Weckerzaehler() override { qApp->removeEventFilter(this); }
    QStringList empfaenger;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Timer && !empfaenger.contains(Ort(o))) empfaenger << Ort(o);
        return false;
    }
};

} // namespace

class TestRuhe : public OrdnerTestfall {
    Q_OBJECT

private slots:
    // The caret of the edit that has the keyboard focus blinks in every window of the
    // toolkit, as the desktop sets it: not this application's timer.
    void initTestCase() { QApplication::setCursorFlashTime(0); }

    void nichtsLaeuft_data() {
        QTest::addColumn<std::function<void(Anwendung&)>>("vorher");
        QTest::newRow("gestartet") << std::function<void(Anwendung&)>([](Anwendung&) {});
        QTest::newRow("Jahresverschattung gezeigt") << std::function<void(Anwendung&)>(
            [](Anwendung& a) { a.FormJahresverschattung->show(); });
        QTest::newRow("Jahresverschattung geschlossen")
            << std::function<void(Anwendung&)>([](Anwendung& a) {
                   a.FormJahresverschattung->show();
                   QCoreApplication::processEvents();
                   a.FormJahresverschattung->close();
               });
        QTest::newRow("Tagesverlauf gezeigt")
            << std::function<void(Anwendung&)>([](Anwendung& a) { a.FormTagesverlauf->show(); });
        QTest::newRow("Protokollmonitor geschlossen")
            << std::function<void(Anwendung&)>([](Anwendung& a) {
                   a.FormProtokollmonitor->show();
                   QCoreApplication::processEvents();
                   a.FormProtokollmonitor->close();
               });
    }
    void nichtsLaeuft() {
        QFETCH(std::function<void(Anwendung&)>, vorher);
        TestAntworter antworter;
        Anwendung a;
        a.Zeige();
        vorher(a);
        const QStringList aktiv = NachDemAnlauf(a);
        QVERIFY2(aktiv.isEmpty(), qPrintable(aktiv.join(QStringLiteral("; "))));
        Weckerzaehler wecker;
        QTest::qWait(600);
        QVERIFY2(wecker.empfaenger.isEmpty(),
                 qPrintable(wecker.empfaenger.join(QStringLiteral("; "))));
        QVERIFY(antworter.meldungen.isEmpty());
    }

    // After a session with the simulated controller: the window closed, the port closed.
    void nachDerVerbindung() {
        TestAntworter antworter;
        Simulator sim;
        QVERIFY(sim.Starte(*ordner, {}));
        Anwendung a;
        a.Zeige();
        Hochfahren(a, *ordner);
        antworter.dialogHandler << [](QDialog* d) { return WaehleCom5(d); };
        a.Menue->Schnittstelle2Click();
        QVERIFY(a.Verbindung->PortOffen());
        QVERIFY(a.FormTrackerInit->isVisible());
        QTRY_VERIFY(a.FormTrackerInit->SoftwareVersion() != 0);
        a.FormTrackerInit->close();
        a.Verbindung->SioClose();
        const QStringList aktiv = NachDemAnlauf(a);
        QVERIFY2(aktiv.isEmpty(), qPrintable(aktiv.join(QStringLiteral("; "))));
        Weckerzaehler wecker;
        QTest::qWait(600);
        QVERIFY2(wecker.empfaenger.isEmpty(),
                 qPrintable(wecker.empfaenger.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestRuhe)
#include "tst_ruhe.moc"
