// The controller's messages: every request frame as the controller expects it, every
// response decoded into the values and texts the window shows, the blocks' byte layouts, the
// version check, and the speed measurement's steps.
#include "basis/zahltext.h"
#include "geraet/messages.h"
#include "geraet/speedmessung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace messages;

class MessagesTest : public testing::Test {
protected:
    void SetUp() override { zahltext::SetzeDezimaltrenner(QLatin1Char(',')); }
};

// The window's default edits.
Parametertexte Vorgaben() {
    Parametertexte t;
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
    return t;
}

Bytes Antwortrahmen(std::uint8_t kommando, const Bytes& nutzdaten) {
    return rahmen::Antwort(kommando, nutzdaten);
}

Antwort Zerlegt(const Bytes& rahmen) {
    const auto a = Zerlege(rahmen);
    EXPECT_TRUE(a.has_value());
    return a.value_or(Antwort{});
}

TEST_F(MessagesTest, AnfragenSindDieBytesDerSteuerung) {
    TrackerParameter p;
    LeseParametertexte(Vorgaben(), p);
    TrackerZeit z;
    LeseZeittexte({"2008", "7", "7", "11", "0", "0"}, z, false);
    z.ZeitGruppe = 1;
    struct Fall {
        const char* name;
        Bytes rahmen, erwartet;
    };
    const Fall faelle[] = {
        {"GET Parameter", Anfrage(Kommando::GetParam), {0xAA, 0x02, 0x00, 0x00, 0xAD, 0xE5}},
        {"GET Time", Anfrage(Kommando::GetTime), {0xAA, 0x04, 0x00, 0x00, 0xAF, 0xE5}},
        {"GET Aktuelle Daten",
         Anfrage(Kommando::GetAktuelleDaten),
         {0xAA, 0x05, 0x00, 0x00, 0xB0, 0xE5}},
        {"SET Automatik", Anfrage(Kommando::SetAutomatik), {0xAA, 0x07, 0x00, 0x00, 0xB2, 0xE5}},
        {"Get Status", Anfrage(Kommando::GetStatus), {0xAA, 0x08, 0x00, 0x00, 0xB3, 0xE5}},
        {"GET Info", Anfrage(Kommando::GetInfo), {0xAA, 0x0A, 0x00, 0x00, 0xB5, 0xE5}},
        {"SET Position 359",
         SetPositionAnfrage(359),
         {0xAA, 0x06, 0x02, 0x00, 0x67, 0x01, 0x1B, 0xE5}},
        {"SET Position 1", SetPositionAnfrage(1), {0xAA, 0x06, 0x02, 0x00, 0x01, 0x00, 0xB4, 0xE5}},
        // The low 16 bits of the angle typed.
        {"SET Position 65537",
         SetPositionAnfrage(65537),
         {0xAA, 0x06, 0x02, 0x00, 0x01, 0x00, 0xB4, 0xE5}},
        {"SET Time",
         SetTimeAnfrage(z),
         {0xAA, 0x03, 0x09, 0x00, 0x00, 0x00, 0x00, 0x0B, 0x07, 0x00, 0x07, 0x08, 0x01, 0xD9,
          0xE5}},
        {"SET Parameter",
         SetParamAnfrage(p),
         {0xAA, 0x01, 0x25, 0x00, 0x08, 0xDC, 0x05, 0xA0, 0x00, 0x00, 0x00, 0x96, 0x00, 0x1E, 0x00,
          0xB8, 0x0B, 0xEC, 0xFA, 0xEC, 0x13, 0x4B, 0x00, 0x1D, 0x01, 0x17, 0xD9, 0xCE, 0xF7, 0x53,
          0xE3, 0x01, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0x7A, 0xE5}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(f.rahmen, f.erwartet) << f.name;
}

TEST_F(MessagesTest, StatustexteDerAnfragen) {
    const std::pair<Kommando, const char*> faelle[] = {
        {Kommando::SetParam, "SET Parameter"},
        {Kommando::GetParam, "GET Parameter"},
        {Kommando::SetTime, "SET Time"},
        {Kommando::GetTime, "GET Time"},
        {Kommando::GetAktuelleDaten, "GET Aktuelle Daten"},
        {Kommando::SetPosition, "SET Position"},
        {Kommando::SetAutomatik, "SET Automatik"},
        {Kommando::GetStatus, "Get Status"},
        {Kommando::GetInfo, "GET Info"}};
    for (const auto& [k, text] : faelle)
        EXPECT_EQ(StatusText(k), QString::fromUtf8(text));
}

// Every field at its own place, low byte first, whatever the host.
TEST_F(MessagesTest, BloeckeHabenIhreBytelayouts) {
    TrackerParameter p;
    p.ParModulL = 0x0102;
    p.ParModulH = 0x0304;
    p.ParReserve = 0x0506;
    p.ParModulA = 0x0708;
    p.ParModulN = 0x090A;
    p.ParIntervall = 0x0B0C;
    p.ParLaenge = -2; // FE FF
    p.ParBreite = 0x0D0E;
    p.ParAnschlagOst = 0x0F10;
    p.ParAnschlagWest = 0x1112;
    p.ParWinkelSpeed = 1.0;      // 3FF0000000000000
    p.ParKorrekturFaktor = -2.5; // C004000000000000
    p.ParRest = {0xA1, 0xA2, 0xA3, 0xA4};
    const std::array<std::uint8_t, 40> erwartet{
        0x02, 0x01, 0x04, 0x03, 0x06, 0x05, 0x08, 0x07, 0x0A, 0x09, 0x0C, 0x0B, 0xFE, 0xFF,
        0x0E, 0x0D, 0x10, 0x0F, 0x12, 0x11, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F,
        0,    0,    0,    0,    0,    0,    0x04, 0xC0, 0xA1, 0xA2, 0xA3, 0xA4};
    EXPECT_EQ(p.Bytes(), erwartet);
    EXPECT_EQ(TrackerParameter::AusBytes(erwartet), p);

    const TrackerZeit z{1, 2, 3, 4, 5, 6, 7, 8};
    const std::array<std::uint8_t, 8> zb{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(z.Bytes(), zb);
    EXPECT_EQ(TrackerZeit::AusBytes(zb), z);
}

// 55 09 03 21 10 00 93 E5: tracking and automatic mode, 1.6 s to the next step.
TEST_F(MessagesTest, StatusantwortUndCountdown) {
    const Antwort a = Zerlegt({0x55, 0x09, 0x03, 0x21, 0x10, 0x00, 0x93, 0xE5});
    ASSERT_TRUE(Vollstaendig(a));
    const auto s = LeseStatus(a);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->StatusByte, 0x21);
    EXPECT_EQ(s->StatusByte, BitTracking | BitAutomatik);
    EXPECT_EQ(s->TrackCountdown, 16);

    const std::pair<std::uint16_t, const char*> countdowns[] = {
        {0, "00:00:00"},   {16, "00:00:01"},   {599, "00:00:59"},
        {600, "00:01:00"}, {3125, "00:05:12"}, {65535, "00:109:13"}};
    for (const auto& [zehntel, text] : countdowns)
        EXPECT_EQ(CountdownText(zehntel), QString::fromLatin1(text)) << zehntel;
}

TEST_F(MessagesTest, ParameterantwortZeigtDieEdits) {
    TrackerParameter p;
    LeseParametertexte(Vorgaben(), p);
    EXPECT_EQ(p.ParLaenge, -1300); // EC FA
    Bytes nutzdaten{0x21};
    const auto b = p.Bytes();
    nutzdaten.insert(nutzdaten.end(), b.begin(), b.end());
    const Antwort a = Zerlegt(Antwortrahmen(2, nutzdaten));
    ASSERT_TRUE(Vollstaendig(a));
    EXPECT_EQ(a.nutzdaten[13], 0xEC);
    EXPECT_EQ(a.nutzdaten[14], 0xFA);
    const auto gelesen = LeseParameter(a);
    ASSERT_TRUE(gelesen.has_value());
    EXPECT_EQ(*gelesen, p);
    // Shown as the window's defaults again: -13 for EC FA, 2236 for a speed of 2.236.
    EXPECT_EQ(ParameterTexte(*gelesen), Vorgaben());
}

// What a response field shows in its edit, a field at a time.
TEST_F(MessagesTest, ParameterfelderAlsText) {
    TrackerParameter p;
    p.ParBreite = 5053;
    p.ParLaenge = -1;
    p.ParIntervall = 3599; // whole minutes only
    p.ParModulL = 65535;
    p.ParWinkelSpeed = -0.001; // 2^32 - 1
    p.ParKorrekturFaktor = 1.0999999;
    const Parametertexte t = ParameterTexte(p);
    EXPECT_EQ(t.Phi, "50,53");
    EXPECT_EQ(t.Lam, "-0,01");
    EXPECT_EQ(t.Intervall, "5");
    EXPECT_EQ(t.ModulL, "65535");
    EXPECT_EQ(t.WinkelSpeed, "4294967295");
    EXPECT_EQ(t.KorrekturFaktor, "1099");
    // Beyond any integer: saturated before the low 32 bits are taken; NaN shows 0.
    EXPECT_EQ(Tausendstel(std::numeric_limits<double>::infinity()), "4294967295");
    EXPECT_EQ(Tausendstel(std::nan("")), "0");
}

TEST_F(MessagesTest, EditsWerdenZuFeldern) {
    Parametertexte t = Vorgaben();
    t.Phi = "50,53";
    t.Lam = "-13,999";   // truncated toward zero
    t.ModulL = "65537";  // low 16 bits
    t.Intervall = "120"; // 72000 tenths: low 16 bits
    TrackerParameter p;
    LeseParametertexte(t, p);
    EXPECT_EQ(p.ParBreite, 5053);
    EXPECT_EQ(p.ParLaenge, -1399);
    EXPECT_EQ(p.ParModulL, 1);
    EXPECT_EQ(p.ParIntervall, 72000 - 65536);
    EXPECT_EQ(p.ParKorrekturFaktor, 1.0);

    // The first text that does not convert stops the reading; what came before stays.
    TrackerParameter q;
    q.ParAnschlagOst = 7;
    t.Lam = "13°";
    try {
        LeseParametertexte(t, q);
        ADD_FAILURE() << "no conversion error";
    } catch (const zahltext::KonvertierFehler& f) {
        EXPECT_EQ(f.meldung(), "'13°' ist kein gültiger Gleitkommawert");
    }
    EXPECT_EQ(q.ParModulL, 1);
    EXPECT_EQ(q.ParIntervall, 72000 - 65536);
    EXPECT_EQ(q.ParBreite, 0);
    EXPECT_EQ(q.ParAnschlagOst, 7);
}

// Typed decimals are scaled on their digits: binary floating point made "8,45" 844.
TEST_F(MessagesTest, HundertstelAusDemDezimaltext) {
    const struct {
        const char* text;
        int erwartet;
    } faelle[] = {{"8,45", 845},      {"-9,53", -953},    {"1,15", 115},     {"-9,535", -953},
                  {"-9,539", -953},   {"0,29", 29},       {"-0,57", -57},    {"4,35", 435},
                  {"8,45E1", 8450},   {"845E-2", 845},    {" 1,15 ", 115},   {"+1,15", 115},
                  {"0,001", 0},       {"-0,009", 0},      {"327,67", 32767}, {"-327,68", -32768},
                  {"327,68", -32768}, {"655,36", 0},      {"1E300", -1},     {"-1E300", 0},
                  {"1E-400", 0},      {"00008,4500", 845}};
    for (const auto& f : faelle)
        EXPECT_EQ(Hundertstel(QString::fromUtf8(f.text)), f.erwartet) << f.text;
    for (const char* falsch : {"8.45", "", "e2", "1E", "1,2,3", "1E999999"})
        EXPECT_THROW(Hundertstel(QString::fromUtf8(falsch)), zahltext::KonvertierFehler) << falsch;
}

// Read from the controller, shown, and sent back unchanged: the "GET Param" then "SET Param"
// of a technician who types nothing must not change a single byte, for every longitude and
// latitude and for every speed and factor in thousandths the window keeps, under both
// separators.
TEST_F(MessagesTest, ParametersatzUnveraendertZurueck) {
    for (const QChar trenner : {QLatin1Char(','), QLatin1Char('.')}) {
        zahltext::SetzeDezimaltrenner(trenner);
        TrackerParameter p;
        LeseParametertexte(Vorgaben(), p);
        const auto rundreise = [](const TrackerParameter& gelesen) {
            TrackerParameter gesendet = gelesen;
            LeseParametertexte(ParameterTexte(gelesen), gesendet);
            return SetParamAnfrage(gesendet) == SetParamAnfrage(gelesen);
        };
        int falsch = 0;
        for (int v = -32768; v <= 32767; ++v) {
            p.ParLaenge = static_cast<std::int16_t>(v);
            p.ParBreite = static_cast<std::int16_t>(-v - 1);
            if (!rundreise(p) && ++falsch < 5) ADD_FAILURE() << "Grad x 100: " << v;
        }
        LeseParametertexte(Vorgaben(), p);
        for (int k = 0; k <= 65535; ++k) {
            // What a controller stores for k thousandths: the double nearest to k / 1000.
            const double wert = std::stod(std::to_string(k) + "e-3");
            p.ParKorrekturFaktor = wert;
            // The speed edit is held between 10 and 10000.
            if (k >= 10 && k <= 10000) p.ParWinkelSpeed = wert;
            if (!rundreise(p) && ++falsch < 5) ADD_FAILURE() << "Tausendstel: " << k;
        }
        EXPECT_EQ(falsch, 0) << "separator " << trenner.toLatin1();
    }
}

TEST_F(MessagesTest, TausendstelZeigtDenGesendetenWert) {
    EXPECT_EQ(Tausendstel(1.001), "1001");
    EXPECT_EQ(Tausendstel(2.236), "2236");
    EXPECT_EQ(Tausendstel(1.15), "1150");
    EXPECT_EQ(Tausendstel(0), "0");
    EXPECT_DOUBLE_EQ(AusTausendsteln("1001"), 1.001);
    EXPECT_EQ(AusTausendsteln("1001"), 1.001);
    // A value that no whole number of thousandths gives keeps the truncated product.
    EXPECT_EQ(Tausendstel(2.2365), "2236");
}

TEST_F(MessagesTest, ZeitEditsUndUhrantwort) {
    TrackerZeit z;
    z.ZeitSekunde = 42;
    z.ZeitZusatz = 0x5A;
    z.ZeitGruppe = 3;
    // A year before 2000 reaches the controller modulo 256; the seconds stay as stored.
    LeseZeittexte({"1999", "12", "31", "23", "59", "7"}, z, false);
    EXPECT_EQ(z, (TrackerZeit{42, 59, 23, 31, 0x5A, 12, 255, 3}));
    LeseZeittexte({"2010", "1", "2", "3", "4", "5"}, z, true);
    EXPECT_EQ(z, (TrackerZeit{5, 4, 3, 2, 0x5A, 1, 10, 3}));
    EXPECT_EQ(ZeitTexte(z), (Zeittexte{"2010", "1", "2", "3", "4", "5"}));

    const Antwort a =
        Zerlegt(Antwortrahmen(4, {0x21, 0x00, 0x00, 0x0B, 0x07, 0x5A, 0x07, 0x08, 0x02}));
    const auto u = LeseUhrzeit(a);
    ASSERT_TRUE(u.has_value());
    EXPECT_EQ(u->zeit, (std::array<std::uint8_t, 7>{0x00, 0x00, 0x0B, 0x07, 0x5A, 0x07, 0x08}));
    EXPECT_EQ(u->gruppe, 2);
}

TEST_F(MessagesTest, IstwerteAusAntwort5) {
    // Position 174, shadow 43.6 cm, sun 61.4 (and -1.5), azimuth 173.7, limit 6, correction
    // -4.9.
    const Antwort a = Zerlegt(
        Antwortrahmen(5, {0x21, 174, 0, 0xB4, 0x01, 0x66, 0x02, 0xC9, 0x06, 6, 0, 0xCF, 0xFF}));
    const auto i = LeseIstwerte(a);
    ASSERT_TRUE(i.has_value());
    EXPECT_EQ(IstwertTexte(*i), (Istwerttexte{"174", "43,6", "61,4", "173,7", "6", "-4,9"}));
    const auto unten =
        LeseIstwerte(Zerlegt(Antwortrahmen(5, {0, 0, 0, 0, 0, 0xF1, 0xFF, 0, 0, 0, 0, 0, 0})));
    EXPECT_EQ(IstwertTexte(*unten).AktSonnenstand, "-1,5");
}

// Each decoded command reads so many payload bytes; fewer and the response is ignored.
TEST_F(MessagesTest, ZuKurzeAntwortenWerdenIgnoriert) {
    const std::pair<std::uint8_t, std::size_t> mindest[] = {
        {2, 41}, {4, 9}, {5, 13}, {9, 3}, {11, 3}};
    for (const auto& [kommando, n] : mindest) {
        EXPECT_TRUE(Vollstaendig(Zerlegt(Antwortrahmen(kommando, Bytes(n, 0x30))))) << +kommando;
        const Antwort kurz = Zerlegt(Antwortrahmen(kommando, Bytes(n - 1, 0x30)));
        EXPECT_FALSE(Vollstaendig(kurz)) << +kommando;
        EXPECT_FALSE(LeseStatus(kurz).has_value()) << +kommando;
    }
    EXPECT_FALSE(LeseParameter(Zerlegt(Antwortrahmen(2, Bytes(40, 0)))).has_value());
    EXPECT_FALSE(LeseUhrzeit(Zerlegt(Antwortrahmen(4, Bytes(8, 0)))).has_value());
    EXPECT_FALSE(LeseIstwerte(Zerlegt(Antwortrahmen(5, Bytes(12, 0)))).has_value());
    // Acknowledgements read nothing.
    EXPECT_TRUE(Vollstaendig(Zerlegt(Antwortrahmen(6, {}))));
    // A frame shorter than its length byte says is no response at all.
    EXPECT_FALSE(Zerlege(Bytes{0x55, 0x09, 0x03, 0x21, 0x93}).has_value());
    // Bytes after the checksum are not part of it.
    const auto lang = Zerlege(Bytes{0x55, 0x09, 0x03, 0x21, 0x10, 0x00, 0x93, 0xE5, 0x77, 0xE5});
    ASSERT_TRUE(lang.has_value());
    EXPECT_EQ(lang->nutzdaten, (Bytes{0x21, 0x10, 0x00}));
}

// The version text is payload bytes 1..n-1: its first two characters are the status's
// countdown bytes as well.
TEST_F(MessagesTest, Versionspruefung) {
    struct Fall {
        const char* text;
        Versionsbefund befund;
        int version;
    };
    const Fall faelle[] = {
        {"01.20", Versionsbefund::Passend, 120}, {"01.19", Versionsbefund::ZuAlt, 119},
        {"02.05", Versionsbefund::Passend, 205}, {"01.21beta", Versionsbefund::Passend, 121},
        {"00.99", Versionsbefund::ZuAlt, 99},    {"1.20", Versionsbefund::ZuKurz, 0},
        {"12", Versionsbefund::ZuKurz, 0},       {"V1.20", Versionsbefund::Unlesbar, 0},
        {"01.2x", Versionsbefund::Unlesbar, 0},
    };
    for (const Fall& f : faelle) {
        Bytes nutzdaten{0x21};
        for (const char* c = f.text; *c; ++c)
            nutzdaten.push_back(static_cast<std::uint8_t>(*c));
        const auto text = LeseVersionstext(Zerlegt(Antwortrahmen(11, nutzdaten)));
        ASSERT_TRUE(text.has_value()) << f.text;
        EXPECT_EQ(*text, QString::fromLatin1(f.text));
        const Version v = PruefeVersion(*text);
        EXPECT_EQ(v.befund, f.befund) << f.text;
        EXPECT_EQ(v.SoftwareVersion, f.version) << f.text;
    }
    // Zero bytes add nothing to the text.
    EXPECT_EQ(LeseVersionstext(Zerlegt(Antwortrahmen(11, {0x21, '0', '1', 0, '.', '2', '0', 0}))),
              QStringLiteral("01.20"));
    // One character does not even fill the status bytes: the response is ignored.
    EXPECT_FALSE(LeseVersionstext(Zerlegt(Antwortrahmen(11, {0x21, '1'}))).has_value());
}

// With the stops 75 and 285: the run west until the west end bit, then the timed run east.
TEST_F(MessagesTest, SpeedmessungSchritte) {
    const QDateTime t0(QDate(2024, 5, 1), QTime(10, 0, 0));
    Speedmessung m;
    m.Zuruecksetzen();
    m.Beginne(t0);
    using S = Speedmessung::Schritt;
    // Automatic mode: only the time counts on.
    auto t = m.TimerTracktimeTimer(t0.addSecs(5), BitAutomatik | BitEndlageWest, 75, 285);
    EXPECT_EQ(t.Zeit, "00:00:05");
    EXPECT_EQ(t.schritt, S::Weiter);
    // Both end bits on the way west count as the west end.
    t = m.TimerTracktimeTimer(t0.addMSecs(94'900), BitEndlageWest | BitEndlageOst, 75, 285);
    EXPECT_EQ(t.Zeit, "00:01:34");
    EXPECT_EQ(t.schritt, S::NachOsten);
    EXPECT_TRUE(m.WestErreicht());
    const QDateTime ost = t0.addMSecs(94'900);
    EXPECT_EQ(m.TrackStart(), ost);
    // On the way east the west bit changes nothing, even with the east bit beside it.
    EXPECT_EQ(
        m.TimerTracktimeTimer(ost.addSecs(1), BitEndlageWest | BitEndlageOst, 75, 285).schritt,
        S::Weiter);
    EXPECT_EQ(m.TimerTracktimeTimer(ost.addSecs(50), BitMotorOst, 75, 285).schritt, S::Weiter);
    t = m.TimerTracktimeTimer(ost.addMSecs(94'999), BitEndlageOst, 75, 285);
    EXPECT_EQ(t.schritt, S::Fertig);
    EXPECT_EQ(t.Zeit, "00:01:34");
    EXPECT_EQ(t.Speed, "2,234 °/s");
}

TEST_F(MessagesTest, SpeedmessungErgebnisse) {
    struct Fall {
        int sekunden, ost, west;
        const char* speed;
    };
    const Fall faelle[] = {
        {100, 75, 285, "2,100 °/s"}, {100, 80, 280, "2,000 °/s"},    {94, 75, 285, "2,234 °/s"},
        {3, 285, 75, "-70,000 °/s"}, {0, 75, 285, "Zeit unter 1 s"},
    };
    for (const Fall& f : faelle) {
        const QDateTime t0(QDate(2024, 5, 1), QTime(23, 59, 0));
        Speedmessung m;
        m.Beginne(t0);
        ASSERT_EQ(m.TimerTracktimeTimer(t0, BitEndlageWest, f.ost, f.west).schritt,
                  Speedmessung::Schritt::NachOsten);
        const auto t = m.TimerTracktimeTimer(t0.addMSecs(f.sekunden * 1000 + 999), BitEndlageOst,
                                             f.ost, f.west);
        EXPECT_EQ(t.schritt, Speedmessung::Schritt::Fertig) << f.speed;
        EXPECT_EQ(t.Speed, QString::fromUtf8(f.speed));
    }
    // An east end before the west end was seen is no result.
    Speedmessung m;
    m.Beginne(QDateTime(QDate(2024, 5, 1), QTime(0, 0)));
    EXPECT_EQ(
        m.TimerTracktimeTimer(QDateTime(QDate(2024, 5, 1), QTime(0, 1)), BitEndlageOst, 75, 285)
            .schritt,
        Speedmessung::Schritt::Weiter);
}

} // namespace

namespace {

// The limit a tool gives a whole measurement: two runs between the stops at half the set speed,
// and ten seconds; a speed the window refuses counts as its lowest, 0.010 °/s.
TEST(Speedmessung, HoechstdauerAusAnschlaegenUndSpeed) {
    const struct {
        int ost, west;
        double speed, sekunden;
    } faelle[] = {
        {75, 285, 2.1, 2 * 2 * 210 / 2.1 + 10},
        {285, 75, 2.1, 2 * 2 * 210 / 2.1 + 10},
        {180, 185, 10, 12},
        {90, 90, 1, 14},
        {75, 285, 0, 2 * 2 * 210 / 0.01 + 10},
        {75, 285, -3, 2 * 2 * 210 / 0.01 + 10},
        {75, 285, std::nan(""), 2 * 2 * 210 / 0.01 + 10},
        {75, 285, 1e-300, 2 * 2 * 210 / 0.01 + 10},
    };
    for (const auto& f : faelle)
        EXPECT_DOUBLE_EQ(Speedmessung::Hoechstdauer(f.ost, f.west, f.speed), f.sekunden)
            << f.ost << " " << f.west << " " << f.speed;
}

} // namespace
