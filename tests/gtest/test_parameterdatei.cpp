// The parameter file: a set written and read back keeps its 40 bytes for every set the
// window's bounds take (random sets, doubles that are no whole thousandths, doubles rounded
// from floats); what the reader takes the writer writes back as the same number; a value the
// window's bounds or the field refuse is refused naming line and key; and a message never
// repeats a control character of the file.
#include "basis/fehler.h"
#include "basis/zahltext.h"
#include "geraet/messages.h"
#include "geraet/parameterdatei.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

using messages::TrackerParameter;

// The double nearest to k thousandths, as a controller stores what the window sends.
double Tausendstel(long long k) {
    return std::stod(std::to_string(k) + "e-3");
}

class Zufall {
public:
    explicit Zufall(unsigned seed) : g_(seed) {}
    long long Ganz(long long min, long long max) {
        return std::uniform_int_distribution<long long>(min, max)(g_);
    }
    double Gleich(double min, double max) {
        return std::uniform_real_distribution<double>(min, max)(g_);
    }
    // A speed the window's bounds take (10 ... 10000 thousandths), of every kind.
    double Speed() {
        for (;;) {
            double v = 0;
            switch (Ganz(0, 4)) {
            case 0:
                v = Tausendstel(Ganz(10, 10000));
                break;
            case 1:
                v = Gleich(0.01, 10);
                break;
            case 2:
                v = static_cast<double>(static_cast<float>(Gleich(0.01, 10)));
                break;
            case 3: // a few decimals more than thousandths: 2.2365
                v = std::stod(std::to_string(Ganz(100, 100000)) + "e-4");
                break;
            default:
                v = Ganz(0, 1) ? Tausendstel(10) : Tausendstel(10000);
            }
            if (v >= Tausendstel(10) && v <= Tausendstel(10000)) return v;
        }
    }
    // A correction factor: the window has no bound on it, so any finite double whose
    // thousandths are a double as well.
    static constexpr double Groesster = std::numeric_limits<double>::max() / 1000;
    double Faktor() {
        switch (Ganz(0, 5)) {
        case 0:
            for (;;) {
                // The window's edit holds the thousandths as a double too.
                const double v = std::bit_cast<double>(g_());
                if (std::isfinite(v) && std::fabs(v) <= Groesster) return v;
            }
        case 1:
            return Gleich(0.9, 1.2);
        case 2:
            return static_cast<double>(static_cast<float>(Gleich(-2, 2)));
        case 3:
            return Tausendstel(Ganz(-5000, 5000));
        case 4: {
            const double besondere[] = {-1.0,
                                        1.0005,
                                        0.0,
                                        -0.0,
                                        std::numeric_limits<double>::denorm_min(),
                                        -Groesster,
                                        std::numeric_limits<double>::min(),
                                        1e22,
                                        1e-7};
            return besondere[Ganz(0, std::size(besondere) - 1)];
        }
        default:
            return Gleich(-1e6, 1e6);
        }
    }
    TrackerParameter Satz() {
        TrackerParameter p;
        p.ParModulL = static_cast<std::uint16_t>(Ganz(0, 65535));
        p.ParModulH = static_cast<std::uint16_t>(Ganz(0, 65535));
        p.ParReserve = static_cast<std::uint16_t>(Ganz(0, 65535));
        p.ParModulA = static_cast<std::uint16_t>(Ganz(0, 65535));
        p.ParModulN = static_cast<std::uint16_t>(Ganz(0, 90));
        // Whole minutes up to the window's 60, or any number of tenths up to them.
        p.ParIntervall =
            static_cast<std::uint16_t>(Ganz(0, 1) ? 600 * Ganz(0, 60) : Ganz(0, 36000));
        p.ParLaenge = static_cast<std::int16_t>(Ganz(-32768, 32767));
        p.ParBreite = static_cast<std::int16_t>(Ganz(-32768, 32767));
        p.ParAnschlagOst = static_cast<std::uint16_t>(Ganz(0, 360));
        p.ParAnschlagWest = static_cast<std::uint16_t>(Ganz(0, 360));
        p.ParWinkelSpeed = Speed();
        p.ParKorrekturFaktor = Faktor();
        for (auto& b : p.ParRest)
            b = static_cast<std::uint8_t>(Ganz(0, 255));
        return p;
    }

private:
    std::mt19937_64 g_;
};

// The line "Schluessel=..." of a file.
QString Zeile(const QString& datei, const QString& schluessel) {
    for (const QString& z : datei.split(u'\n'))
        if (z.startsWith(schluessel + u'=')) return z;
    return {};
}

class Parameterdatei : public testing::Test {
protected:
    // The file never depends on the user's separator.
    void SetUp() override { zahltext::SetzeDezimaltrenner(QLatin1Char(',')); }
    // The file of the window's default set with one line replaced.
    static QString Mit(const QString& schluessel, const QString& wert) {
        TrackerParameter p;
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
        QString text = parameterdatei::Schreibe(p);
        const QString alt = Zeile(text, schluessel);
        EXPECT_FALSE(alt.isEmpty()) << schluessel.toStdString();
        return text.replace(alt, schluessel + u'=' + wert);
    }
};

TEST_F(Parameterdatei, RundreiseUeberZufaelligeSaetze) {
    Zufall z(20240611);
    int falsch = 0;
    for (int i = 0; i < 20000; ++i) {
        const TrackerParameter p = z.Satz();
        const QString text = parameterdatei::Schreibe(p);
        try {
            const TrackerParameter gelesen = parameterdatei::Lies(text);
            if (gelesen.Bytes() != p.Bytes() && ++falsch <= 5)
                ADD_FAILURE() << "anders zurück:\n" << text.toStdString();
        } catch (const BenutzerFehler& f) {
            if (++falsch <= 5)
                ADD_FAILURE() << f.meldung().toStdString() << "\n" << text.toStdString();
        }
    }
    EXPECT_EQ(falsch, 0);
}

// Each double as the shortest decimal that reads back as it, in the window's thousandths.
TEST_F(Parameterdatei, DoublesGenauGeschrieben) {
    const struct {
        double speed, faktor;
        const char *speedText, *faktorText;
    } faelle[] = {
        {2.2365, 1.0005, "2236.5", "1000.5"},
        {0.02236, -1.0, "22.36", "-1000"},
        {2.236, 1.0, "2236", "1000"},
        {10.0, -0.0, "10000", "-0"},
        {0.01, 1e300, "10", "1e+303"},
        {0.1 + 0.2, 4.9406564584124654e-324, "300.00000000000004", "5e-321"},
        {static_cast<double>(2.2365f), std::nan(""), "2236.5000247955322", "nan"},
    };
    for (const auto& f : faelle) {
        TrackerParameter p;
        p.ParWinkelSpeed = f.speed;
        p.ParKorrekturFaktor = f.faktor;
        const QString text = parameterdatei::Schreibe(p);
        EXPECT_EQ(Zeile(text, "Winkelgeschwindigkeit").toStdString(),
                  std::string("Winkelgeschwindigkeit=") + f.speedText);
        EXPECT_EQ(Zeile(text, "Korrekturfaktor").toStdString(),
                  std::string("Korrekturfaktor=") + f.faktorText);
    }
}

// A value the reader takes is written back as the same number.
TEST_F(Parameterdatei, WasDerLeserNimmtKommtGleichZurueck) {
    const struct {
        const char *schluessel, *wert, *zurueck;
    } faelle[] = {
        {"Winkelgeschwindigkeit", "22.36", "22.36"},
        {"Winkelgeschwindigkeit", "0022.360", "22.36"},
        {"Winkelgeschwindigkeit", "2.2365e3", "2236.5"},
        {"Winkelgeschwindigkeit", "10000", "10000"},
        {"Korrekturfaktor", "-1000", "-1000"},
        {"Korrekturfaktor", "1000.5", "1000.5"},
        {"Korrekturfaktor", "-0", "-0"},
        {"Korrekturfaktor", "0.0", "0"},
        {"Breitengrad", "8.450", "8.45"},
        {"Breitengrad", "-327.68", "-327.68"},
        {"Laengengrad", "-0.05", "-0.05"},
        {"Modulhoehe", "65535", "65535"},
        {"Trackintervall", "60", "60"},
    };
    for (const auto& f : faelle) {
        const QString text = Mit(f.schluessel, f.wert);
        TrackerParameter p;
        ASSERT_NO_THROW(p = parameterdatei::Lies(text)) << f.schluessel << "=" << f.wert;
        EXPECT_EQ(Zeile(parameterdatei::Schreibe(p), f.schluessel).toStdString(),
                  std::string(f.schluessel) + "=" + f.zurueck);
    }
}

// Beyond the window's bounds, or more than the field holds: refused, naming line and key.
TEST_F(Parameterdatei, NichtHaltbareWerteAbgelehnt) {
    const struct {
        const char *schluessel, *wert, *meldung;
    } faelle[] = {
        {"Breitengrad", "8.455",
         "(Breitengrad): 8.455 kann das Feld nicht genau halten (es hielte "
         "8.45)"},
        {"Breitengrad", "327.68", "(Breitengrad): 327.68 liegt nicht zwischen -327.68 und 327.67"},
        {"Winkelgeschwindigkeit", "2236.00000000000000001",
         "(Winkelgeschwindigkeit): 2236.00000000000000001 kann das Feld nicht genau halten (es "
         "hielte 2236)"},
        {"Winkelgeschwindigkeit", "9.999", "9.999 liegt nicht zwischen 10 und 10000"},
        {"Winkelgeschwindigkeit", "10000.001", "10000.001 liegt nicht zwischen 10 und 10000"},
        {"Winkelgeschwindigkeit", "nan", "'nan' ist kein gültiger Gleitkommawert"},
        {"Korrekturfaktor", "1e400", "(Korrekturfaktor): 1e400 ist für das Feld zu groß"},
        {"Korrekturfaktor", "-inf", "'-inf' ist kein gültiger Gleitkommawert"},
        {"Korrekturfaktor", "1000,5", "'1000,5' ist kein gültiger Gleitkommawert"},
        {"Modulneigung", "-1", "(Modulneigung): -1 liegt nicht zwischen 0 und 90"},
        {"Modulhoehe", "160.0", "''160.0'' ist kein gültiger Integer-Wert"},
        {"Trackintervall", "61", "61 liegt nicht zwischen 0 und 60"},
    };
    for (const auto& f : faelle) {
        const QString text = Mit(f.schluessel, f.wert);
        try {
            parameterdatei::Lies(text);
            ADD_FAILURE() << "angenommen: " << f.schluessel << "=" << f.wert;
        } catch (const BenutzerFehler& e) {
            EXPECT_TRUE(e.meldung().contains(QString::fromUtf8(f.meldung)))
                << e.meldung().toStdString();
            EXPECT_TRUE(QRegularExpression("^Zeile \\d+ \\(").match(e.meldung()).hasMatch())
                << e.meldung().toStdString();
        }
    }
    // The interval in tenths is held to the window's 60 minutes as well.
    TrackerParameter p;
    p.ParIntervall = 3001;
    QString text = parameterdatei::Schreibe(p);
    text.replace("TrackintervallZehntelsekunden=3001", "TrackintervallZehntelsekunden=36001");
    EXPECT_THROW(parameterdatei::Lies(text), BenutzerFehler);
}

// A key holding an escape sequence that would set the terminal's title, a value that would
// clear it: the message shows their codes, never the characters.
TEST_F(Parameterdatei, SteuerzeichenNurAlsCode) {
    const QString faelle[] = {
        Mit("Modulhoehe", "160") + QString::fromUtf8("Farbe\x1b]0;gekapert\x07=blau\n"),
        Mit("Modulhoehe", QString::fromUtf8("1\x1b[2J60")),
        Mit("Modulhoehe", "160") + QString::fromUtf8("[Abschnitt\xe2\x80\xae]\n"),
    };
    for (const QString& text : faelle) {
        try {
            parameterdatei::Lies(text);
            ADD_FAILURE() << "angenommen";
        } catch (const BenutzerFehler& e) {
            for (const QChar c : e.meldung())
                EXPECT_TRUE(c.isPrint()) << e.meldung().toStdString();
            EXPECT_TRUE(e.meldung().contains("\\x1B") || e.meldung().contains("\\u202E"))
                << e.meldung().toStdString();
        }
    }
}

} // namespace
