// Values that pass through the parametrization window and go out again unchanged: a parameter
// set read from the controller and sent back with "SET Param", the site taken from the main
// window with "GET Sim Daten " and given back with "SET Sim Daten ", and a speed saved in a
// simulation file and loaded again. Each over the whole range of its field.
#include "basis/simdaten.h"
#include "basis/zahltext.h"
#include "controller/Trackerinit.h"
#include "geraet/messages.h"
#include "seriallink/rahmen.h"
#include "support/bedienung.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "workspace/simulationsdatei.h"

#include <QtTest>
#include <cstdlib>
#include <string>

using rahmen::Bytes;

namespace {

// The double a controller holds for k thousandths: the one nearest to k / 1000.
double Naechster(int tausendstel) {
    return std::stod(std::to_string(tausendstel) + "e-3");
}

// The main window's inputs: what "GET Sim Daten " reads, and where "SET Sim Daten " writes.
class Hauptfenster : public SimDaten {
public:
    SimEingaben eingaben{
        {SimFeld::Jahr, "2010"},   {SimFeld::Monat, "3"},         {SimFeld::Tag, "4"},
        {SimFeld::Stunde, "5"},    {SimFeld::Minute, "6"},        {SimFeld::Phi, "51"},
        {SimFeld::Lam, "-13"},     {SimFeld::ModulH, "160"},      {SimFeld::ModulL, "1500"},
        {SimFeld::ModulA, "150"},  {SimFeld::ModulN, "30"},       {SimFeld::Scale, "1575"},
        {SimFeld::Intervall, "5"}, {SimFeld::EndlageStart, "75"}, {SimFeld::EndlageStop, "285"},
        {SimFeld::Modulpos, "0"}};

    SimEingaben LeseSimEingaben() const override { return eingaben; }
    void UebernimmSimEingaben(const SimEingaben& e) override {
        for (const auto& x : e.Eintraege())
            eingaben.Setze(x.feld, x.text);
    }
    void Berechne() override {}
    void ZeigeStandortUnbekannt() override {}
    void SetzeDatumZeit(const QString&, const QString&, const QString&, const QString&,
                        const QString&) override {}
    QString Panel(int) const override { return {}; }
    void SetzePanel(int, const QString&) override {}
};

// One window on a line that takes every frame, told a version that enables "GET Param" and
// "SET Param".
struct Aufbau {
    TestOrdner ordner;
    TestAntworter antworter;
    TFormTrackerInit f;
    Hauptfenster haupt;
    Bytes letzter;

    explicit Aufbau(QChar trenner) {
        zahltext::SetzeDezimaltrenner(trenner);
        f.SetzeSender([this](std::span<const std::uint8_t> b) {
            letzter.assign(b.begin(), b.end());
            return true;
        });
        f.SetzeSimDaten(&haupt);
        Antwort(11, {0x21, '0', '1', '.', '2', '0'});
    }

    void Antwort(std::uint8_t kommando, const Bytes& nutzdaten) {
        const Bytes r = rahmen::Antwort(kommando, nutzdaten);
        f.RahmenEmpfangen(QByteArray(reinterpret_cast<const char*>(r.data()), r.size()));
    }
    // Response 2 carrying p, as the controller answers "GET Param".
    void Parameterantwort(const messages::TrackerParameter& p) {
        Bytes nutzdaten{0x21};
        const auto b = p.Bytes();
        nutzdaten.insert(nutzdaten.end(), b.begin(), b.end());
        Antwort(2, nutzdaten);
    }
    Bytes SetParam() {
        letzter.clear();
        Knopf(f, "ButtonParSET")->click();
        return letzter;
    }
    QString Text(const char* edit) { return Edit(f, edit)->text(); }
};

// hundertstel / 100 typed as a technician types it: always two decimals ("8,50", "-0,05").
QString Getippt(int hundertstel, QChar trenner) {
    const int betrag = std::abs(hundertstel);
    return QStringLiteral("%1%2%3%4")
        .arg(hundertstel < 0 ? "-" : "")
        .arg(betrag / 100)
        .arg(trenner)
        .arg(betrag % 100, 2, 10, QLatin1Char('0'));
}

// The same number as the window shows it: no trailing zeros, no separator without decimals.
QString Gezeigt(int hundertstel, QChar trenner) {
    QString t = Getippt(hundertstel, trenner);
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(trenner)) t.chop(1);
    return t == u"-0" ? QStringLiteral("0") : t;
}

} // namespace

class TestRundreise : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void trenner_data() {
        QTest::addColumn<QChar>("trenner");
        QTest::newRow("Komma") << QChar(u',');
        QTest::newRow("Punkt") << QChar(u'.');
    }

    // "GET Param" and at once "SET Param", nothing typed: the controller gets back the bytes it
    // sent, for every longitude and latitude, every speed the window keeps (10 ... 10000
    // thousandths) and every factor of 0 ... 65535 thousandths.
    void parametersatzUnveraendert_data() { trenner_data(); }
    void parametersatzUnveraendert() {
        QFETCH(QChar, trenner);
        Aufbau a(trenner);
        messages::TrackerParameter p;
        messages::LeseParametertexte(
            {"51", "-13", "160", "1500", "150", "30", "5", "2236", "75", "285", "1000"}, p);
        p.ParRest = {1, 2, 3, 4};
        int falsch = 0;
        for (int v = -32768; v <= 32767; ++v) {
            const int k = v + 32768;
            p.ParLaenge = static_cast<std::int16_t>(v);
            p.ParBreite = static_cast<std::int16_t>(-1 - v);
            p.ParWinkelSpeed = Naechster(10 + k % 9991);
            p.ParKorrekturFaktor = Naechster(k);
            a.Parameterantwort(p);
            if (a.SetParam() != messages::SetParamAnfrage(p) && ++falsch <= 5)
                qWarning("changed: %d hundredths, speed %d, factor %d thousandths (%s %s %s %s)", v,
                         10 + k % 9991, k, qPrintable(a.Text("EditLam")),
                         qPrintable(a.Text("EditPhi")), qPrintable(a.Text("EditWinkelSpeed")),
                         qPrintable(a.Text("EditKorrekturFaktor")));
        }
        QCOMPARE(falsch, 0);
    }

    // Shown as the controller holds them: 1.001 degrees per second is "1001", not "1000".
    void parameterantwortGezeigt_data() {
        QTest::addColumn<int>("laenge");
        QTest::addColumn<int>("tausendstel");
        QTest::addColumn<QString>("lam");
        QTest::newRow("8,45 / 1001") << 845 << 1001 << "8,45";
        QTest::newRow("-9,53 / 1015") << -953 << 1015 << "-9,53";
        QTest::newRow("1,15 / 2236") << 115 << 2236 << "1,15";
        QTest::newRow("-0,05 / 10") << -5 << 10 << "-0,05";
        QTest::newRow("-13 / 10000") << -1300 << 10000 << "-13";
    }
    void parameterantwortGezeigt() {
        QFETCH(int, laenge);
        QFETCH(int, tausendstel);
        QFETCH(QString, lam);
        Aufbau a(u',');
        messages::TrackerParameter p;
        p.ParLaenge = static_cast<std::int16_t>(laenge);
        p.ParWinkelSpeed = Naechster(tausendstel);
        p.ParKorrekturFaktor = Naechster(tausendstel);
        a.Parameterantwort(p);
        QCOMPARE(a.Text("EditLam"), lam);
        QCOMPARE(a.Text("EditWinkelSpeed"), QString::number(tausendstel));
        QCOMPARE(a.Text("EditKorrekturFaktor"), QString::number(tausendstel));
    }

    // "GET Sim Daten " takes the main window's site to the hundredth typed ("8,45" is 845,
    // not 844), and "SET Sim Daten " gives the main window the same number back.
    void standortUeberSimDaten_data() { trenner_data(); }
    void standortUeberSimDaten() {
        QFETCH(QChar, trenner);
        Aufbau a(trenner);
        int falsch = 0;
        for (int v = -32768; v <= 32767; ++v) {
            const int w = -1 - v;
            a.haupt.eingaben.Setze(SimFeld::Lam, Getippt(v, trenner));
            a.haupt.eingaben.Setze(SimFeld::Phi, Getippt(w, trenner));
            Knopf(a.f, "ButtonGETsimDaten")->click();
            const bool geholt = a.f.Parameter().ParLaenge == v && a.f.Parameter().ParBreite == w &&
                                a.Text("EditLam") == Gezeigt(v, trenner) &&
                                a.Text("EditPhi") == Gezeigt(w, trenner);
            Knopf(a.f, "ButtonSETsimDaten")->click();
            const bool zurueck = a.haupt.eingaben.Text(SimFeld::Lam) == Gezeigt(v, trenner) &&
                                 a.haupt.eingaben.Text(SimFeld::Phi) == Gezeigt(w, trenner);
            if ((!geholt || !zurueck) && ++falsch <= 5)
                qWarning("changed: %s -> %s -> %s", qPrintable(Getippt(v, trenner)),
                         qPrintable(a.Text("EditLam")),
                         qPrintable(a.haupt.eingaben.Text(SimFeld::Lam).value_or("?")));
        }
        QCOMPARE(falsch, 0);
    }

    // A speed saved in a simulation file and loaded again shows as the thousandths it was and
    // goes to the controller as the same double.
    void speedUeberDieDatei_data() {
        QTest::addColumn<int>("tausendstel");
        for (const int k : {1001, 1015, 2236, 10, 9999, 10000, 4095})
            QTest::addRow("%d", k) << k;
    }
    void speedUeberDieDatei() {
        QFETCH(int, tausendstel);
        Aufbau a(u',');
        messages::TrackerParameter p;
        messages::LeseParametertexte(
            {"51", "-13", "160", "1500", "150", "30", "5", "2236", "75", "285", "1000"}, p);
        p.ParWinkelSpeed = Naechster(tausendstel);
        a.Parameterantwort(p);
        const QString pfad = a.ordner.filePath("RUNDREISE.TRD");
        simulationsdatei::Schreibe(pfad, a.haupt.eingaben, a.f.WinkelSpeed(), a.f.Gruppe());

        Aufbau b(u',');
        const simulationsdatei::Inhalt inhalt = simulationsdatei::Lies(pfad);
        b.f.UebernimmAusDatei(inhalt.winkelSpeed, inhalt.gruppe);
        QCOMPARE(b.Text("EditWinkelSpeed"), QString::number(tausendstel));
        QCOMPARE(b.f.WinkelSpeed(), Naechster(tausendstel));
        b.Parameterantwort(p); // the rest of the set, as the controller holds it
        b.f.UebernimmAusDatei(inhalt.winkelSpeed, inhalt.gruppe);
        QCOMPARE(b.SetParam(), messages::SetParamAnfrage(p));
    }

    // Every speed and factor in thousandths, written as the file writes it and read as the
    // file reads it, shows again as the same thousandths.
    void speedtextDerDatei_data() { trenner_data(); }
    void speedtextDerDatei() {
        QFETCH(QChar, trenner);
        Aufbau a(trenner);
        int falsch = 0;
        for (int k = 0; k <= 65535; ++k) {
            double gelesen = -1;
            const bool ok =
                zahltext::VersucheGleitkomma(zahltext::Allgemein(Naechster(k)), gelesen);
            a.f.UebernimmAusDatei(gelesen, 1);
            if ((!ok || a.Text("EditWinkelSpeed") != QString::number(k)) && ++falsch <= 5)
                qWarning("%d thousandths come back as %s", k,
                         qPrintable(a.Text("EditWinkelSpeed")));
        }
        QCOMPARE(falsch, 0);
    }
};

QTEST_MAIN(TestRundreise)
#include "tst_rundreise.moc"
