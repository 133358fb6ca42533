// The parameter fields' one table against its two users: every field's edit is in the
// parametrization window, and each bound of the table is the one the window replaces a typed
// value by and the one the parameter file refuses a value beyond, so that window and file
// cannot drift apart.
#include "basis/fehler.h"
#include "controller/Trackerinit.h"
#include "geraet/parameterdatei.h"
#include "geraet/parameterfelder.h"
#include "support/bedienung.h"
#include "support/testantworter.h"

#include <QtTest>

namespace {

// The window's default set as the file writes it, one line replaced.
QString Datei(const char* schluessel, long long wert) {
    messages::TrackerParameter p;
    messages::Parametertexte t;
    t.Phi = "51";
    t.Lam = "-13";
    t.ModulH = "160";
    t.ModulL = "1500";
    t.ModulA = "150";
    t.ModulN = "30";
    t.Intervall = "5";
    t.WinkelSpeed = "2236";
    t.AnschlagOst = "75";
    t.AnschlagWest = "285";
    t.KorrekturFaktor = "1000";
    messages::LeseParametertexte(t, p);
    QStringList zeilen = parameterdatei::Schreibe(p).split(u'\n');
    for (QString& z : zeilen)
        if (z.startsWith(QLatin1String(schluessel) + u'='))
            z = QStringLiteral("%1=%2").arg(QLatin1String(schluessel)).arg(wert);
    return zeilen.join(u'\n');
}

bool DateiNimmt(const char* schluessel, long long wert) {
    try {
        parameterdatei::Lies(Datei(schluessel, wert));
        return true;
    } catch (const BenutzerFehler&) {
        return false;
    }
}

} // namespace

class TestParameterfelder : public QObject {
    Q_OBJECT

private slots:
    void jedesFeldHatSeinEdit() {
        TestAntworter antworter;
        TFormTrackerInit f;
        for (const parameterfelder::Feld& feld : parameterfelder::Felder)
            QVERIFY2(f.findChild<UpDownEdit*>(QLatin1String(feld.edit)), feld.edit);
    }

    void fensterUndDateiHabenDieselbenGrenzen_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < parameterfelder::Fensterpruefungen.size(); ++i) {
            const auto& p = parameterfelder::Fensterpruefungen[i];
            QTest::addRow("%s %s", parameterfelder::Zu(p.id).schluessel, p.oben ? "oben" : "unten")
                << static_cast<int>(i);
        }
    }
    void fensterUndDateiHabenDieselbenGrenzen() {
        QFETCH(int, index);
        const auto& p = parameterfelder::Fensterpruefungen[static_cast<std::size_t>(index)];
        const parameterfelder::Feld& feld = parameterfelder::Zu(p.id);
        const long long grenze = p.oben ? *feld.oben : *feld.unten;
        const long long jenseits = p.oben ? grenze + 1 : grenze - 1;

        TestAntworter antworter;
        TFormTrackerInit f;
        UpDownEdit* e = Edit(f, feld.edit);
        e->setText(QString::number(jenseits));
        // Any validated edit's change runs the whole validation (the speed's own does not).
        Edit(f, "EditTag")->setText(QStringLiteral("8"));
        QCOMPARE(e->text(), QString::number(grenze));
        QVERIFY(antworter.meldungen.isEmpty());

        QVERIFY(DateiNimmt(feld.schluessel, grenze));
        QVERIFY(!DateiNimmt(feld.schluessel, jenseits));
    }
};

QTEST_MAIN(TestParameterfelder)
#include "tst_parameterfelder.moc"
