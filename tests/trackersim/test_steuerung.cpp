// The simulated controller: every request answered with the bytes the application decodes,
// the parameter set and clock it is sent, the running clock, the tracker turning at its speed
// and stopping at the end stops, and the faults it can be told to show.
#include "hilfen.h"
#include "tools/trackersim/steuerung.h"

#include <gtest/gtest.h>

namespace trackersim::test {
namespace {

// The requests as the application sends them.
const Bytes GetParam{0xAA, 0x02, 0x00, 0x00, 0xAD, 0xE5};
const Bytes GetTime{0xAA, 0x04, 0x00, 0x00, 0xAF, 0xE5};
const Bytes GetAktuelleDaten{0xAA, 0x05, 0x00, 0x00, 0xB0, 0xE5};
const Bytes SetAutomatik{0xAA, 0x07, 0x00, 0x00, 0xB2, 0xE5};
const Bytes GetStatus{0xAA, 0x08, 0x00, 0x00, 0xB3, 0xE5};
const Bytes GetInfo{0xAA, 0x0A, 0x00, 0x00, 0xB5, 0xE5};
const Bytes SetPosition359{0xAA, 0x06, 0x02, 0x00, 0x67, 0x01, 0x1B, 0xE5};
const Bytes SetPosition1{0xAA, 0x06, 0x02, 0x00, 0x01, 0x00, 0xB4, 0xE5};
// "SET Time" from the window's defaults: 2008-07-07 11:00, group 1, seconds and ZeitZusatz 0.
const Bytes SetTimeStandard{0xAA, 0x03, 0x09, 0x00, 0x00, 0x00, 0x00, 0x0B,
                            0x07, 0x00, 0x07, 0x08, 0x01, 0xD9, 0xE5};
// "SET Parameter" from the window's defaults.
const Bytes SetParamStandard{0xAA, 0x01, 0x25, 0x00, 0x08, 0xDC, 0x05, 0xA0, 0x00, 0x00, 0x00,
                             0x96, 0x00, 0x1E, 0x00, 0xB8, 0x0B, 0xEC, 0xFA, 0xEC, 0x13, 0x4B,
                             0x00, 0x1D, 0x01, 0x17, 0xD9, 0xCE, 0xF7, 0x53, 0xE3, 0x01, 0x40,
                             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0x7A, 0xE5};
const Bytes SeriennummerDesGeraets{0x67, 0x12, 0x00, 0x00}; // ParRest: 4711

Bytes SetParam(const messages::TrackerParameter& p) {
    const ParameterBytes b = p.Bytes();
    Bytes n{0x08};
    n.insert(n.end(), b.begin(), b.begin() + 36);
    return rahmen::Anfrage(kommando::SetParam, n);
}

Bytes SetTime(int jahr, int monat, int tag, int stunde, int minute, int sekunde,
              std::uint8_t zusatz = 0, std::uint8_t gruppe = 1) {
    const Bytes n{0x00,
                  std::uint8_t(sekunde),
                  std::uint8_t(minute),
                  std::uint8_t(stunde),
                  std::uint8_t(tag),
                  zusatz,
                  std::uint8_t(monat),
                  std::uint8_t(jahr - 2000),
                  gruppe};
    return rahmen::Anfrage(kommando::SetTime, n);
}

Bytes SetPosition(unsigned winkel) {
    return rahmen::Anfrage(kommando::SetPosition,
                           Bytes{std::uint8_t(winkel & 0xFF), std::uint8_t(winkel >> 8)});
}

class SteuerungTest : public testing::Test {
protected:
    // Sends one request at second t and returns the payload of the one response expected.
    Bytes Nutzdaten(const Bytes& anfrage, double t, std::uint8_t antwort) {
        const Antworten a = Zerlege(s->Empfange(anfrage, S(t)));
        EXPECT_EQ(a.rahmen.size(), 1u);
        if (a.rahmen.size() != 1) return {};
        const Bytes& r = a.rahmen[0];
        EXPECT_EQ(r[1], antwort);
        EXPECT_EQ(r[2] + 5u, r.size());
        return Bytes(r.begin() + 3, r.end() - 2);
    }
    std::uint8_t Status(double t) { return Nutzdaten(GetStatus, t, kommando::Status).at(0); }
    int Position(double t) {
        const Bytes p = Nutzdaten(GetAktuelleDaten, t, kommando::GetAktuelleDaten);
        return p.at(1) | p.at(2) << 8;
    }
    // Second, minute, hour, day, ZeitZusatz, month, year - 2000, group.
    Bytes Uhr(double t) {
        const Bytes p = Nutzdaten(GetTime, t, kommando::GetTime);
        return p.empty() ? p : Bytes(p.begin() + 1, p.end());
    }
    int Countdown(double t) {
        const Bytes p = Nutzdaten(GetStatus, t, kommando::Status);
        return p.at(1) | p.at(2) << 8;
    }
    void Sende(const Bytes& anfrage, double t) { EXPECT_EQ(s->Empfange(anfrage, S(t)), Bytes{}); }

    void Starte(SteuerungsEinstellungen e) { s = std::make_unique<Steuerung>(std::move(e)); }

    std::unique_ptr<Steuerung> s = std::make_unique<Steuerung>();
};

// The device starts at 2008-07-07 11:00 UTC with the window's defaults: automatic mode, the
// sun up, the tracker facing it (status 0x21), the countdown at the full 5 minutes.
TEST_F(SteuerungTest, BeantwortetJedeAnfrageMitDenBytesDesGeraets) {
    const Bytes status{0x21};
    Bytes param = status;
    const ParameterBytes standard = Werksparameter().Bytes();
    param.insert(param.end(), standard.begin(), standard.end());
    struct Fall {
        const char* name;
        Bytes anfrage, antwort;
    };
    const Fall faelle[] = {
        {"GET Parameter", GetParam, rahmen::Antwort(2, param)},
        {"GET Time", GetTime,
         rahmen::Antwort(4, Bytes{0x21, 0x00, 0x00, 0x0B, 0x07, 0x00, 0x07, 0x08, 0x01})},
        {"Get Status", GetStatus, rahmen::Antwort(9, Bytes{0x21, 0xB8, 0x0B})},
        {"GET Info", GetInfo, rahmen::Antwort(11, status + Text("01.20"))},
        // The application's own calculation for this instant and site: azimuth 173.71,
        // elevation 61.40, shadow 0.436 m, no correction; limit angle atan(150 / 1500).
        {"GET Aktuelle Daten", GetAktuelleDaten,
         rahmen::Antwort(5, Bytes{0x21, 174, 0, 0xB4, 0x01, 0x66, 0x02, 0xC9, 0x06, 6, 0, 0, 0})},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(s->Empfange(f.anfrage, S(0)), f.antwort) << f.name;
    EXPECT_EQ(Werksparameter().Bytes(),
              ParameterBytes({0xDC, 0x05, 0xA0, 0x00, 0x00, 0x00, 0x96, 0x00, 0x1E, 0x00,
                              0xB8, 0x0B, 0xEC, 0xFA, 0xEC, 0x13, 0x4B, 0x00, 0x1D, 0x01,
                              0x17, 0xD9, 0xCE, 0xF7, 0x53, 0xE3, 0x01, 0x40, 0x00, 0x00,
                              0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0x67, 0x12, 0x00, 0x00}));
}

// The current values over a day, with the numbers heliowendler-calc prints for the instant
// (site 51 N, 13 E, the default rows): backtracking in the morning (positive correction) and
// in the evening (negative), and the night, when the tracker waits at the day's morning
// position (137.8) and does not track.
TEST_F(SteuerungTest, AktuelleWerteAusDerGeometrieDerAnwendung) {
    struct Fall {
        int stunde;
        Bytes nutzdaten;
    };
    const Fall faelle[] = {
        // position 139, shadow 684.6 cm, elevation 6.7, azimuth 62.0, limit 6, correction 77.3
        {4, {0x21, 139, 0, 0xBE, 0x1A, 67, 0, 0x6C, 0x02, 6, 0, 0x05, 0x03}},
        // position 233, shadow 228.6 cm, elevation 19.3, azimuth 282.2, correction -49.0
        {17, {0x21, 233, 0, 0xEE, 0x08, 193, 0, 0x06, 0x0B, 6, 0, 0x16, 0xFE}},
        // position 138, no shadow, elevation -16.5, azimuth 356.8, no correction, no tracking
        {23, {0x20, 138, 0, 0, 0, 0x5B, 0xFF, 0xF0, 0x0D, 6, 0, 0, 0}},
    };
    for (const Fall& f : faelle) {
        SteuerungsEinstellungen e;
        e.uhr = UtcSekunden(2008, 7, 7, f.stunde, 0, 0);
        Starte(e);
        EXPECT_EQ(s->Empfange(GetAktuelleDaten, S(0)), rahmen::Antwort(5, f.nutzdaten))
            << f.stunde << " Uhr";
    }
}

// A site whose evening runs past 0:00 UTC (36.1 N, 79.95 W): at 00:00 UTC on 21 June the sun
// stands low in the west-north-west, and the controller's tracker turns from it toward the
// south, on the afternoon's side and inside the west stop, as the main window computes it.
TEST_F(SteuerungTest, AbendNachMitternachtUtcAufDerNachmittagsseite) {
    SteuerungsEinstellungen e;
    e.uhr = UtcSekunden(2009, 6, 21, 0, 0, 0);
    Starte(e);
    messages::TrackerParameter p = Werksparameter();
    p.ParBreite = 3610;
    p.ParLaenge = 7995;
    Sende(SetParam(p), 0);
    // Time for the drive to get there at its speed.
    const Bytes w = Nutzdaten(GetAktuelleDaten, 200, kommando::GetAktuelleDaten);
    ASSERT_EQ(w.size(), 13u);
    const int position = w[1] | w[2] << 8;
    const int azimut = w[7] | w[8] << 8; // tenths of a degree
    const auto korrektur = static_cast<std::int16_t>(w[11] | w[12] << 8);
    EXPECT_GT(azimut, 2900);
    EXPECT_LT(korrektur, 0);
    EXPECT_GT(position, 180);
    EXPECT_LE(position, 285);
}

TEST_F(SteuerungTest, ParameterKommenUnveraendertZurueck) {
    messages::TrackerParameter anders = Werksparameter();
    anders.ParModulL = 65535;
    anders.ParModulH = 0;
    anders.ParReserve = 0x1234; // never touched by the device
    anders.ParIntervall = 1;
    anders.ParLaenge = -32768;
    anders.ParBreite = -3355;
    anders.ParAnschlagOst = 80;
    anders.ParAnschlagWest = 280;
    anders.ParWinkelSpeed = -0.001;
    anders.ParKorrekturFaktor = 1e300;
    anders.ParRest = {0xEF, 0xBE, 0xAD, 0xDE}; // not sent: the device keeps its own
    struct Fall {
        const char* name;
        Bytes set;
        ParameterBytes erwartet;
    };
    ParameterBytes standard = Werksparameter().Bytes(), andere = anders.Bytes();
    std::copy(SeriennummerDesGeraets.begin(), SeriennummerDesGeraets.end(), andere.begin() + 36);
    const Fall faelle[] = {
        {"Vorgaben des Fensters", SetParamStandard, standard},
        {"Grenzwerte", SetParam(anders), andere},
    };
    for (const Fall& f : faelle) {
        Sende(f.set, 1);
        const Bytes p = Nutzdaten(GetParam, 2, kommando::GetParam);
        ASSERT_EQ(p.size(), 41u) << f.name;
        EXPECT_EQ(Bytes(p.begin() + 1, p.end()), Bytes(f.erwartet.begin(), f.erwartet.end()))
            << f.name;
        // The bytes the request carried, one for one.
        EXPECT_EQ(Bytes(p.begin() + 1, p.begin() + 37), Bytes(f.set.begin() + 5, f.set.end() - 2))
            << f.name;
    }
}

TEST_F(SteuerungTest, ParameterOhneKennbyteOderZuKurzBleibenUnbeachtet) {
    messages::TrackerParameter anders = Werksparameter();
    anders.ParModulL = 999;
    Bytes ohneKennung = SetParam(anders);
    ohneKennung[4] = 0x09;
    ohneKennung[ohneKennung.size() - 2] =
        rahmen::Pruefsumme(std::span(ohneKennung).first(ohneKennung.size() - 2));
    const ParameterBytes b = anders.Bytes();
    const Bytes zuKurz =
        rahmen::Anfrage(kommando::SetParam, Bytes{0x08} + Bytes(b.begin(), b.begin() + 35));
    for (const Bytes& set : {ohneKennung, zuKurz}) {
        Sende(set, 1);
        const Bytes p = Nutzdaten(GetParam, 2, kommando::GetParam);
        EXPECT_EQ(p.at(1) | p.at(2) << 8, 1500);
    }
}

TEST_F(SteuerungTest, UhrLaeuftVonSetTimeAn) {
    SteuerungsEinstellungen e;
    e.uhr = UtcSekunden(2020, 3, 1, 8, 0, 0);
    Starte(e);
    // The window's default "SET Time" sets the clock to 2008-07-07 11:00:00, group 1.
    Sende(SetTimeStandard, 10);
    EXPECT_EQ(Uhr(10), (Bytes{0, 0, 11, 7, 0, 7, 8, 1}));
    EXPECT_EQ(Uhr(10 + 3723.5), (Bytes{3, 2, 12, 7, 0, 7, 8, 1}));
    // Over the turn of the year; ZeitZusatz and the group come back as they were sent.
    Sende(SetTime(2008, 12, 31, 23, 59, 30, 0x5A, 3), 20000);
    EXPECT_EQ(Uhr(20045), (Bytes{15, 0, 0, 1, 0x5A, 1, 9, 3}));
    // A month out of range is not taken; the clock runs on.
    Sende(SetTime(2010, 13, 1, 0, 0, 0), 20046);
    EXPECT_EQ(Uhr(20047), (Bytes{17, 0, 0, 1, 0x5A, 1, 9, 3}));
}

TEST_F(SteuerungTest, ZeitrafferLaesstUhrUndCountdownSchnellerLaufen) {
    SteuerungsEinstellungen e;
    e.zeitraffer = 60;
    Starte(e);
    // One real minute is an hour of the device's.
    EXPECT_EQ(Uhr(60).at(2), 12);
    Sende(SetAutomatik, 61);
    EXPECT_EQ(Countdown(61), 3000);
    EXPECT_EQ(Countdown(62), 3000 - 600);
}

TEST_F(SteuerungTest, CountdownZaehltZumNaechstenSchrittUndBeginntNeu) {
    EXPECT_EQ(Countdown(0), 3000);
    EXPECT_EQ(Countdown(10), 2900);
    // Tracking, automatic mode, 1.6 s to the next step.
    EXPECT_EQ(s->Empfange(GetStatus, S(298.4)),
              (Bytes{0x55, 0x09, 0x03, 0x21, 0x10, 0x00, 0x93, 0xE5}));
    EXPECT_EQ(Countdown(299.9), 1);
    EXPECT_EQ(Countdown(300), 3000); // the step ran, the next is 5 minutes away
    EXPECT_EQ(Countdown(1234.5), 3000 - 345);
    Sende(SetAutomatik, 1240);
    EXPECT_EQ(Countdown(1240), 3000);
    Sende(SetPosition(180), 1241);
    EXPECT_EQ(Countdown(1241), 0); // no tracking steps by hand
}

// At 2 degrees per second between the stops 75 and 285, starting from 174 (the sun at 11:00).
TEST_F(SteuerungTest, SetPositionDrehtMitDerParameterGeschwindigkeitBisZumAnschlag) {
    messages::TrackerParameter p = Werksparameter();
    p.ParWinkelSpeed = 2;
    Sende(SetParam(p), 0);
    ASSERT_EQ(Position(0), 174);
    ASSERT_EQ(Status(0), statusbit::Tracking | statusbit::Automatik);

    // To the west, beyond the stop: automatic mode is left, the motor turns west.
    Sende(SetPosition359, 10);
    EXPECT_EQ(Status(10), statusbit::MotorWest);
    EXPECT_EQ(Position(30), 214);
    EXPECT_EQ(Position(60), 274);
    EXPECT_EQ(Status(65.5), statusbit::MotorWest); // 284.7: not there yet
    EXPECT_EQ(Position(66), 285);
    EXPECT_EQ(Status(66), statusbit::EndlageWest);
    EXPECT_EQ(Position(500), 285); // it stays, and no tracking step moves it

    // To the east, beyond the other stop: 210 degrees take 105 s.
    Sende(SetPosition1, 600);
    EXPECT_EQ(Status(601), statusbit::MotorOst);
    EXPECT_EQ(Position(650), 185);
    EXPECT_EQ(Status(704), statusbit::MotorOst);
    EXPECT_EQ(Position(705), 75);
    EXPECT_EQ(Status(705), statusbit::EndlageOst);

    // Back to automatic mode: a tracking step turns it to the sun again.
    Sende(SetAutomatik, 800);
    EXPECT_EQ(Status(800), statusbit::Tracking | statusbit::Automatik | statusbit::MotorWest |
                               statusbit::EndlageOst);
    EXPECT_EQ(Position(801), 77);
}

TEST_F(SteuerungTest, NeueAnschlaegeBegrenzenDasZiel) {
    messages::TrackerParameter p = Werksparameter();
    p.ParAnschlagOst = 100;
    p.ParAnschlagWest = 200;
    p.ParWinkelSpeed = 10;
    Sende(SetParam(p), 0);
    Sende(SetPosition(250), 1);
    EXPECT_EQ(Position(100), 200);
    EXPECT_EQ(Status(100), statusbit::EndlageWest);
}

TEST_F(SteuerungTest, UnbekannteKommandosUndFalschePruefsummenBleibenOhneAntwort) {
    for (const std::uint8_t k : {0, 9, 11, 12, 0x55, 0xF0})
        EXPECT_EQ(s->Empfange(rahmen::Anfrage(k), S(1)), Bytes{}) << int(k);
    Bytes falsch = GetInfo;
    falsch[4] = 0xB6;
    EXPECT_EQ(s->Empfange(falsch, S(1)), Bytes{});
    // SET requests are acted on but not answered.
    for (const Bytes& set : {SetParamStandard, SetTimeStandard, SetPosition1, SetAutomatik})
        EXPECT_EQ(s->Empfange(set, S(2)), Bytes{});
}

TEST_F(SteuerungTest, QuittiertSetAnfragenWennGewuenscht) {
    SteuerungsEinstellungen e;
    e.quittieren = true;
    Starte(e);
    struct Fall {
        Bytes anfrage;
        std::uint8_t kommando;
    };
    const Fall faelle[] = {
        {SetParamStandard, 1}, {SetTimeStandard, 3}, {SetPosition1, 6}, {SetAutomatik, 7}};
    for (const Fall& f : faelle) {
        const Antworten a = Zerlege(s->Empfange(f.anfrage, S(1)));
        ASSERT_EQ(a.rahmen.size(), 1u);
        EXPECT_EQ(a.rahmen[0][1], f.kommando);
        EXPECT_EQ(a.rahmen[0][2], 3); // status and countdown
    }
}

// What the application sends arrives in pieces, between noise and damaged requests.
TEST_F(SteuerungTest, FindetAnfragenZwischenRauschenUndInStuecken) {
    const Bytes erwartet = s->Empfange(GetInfo + GetStatus, S(0));
    ASSERT_EQ(Zerlege(erwartet).rahmen.size(), 2u);
    Bytes falsch = GetParam;
    falsch[4] ^= 0x01;
    const Bytes strom = Bytes{0x00, 0xE5, 0x13} + falsch + GetInfo + Bytes{0x55, 0x00} + GetStatus;
    for (std::size_t schnitt = 0; schnitt <= strom.size(); ++schnitt) {
        Steuerung neu;
        const Bytes vorn = neu.Empfange(std::span(strom).first(schnitt), S(0));
        const Bytes a = vorn + neu.Empfange(std::span(strom).subspan(schnitt), S(0));
        EXPECT_EQ(a, erwartet) << "geteilt nach Byte " << schnitt;
    }
}

// A 0xAA in noise announces a frame whose bytes never come; after a pause the device gives it
// up and finds the request that stood behind it.
TEST_F(SteuerungTest, StartbyteImRauschenHaeltNurBisZurPause) {
    const Bytes strom = Bytes{0xAA} + GetInfo;
    EXPECT_EQ(s->Empfange(strom, S(1)), Bytes{});
    ASSERT_TRUE(s->NaechsterTakt().has_value());
    EXPECT_EQ(*s->NaechsterTakt(), S(1) + Rahmenleser::Pause);
    EXPECT_EQ(s->Takt(S(1.1)), Bytes{});
    const Antworten a = Zerlege(s->Takt(S(1.2)));
    ASSERT_EQ(a.rahmen.size(), 1u);
    EXPECT_EQ(a.rahmen[0][1], kommando::Info);
    EXPECT_FALSE(s->NaechsterTakt().has_value());
}

TEST_F(SteuerungTest, FalschePruefsummeBeiDerGewaehltenAntwort) {
    SteuerungsEinstellungen e;
    e.stoerungen.bei[Stoerung::FalschePruefsumme] = {2};
    Starte(e);
    const Bytes gut = rahmen::Antwort(9, Bytes{0x21, 0xB8, 0x0B});
    Bytes schlecht = gut;
    ++schlecht[schlecht.size() - 2];
    EXPECT_EQ(s->Empfange(GetStatus, S(0)), gut);
    EXPECT_EQ(s->Empfange(GetStatus, S(0)), schlecht);
    EXPECT_EQ(s->Empfange(GetStatus, S(0)), gut);
}

// A lone start byte before the chosen response: the frame behind it is the same.
TEST_F(SteuerungTest, StartbyteVorDerGewaehltenAntwort) {
    SteuerungsEinstellungen e;
    e.stoerungen.bei[Stoerung::Startbyte] = {2};
    Starte(e);
    const Bytes gut = rahmen::Antwort(9, Bytes{0x21, 0xB8, 0x0B});
    EXPECT_EQ(s->Empfange(GetStatus, S(0)), gut);
    EXPECT_EQ(s->Empfange(GetStatus, S(0)), Bytes{rahmen::StartAntwort} + gut);
    EXPECT_EQ(s->Empfange(GetStatus, S(0)), gut);
}

// Stuck: the SET requests that move the tracker change nothing, and the status stays.
TEST_F(SteuerungTest, FestgefahrenBleibtWieSieIst) {
    SteuerungsEinstellungen e;
    e.festgefahren = true;
    Starte(e);
    const std::uint8_t vorher = Status(0);
    const int ort = Position(0);
    EXPECT_EQ(s->Empfange(SetPosition1, S(1)), Bytes{});
    EXPECT_EQ(Status(100), vorher);
    EXPECT_EQ(s->Empfange(rahmen::Anfrage(kommando::SetAutomatik), S(200)), Bytes{});
    EXPECT_EQ(Status(300), vorher);
    EXPECT_EQ(Position(300), ort);
    EXPECT_TRUE(vorher & statusbit::Automatik);
}

TEST_F(SteuerungTest, StilleBeiDerGewaehltenAnfrage) {
    SteuerungsEinstellungen e;
    e.stoerungen.bei[Stoerung::Stille] = {2, 3};
    Starte(e);
    EXPECT_EQ(Zerlege(s->Empfange(GetStatus, S(0))).rahmen.size(), 1u);
    EXPECT_EQ(s->Empfange(GetStatus, S(0)), Bytes{});
    // A lost SET request is not acted on either.
    EXPECT_EQ(s->Empfange(SetPosition1, S(0)), Bytes{});
    EXPECT_EQ(Status(1), statusbit::Tracking | statusbit::Automatik);
}

TEST_F(SteuerungTest, RauschenVorJederAntwortOhneStartbyte) {
    SteuerungsEinstellungen e;
    e.stoerungen.rauschen = 40;
    Starte(e);
    Bytes strom;
    for (int i = 0; i < 50; ++i)
        strom = strom + s->Empfange(GetStatus, S(0));
    const Antworten a = Zerlege(strom);
    EXPECT_EQ(a.rahmen.size(), 50u);
    EXPECT_EQ(a.uebersprungen, 50u * 40u);
    for (std::size_t i = 0; i < strom.size(); i += 48) {
        const Bytes rauschen(strom.begin() + i, strom.begin() + i + 40);
        EXPECT_EQ(std::count(rauschen.begin(), rauschen.end(), 0x55), 0);
        EXPECT_EQ(Bytes(strom.begin() + i + 40, strom.begin() + i + 48), a.rahmen[i / 48]);
    }
}

} // namespace
} // namespace trackersim::test
