// The scene, checked on the primitives it hands to a recording surface.
#include "basis/zahltext.h"
#include "workspace/simlauf.h"
#include "workspace/szene.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace {

using Art = Aufzeichnung::Art;
using Form = Aufzeichnung::Form;

using std::numbers::pi;
const QPoint Mitte(279, 279);

// The window's defaults with the sun due south at 40 degrees and the tracker already there.
Simulationszustand Standard() {
    Simulationszustand z = szene::Beispielzustand();
    z.Schatten = 0.95;
    z.MorgenPos = 62;
    return z;
}

struct Bild {
    Aufzeichnung a;
    szene::SzenenErgebnis ergebnis;
};

Bild Male(Simulationszustand& z, bool anschlaege = false) {
    Bild b;
    b.ergebnis = szene::PaintBox1Paint(z, b.a, anschlaege);
    return b;
}

std::vector<Form> Wo(const Aufzeichnung& a, const std::function<bool(const Form&)>& passt) {
    std::vector<Form> r;
    for (const Form& f : a.formen)
        if (passt(f)) r.push_back(f);
    return r;
}
std::vector<Form> Ellipsen(const Aufzeichnung& a) {
    return Wo(a, [](const Form& f) { return f.art == Art::Ellipse; });
}
std::vector<Form> Reihen(const Aufzeichnung& a) {
    return Wo(a, [](const Form& f) { return f.art == Art::Vieleck && f.pinsel == szene::Cyan; });
}
std::vector<Form> Pfeile(const Aufzeichnung& a) {
    return Wo(a, [](const Form& f) { return f.art == Art::Vieleck && f.pinsel == szene::Schwarz; });
}
std::vector<Form> Linien(const Aufzeichnung& a, int breite) {
    return Wo(a, [=](const Form& f) { return f.art == Art::Linie && f.breite == breite; });
}
// The needle: the thick line out of the centre.
std::vector<Form> Nadeln(const Aufzeichnung& a) {
    return Wo(a, [](const Form& f) {
        return f.art == Art::Linie && f.breite == 4 && f.punkte[0] == Mitte;
    });
}

bool Gleich(const Aufzeichnung& x, const Aufzeichnung& y) {
    if (x.formen.size() != y.formen.size()) return false;
    for (size_t i = 0; i < x.formen.size(); ++i) {
        const Form &a = x.formen[i], &b = y.formen[i];
        if (a.art != b.art || a.punkte != b.punkte || a.stift != b.stift || a.breite != b.breite ||
            a.pinsel != b.pinsel || a.text != b.text)
            return false;
    }
    return true;
}

QPointF Schwerpunkt(const Form& f) {
    QPointF s;
    for (QPoint p : f.punkte)
        s += QPointF(p);
    return s / f.punkte.size();
}

double Laenge(QPointF v) {
    return std::hypot(v.x(), v.y());
}
double Skalar(QPointF a, QPointF b) {
    return a.x() * b.x() + a.y() * b.y();
}

// ---------------------------------------------------------------------------------------

TEST(SzeneFenster, PixelAbbildungMitSaettigung) {
    Zeichenfenster f;
    szene::SetzeFenster(f, 0, 20, 558, 0, 20, 558);
    EXPECT_EQ(szene::PixelX(f, 0), 0);
    EXPECT_EQ(szene::PixelX(f, 10), 279);
    EXPECT_EQ(szene::PixelX(f, 20), 558);
    EXPECT_EQ(szene::PixelX(f, -0.01), 0); // -0.279 truncates toward zero
    EXPECT_EQ(szene::PixelX(f, -0.1), -2);
    EXPECT_EQ(szene::PixelY(f, 0), 558);
    EXPECT_EQ(szene::PixelY(f, 20), 0);
    EXPECT_EQ(szene::PixelY(f, 10), 279);
    EXPECT_EQ(szene::PixelX(f, 1e300), INT_MAX);
    EXPECT_EQ(szene::PixelX(f, -1e300), INT_MIN);
    EXPECT_EQ(szene::PixelY(f, -1e300), INT_MAX);
    EXPECT_EQ(szene::PixelX(f, std::numeric_limits<double>::quiet_NaN()), 0);

    Zeichenfenster leer;
    szene::SetzeFenster(leer, 0, 0, 558, 0, 0, 558);
    EXPECT_EQ(szene::PixelX(leer, 5), 0);
    EXPECT_EQ(szene::PixelY(leer, 5), 0);

    EXPECT_NEAR(szene::PolarX(2, 90), 2, 1e-15);
    EXPECT_NEAR(szene::PolarY(2, 90), 0, 1e-15);
    EXPECT_NEAR(szene::PolarY(2, 180), -2, 1e-15);
}

TEST(SzeneStandard, AchsenKompassUndAnschlagbereich) {
    Simulationszustand z = Standard();
    const Bild b = Male(z);
    const QColor bg = Aufzeichnung::StandardHintergrund;

    // Axes along the bottom row and the left column.
    ASSERT_GE(b.a.formen.size(), 2u);
    EXPECT_EQ(b.a.formen[0].punkte, (std::vector<QPoint>{{0, 557}, {558, 557}}));
    EXPECT_EQ(b.a.formen[0].stift, szene::Schwarz);
    EXPECT_EQ(b.a.formen[0].breite, 1);

    const auto ellipsen = Ellipsen(b.a);
    ASSERT_GE(ellipsen.size(), 3u);
    EXPECT_EQ(ellipsen[0].punkte, (std::vector<QPoint>{{0, 0}, {558, 558}}));
    EXPECT_EQ(ellipsen[0].pinsel, bg);
    EXPECT_EQ(ellipsen[0].stift, szene::Schwarz);
    EXPECT_EQ(ellipsen[1].punkte, (std::vector<QPoint>{{40, 40}, {518, 518}}));
    EXPECT_EQ(ellipsen[1].pinsel, szene::Rot);

    const auto torten = Wo(b.a, [](const Form& f) { return f.art == Art::Torte; });
    ASSERT_EQ(torten.size(), 1u);
    EXPECT_EQ(torten[0].punkte, (std::vector<QPoint>{{40, 40}, {518, 518}, {548, 206}, {9, 206}}));
    EXPECT_EQ(torten[0].pinsel, szene::Grau);
    EXPECT_EQ(torten[0].breite, 1);

    // The stop marks: 0.4 to 0.6 of the size out, the west one running off the box.
    const auto dick = Linien(b.a, 4);
    ASSERT_GE(dick.size(), 2u);
    EXPECT_EQ(dick[0].punkte, (std::vector<QPoint>{{494, 221}, {602, 192}}));
    EXPECT_EQ(dick[1].punkte, (std::vector<QPoint>{{63, 221}, {-44, 192}}));
    EXPECT_EQ(dick[0].stift, szene::Schwarz);
    // The needle to the compass circle, due south.
    ASSERT_EQ(Nadeln(b.a).size(), 1u);
    EXPECT_EQ(Nadeln(b.a)[0].punkte[1], QPoint(279, 558));
    EXPECT_FALSE(b.ergebnis.BewegungGestartet);
    EXPECT_EQ(z.LastPos, 180);
}

struct TextFall {
    const char* text;
    QPoint ort;
};
class SzeneTexte : public testing::TestWithParam<TextFall> {};

TEST_P(SzeneTexte, OrtUndHintergrund) {
    Simulationszustand z = Standard();
    const Bild b = Male(z);
    const QString text = QString::fromUtf8(GetParam().text);
    const auto t = Wo(b.a, [&](const Form& f) { return f.art == Art::Text && f.text == text; });
    ASSERT_EQ(t.size(), 1u) << GetParam().text;
    EXPECT_EQ(t[0].punkte[0], GetParam().ort);
    EXPECT_EQ(t[0].pinsel, Aufzeichnung::StandardHintergrund);
}

INSTANTIATE_TEST_SUITE_P(Beschriftung, SzeneTexte,
                         testing::Values(TextFall{"x:20m", {498, 543}}, TextFall{"y:20m", {5, 5}},
                                         TextFall{"W=270°", {1, 279}},
                                         TextFall{"O=90°", {518, 279}}, TextFall{"N=0°", {269, 10}},
                                         TextFall{"S=180°", {269, 538}}));

TEST(SzeneAchsen, DezimaltrennerDesNutzers) {
    const QChar vorher = zahltext::Dezimaltrenner();
    zahltext::SetzeDezimaltrenner(u',');
    Simulationszustand z = Standard();
    z.Scale = 2050 * 0.01;
    const Bild b = Male(z);
    zahltext::SetzeDezimaltrenner(vorher);
    QStringList texte;
    for (const Form& f : b.a.formen)
        if (f.art == Art::Text) texte << f.text;
    EXPECT_TRUE(texte.contains(QStringLiteral("x:20,5m"))) << texte.join(u' ').toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("y:20,5m")));
}

// Sun and moon: the box of the last yellow or white disc around the sun point P.
struct SonnenFall {
    double hoehe;
    int k;         // half size of the disc
    int deckLinks; // moon only: the covering ellipse's left edge from P.x
};
class SzeneSonne : public testing::TestWithParam<SonnenFall> {};

TEST_P(SzeneSonne, GroesseNachHoehe) {
    Simulationszustand z = Standard();
    z.Hoehe = GetParam().hoehe;
    const Bild b = Male(z);
    const QPoint P(279, 558); // due south on the compass circle
    const int k = GetParam().k;
    const auto e = Ellipsen(b.a);
    if (z.Hoehe > 0) {
        ASSERT_EQ(e.back().pinsel, szene::Gelb);
        EXPECT_EQ(e.back().punkte,
                  (std::vector<QPoint>{{P.x() - k, P.y() - k}, {P.x() + k, P.y() + k}}));
    } else {
        ASSERT_GE(e.size(), 2u);
        const Form& scheibe = e[e.size() - 2];
        const Form& decke = e.back();
        EXPECT_EQ(scheibe.pinsel, szene::Weiss);
        EXPECT_EQ(scheibe.punkte,
                  (std::vector<QPoint>{{P.x() - k, P.y() - k}, {P.x() + k, P.y() + k}}));
        EXPECT_EQ(decke.pinsel, Aufzeichnung::StandardHintergrund);
        EXPECT_EQ(decke.punkte, (std::vector<QPoint>{{P.x() - GetParam().deckLinks, P.y() - k},
                                                     {P.x() + k, P.y() + k}}));
    }
    // The sun line ends at P, the arrowhead sits at the centre pointing away from the sun.
    const auto linien = Linien(b.a, 1);
    EXPECT_EQ(linien.back().punkte, (std::vector<QPoint>{Mitte, P}));
    const Form pfeil = Pfeile(b.a).back();
    EXPECT_EQ(pfeil.punkte[0], Mitte);
    EXPECT_GT(pfeil.punkte[1].y(), Mitte.y());
    EXPECT_GT(pfeil.punkte[2].y(), Mitte.y());
}

INSTANTIATE_TEST_SUITE_P(Hoehen, SzeneSonne,
                         testing::Values(SonnenFall{30, 25, 0}, SonnenFall{45, 37, 0},
                                         SonnenFall{90, 75, 0}, SonnenFall{0.5, 0, 0},
                                         SonnenFall{-45, 50, 25}, SonnenFall{-90, 100, 50}));

// The rows for several tracker positions: long side across the facing direction, front
// edge through the centre, the back edge and the second row behind, the shadow away from
// the sun.
class SzeneReihen : public testing::TestWithParam<double> {};

TEST_P(SzeneReihen, LageZurBlickrichtung) {
    Simulationszustand z = Standard();
    z.Azimut = GetParam();
    z.LastPos = GetParam();
    const Bild b = Male(z);
    const double a = GetParam() * pi / 180;
    const QPointF blick(std::sin(a), -std::cos(a)); // facing direction on screen

    const auto reihen = Reihen(b.a);
    ASSERT_EQ(reihen.size(), 2u);
    const Form& erste = reihen[0];
    const QPointF F1 = erste.punkte[0], F2 = erste.punkte[1], B2 = erste.punkte[2],
                  B1 = erste.punkte[3];
    EXPECT_NEAR(Laenge(F2 - F1), 15 * 27.9, 2); // 15 m row
    EXPECT_NEAR(Skalar(F2 - F1, blick), 0, 1.5);
    // The back edge 1.39 m (d = HEff / tan 30°) behind the front edge.
    EXPECT_NEAR(Skalar(B1 - F1, blick), -0.8 / std::tan(30 * pi / 180) * 27.9, 1.5);
    EXPECT_NEAR(Skalar(B2 - F2, blick), -0.8 / std::tan(30 * pi / 180) * 27.9, 1.5);
    // Front edge: thick and yellow by day, through the centre.
    const auto kante =
        Wo(b.a, [](const Form& f) { return f.art == Art::Linie && f.stift == szene::Gelb; });
    ASSERT_EQ(kante.size(), 1u);
    EXPECT_EQ(kante[0].breite, 4);
    EXPECT_EQ(kante[0].punkte, (std::vector<QPoint>{erste.punkte[0], erste.punkte[1]}));
    EXPECT_LE(Laenge((QPointF(F1) + QPointF(F2)) / 2 - QPointF(Mitte)), 1.5);
    // Second row: front edge 2.89 m behind the first row's front edge.
    const Form& zweite = reihen[1];
    EXPECT_NEAR(Skalar(QPointF(zweite.punkte[0]) - F1, blick),
                -(0.8 / std::tan(30 * pi / 180) + 1.5) * 27.9, 1.5);
    EXPECT_LT(Skalar(Schwerpunkt(zweite) - Schwerpunkt(erste), blick), -70);
    // Shadow sides from the back corners, away from the sun, and arrowheads at their ends.
    const auto seiten = Wo(b.a, [&](const Form& f) {
        return f.art == Art::Linie && f.breite == 1 &&
               (f.punkte[0] == erste.punkte[3] || f.punkte[0] == erste.punkte[2]);
    });
    ASSERT_EQ(seiten.size(), 2u);
    const QPointF sonne(std::sin(a), -std::cos(a));
    for (const Form& s : seiten)
        EXPECT_NEAR(Skalar(QPointF(s.punkte[1] - s.punkte[0]), sonne), -0.95 * 27.9, 1.5);
    const auto pfeile = Pfeile(b.a);
    ASSERT_EQ(pfeile.size(), 3u); // two at the shadow, one at the centre
    EXPECT_EQ(pfeile[0].punkte[0], seiten[0].punkte[1]);
    EXPECT_EQ(pfeile[1].punkte[0], seiten[1].punkte[1]);
    const auto fern = Linien(b.a, 3);
    ASSERT_EQ(fern.size(), 1u);
    EXPECT_EQ(fern[0].punkte, (std::vector<QPoint>{seiten[0].punkte[1], seiten[1].punkte[1]}));
}

INSTANTIATE_TEST_SUITE_P(Positionen, SzeneReihen, testing::Values(180.0, 90.0, 270.0, 135.0));

TEST(SzeneReihen, SuedUndOstAufDemBildschirm) {
    // Due south: long side horizontal, front edge facing down, second row above.
    Simulationszustand z = Standard();
    Bild b = Male(z);
    auto r = Reihen(b.a);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_LE(std::abs(r[0].punkte[0].y() - r[0].punkte[1].y()), 1);
    EXPECT_LT(r[0].punkte[3].y(), r[0].punkte[0].y()); // back edge above the front edge
    int obenErste = INT_MAX, untenZweite = INT_MIN;
    for (QPoint p : r[0].punkte)
        obenErste = std::min(obenErste, p.y());
    for (QPoint p : r[1].punkte)
        untenZweite = std::max(untenZweite, p.y());
    EXPECT_LT(untenZweite, obenErste);

    // Due east: long side vertical, facing right, second row to the west.
    z = Standard();
    z.Azimut = 90;
    z.LastPos = 90;
    b = Male(z);
    r = Reihen(b.a);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_LE(std::abs(r[0].punkte[0].x() - r[0].punkte[1].x()), 1);
    EXPECT_LT(r[0].punkte[3].x(), r[0].punkte[0].x());
    int linksErste = INT_MAX, rechtsZweite = INT_MIN;
    for (QPoint p : r[0].punkte)
        linksErste = std::min(linksErste, p.x());
    for (QPoint p : r[1].punkte)
        rechtsZweite = std::max(rechtsZweite, p.x());
    EXPECT_LT(rechtsZweite, linksErste);
}

TEST(SzeneReihen, OhneSchattenKeinePfeileUndKeineFerneKante) {
    Simulationszustand z = Standard();
    z.Schatten = 0;
    const Bild b = Male(z);
    EXPECT_EQ(Pfeile(b.a).size(), 1u); // only the one at the centre
    EXPECT_TRUE(Linien(b.a, 3).empty());
    // The sides are drawn, with no length.
    const auto r = Reihen(b.a);
    const auto seiten = Wo(b.a, [&](const Form& f) {
        return f.art == Art::Linie && f.breite == 1 && f.punkte[0] == r[0].punkte[3];
    });
    ASSERT_EQ(seiten.size(), 1u);
    EXPECT_EQ(seiten[0].punkte[1], seiten[0].punkte[0]);
}

TEST(SzeneReihen, OhneNeigungTiefeGleichModulHEff) {
    Simulationszustand z = Standard();
    z.ModulNRad = 0;
    z.ModulHEff = 0;
    const Bild b = Male(z);
    const auto r = Reihen(b.a);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].punkte[0], r[0].punkte[3]); // a row drawn as a line
    EXPECT_NEAR(r[0].punkte[0].y() - r[1].punkte[0].y(), 1.5 * 27.9, 1.5);
}

// "Anschläge verwenden": the needle and rows stand at the clamped position; the same paint
// unclamped at that position draws the same.
struct AnschlagFall {
    bool anschlaege;
    double trackerPos, gezeigt;
};
class SzeneAnschlaege : public testing::TestWithParam<AnschlagFall> {};

TEST_P(SzeneAnschlaege, GezeigtePosition) {
    const AnschlagFall c = GetParam();
    Simulationszustand z = Standard();
    z.Azimut = c.trackerPos;
    z.LastPos = c.gezeigt;
    EXPECT_EQ(simlauf::GezeigtePosition(z, c.anschlaege), c.gezeigt);
    const Bild b = Male(z, c.anschlaege);
    EXPECT_EQ(z.LastPos, c.gezeigt);
    EXPECT_EQ(z.TrackerPos(), c.trackerPos); // what the labels show stays unclamped

    Simulationszustand frei = Standard();
    frei.Azimut = c.trackerPos;
    frei.WinkelZurSonne = c.gezeigt - c.trackerPos;
    frei.LastPos = c.gezeigt;
    const Bild vergleich = Male(frei);
    ASSERT_EQ(Nadeln(b.a).size(), 1u);
    EXPECT_EQ(Nadeln(b.a)[0].punkte, Nadeln(vergleich.a)[0].punkte);
    EXPECT_EQ(Reihen(b.a)[0].punkte, Reihen(vergleich.a)[0].punkte);
}

INSTANTIATE_TEST_SUITE_P(Faelle, SzeneAnschlaege,
                         testing::Values(AnschlagFall{true, 60, 75}, AnschlagFall{true, 300, 285},
                                         AnschlagFall{false, 60, 60}, AnschlagFall{false, 300, 300},
                                         AnschlagFall{true, 75, 75}, AnschlagFall{true, 285, 285},
                                         AnschlagFall{true, 180, 180}));

TEST(SzeneAnschlaege, WestanschlagVorDerErstenRechnung) {
    // EndlageStop holds 285 until the first complete calculation stores the edit - 360.
    Simulationszustand a = Standard(), b = Standard();
    a.EndlageStop = 285;
    b.EndlageStop = -75;
    EXPECT_TRUE(Gleich(Male(a).a, Male(b).a));
}

// The jump test truncates the difference first: 15.9 is drawn at once, 16.0 starts a move.
struct SprungFall {
    double differenz; // LastPos - p
    bool bewegung;
};
class SzeneSprung : public testing::TestWithParam<SprungFall> {};

TEST_P(SzeneSprung, AbSechzehnGrad) {
    Simulationszustand z = Standard();
    z.LastPos = 180 + GetParam().differenz;
    const Bild b = Male(z);
    EXPECT_EQ(b.ergebnis.BewegungGestartet, GetParam().bewegung);
    EXPECT_EQ(z.MoveActive, GetParam().bewegung);
    if (GetParam().bewegung) {
        EXPECT_TRUE(Reihen(b.a).empty());
        EXPECT_TRUE(Nadeln(b.a).empty());
        EXPECT_TRUE(Wo(b.a, [](const Form& f) { return f.art == Art::Torte; }).empty());
        EXPECT_DOUBLE_EQ(z.MoveStep, GetParam().differenz * 0.04);
        EXPECT_EQ(z.MoveTarget, 180);
        EXPECT_EQ(z.MovePos, 180 + GetParam().differenz);
        EXPECT_EQ(z.LastPos, 180 + GetParam().differenz);
        EXPECT_EQ(Ellipsen(b.a).back().pinsel, szene::Gelb); // the sun is still drawn
    } else {
        EXPECT_EQ(Reihen(b.a).size(), 2u);
        EXPECT_EQ(Nadeln(b.a).size(), 1u);
        EXPECT_EQ(z.LastPos, 180);
    }
}

INSTANTIATE_TEST_SUITE_P(Differenzen, SzeneSprung,
                         testing::Values(SprungFall{15.9, false}, SprungFall{16.0, true},
                                         SprungFall{-15.9, false}, SprungFall{-16.0, true},
                                         SprungFall{15.999999, false}, SprungFall{180, true}));

TEST(SzeneBewegung, ReihenFuenfGradVorDerNadel) {
    // While moving: needle at MovePos, rows at MovePos + 5 - the same as the rows of a
    // resting tracker with an east-stop error of 5.
    Simulationszustand bewegt = Standard();
    bewegt.MoveActive = true;
    bewegt.MovePos = 150;
    bewegt.EndlageStartErr = 2; // not used while moving
    Simulationszustand ruhend = Standard();
    ruhend.WinkelZurSonne = -30;
    ruhend.LastPos = 155;
    ruhend.EndlageStartErr = 5;
    EXPECT_TRUE(Gleich(Male(bewegt).a, Male(ruhend).a));
    EXPECT_EQ(bewegt.LastPos, 155);
    EXPECT_TRUE(bewegt.MoveActive);
}

// A constant east-stop error draws the rows off the needle. The jump test compares needles,
// so the error alone never turns the tracker, while a real jump still does, from where the
// needle stood.
class SzeneEndlagenfehler : public testing::TestWithParam<double> {};

// The window's move tick: advance, end at the target, then the paint it asked for.
void BewegungAuslaufen(Simulationszustand& z) {
    simlauf::Zeitgeber zg{false, true};
    for (int i = 0; i < 100 && zg.TimerMove; ++i) {
        simlauf::BewegeWeiter(z);
        simlauf::BeendeBewegung(z, zg);
        Male(z);
    }
    ASSERT_FALSE(zg.TimerMove);
}

TEST_P(SzeneEndlagenfehler, NurEchteSpruengeBewegen) {
    const double fehler = GetParam();
    Simulationszustand z = Standard();
    z.EndlageStartErr = fehler;
    Male(z);
    // Steps short of a jump, each way: drawn at once, the rows at the needle plus the error.
    for (double schritt : {3.0, -3.0, 10.0, -10.0, 15.9, -15.9}) {
        z.Azimut += schritt;
        ASSERT_FALSE(Male(z).ergebnis.BewegungGestartet) << schritt;
        EXPECT_EQ(z.LastPos, z.Azimut + fehler);
    }

    // The correction changes its sign: the tracker turns from where the needle stood.
    z = Standard();
    z.EndlageStartErr = fehler;
    z.Azimut = 155;
    z.WinkelZurSonne = 25;
    Male(z);
    z.Azimut = 157;
    ASSERT_FALSE(Male(z).ergebnis.BewegungGestartet);
    z.WinkelZurSonne = -25;
    EXPECT_TRUE(Male(z).ergebnis.BewegungGestartet);
    EXPECT_EQ(z.MovePos, 182);
    EXPECT_EQ(z.MoveTarget, 132);
    EXPECT_DOUBLE_EQ(z.MoveStep, 50 * 0.04);
    BewegungAuslaufen(z);
    // The paint after the move drew the tracker at rest; the next starts nothing.
    EXPECT_FALSE(z.MoveActive);
    EXPECT_EQ(z.LastPos, 132 + fehler);
    EXPECT_FALSE(Male(z).ergebnis.BewegungGestartet);

    // At sunset the tracker returns from the needle, not from its rows.
    simlauf::StarteNachtRueckkehr(z);
    EXPECT_EQ(z.MovePos, 132);
    // A sunset during a move returns from where that move had got to.
    Male(z);
    simlauf::BewegeWeiter(z);
    Male(z);
    const double unterwegs = z.MovePos;
    simlauf::StarteNachtRueckkehr(z);
    EXPECT_EQ(z.MovePos, unterwegs);

    // By night the needle waits at MorgenPos; the sunrise turns the tracker only when the
    // day begins 16 degrees or more away from it.
    for (double abstand : {10.0, -10.0, 20.0, -20.0}) {
        Simulationszustand n = Standard();
        n.EndlageStartErr = fehler;
        n.Hoehe = -2;
        Male(n);
        n.Hoehe = 2;
        n.Azimut = n.MorgenPos + abstand;
        EXPECT_EQ(Male(n).ergebnis.BewegungGestartet, std::fabs(abstand) >= 16) << abstand;
        if (n.MoveActive) {
            EXPECT_EQ(n.MovePos, n.MorgenPos);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fehler, SzeneEndlagenfehler, testing::Values(-20, -10, 0, 18, 20));

TEST(SzeneNacht, MorgenPositionSchwarzeKanteUndMond) {
    Simulationszustand z = Standard();
    z.Hoehe = -10;
    z.Azimut = 330;
    z.LastPos = 0; // far away: by night no jump is started
    z.EndlageStartErr = 3;
    const Bild b = Male(z);
    EXPECT_FALSE(b.ergebnis.BewegungGestartet);
    EXPECT_EQ(z.LastPos, 65);

    Simulationszustand tag = Standard();
    tag.Azimut = 62;
    tag.LastPos = 62;
    const Bild vergleich = Male(tag);
    EXPECT_EQ(Nadeln(b.a)[0].punkte, Nadeln(vergleich.a)[0].punkte);

    const auto kante = Wo(b.a, [&](const Form& f) {
        return f.art == Art::Linie && f.breite == 4 && f.punkte[0] == Reihen(b.a)[0].punkte[0];
    });
    ASSERT_EQ(kante.size(), 1u);
    EXPECT_EQ(kante[0].stift, szene::Schwarz);
    EXPECT_TRUE(Wo(b.a, [](const Form& f) { return f.stift == szene::Gelb; }).empty());
    EXPECT_EQ(Ellipsen(b.a).back().pinsel, Aufzeichnung::StandardHintergrund);
}

TEST(SzeneZustand, PinselBleibtNachDemSchattenSchwarz) {
    // The arrowheads leave the brush black; only the routines that set it change it.
    Simulationszustand z = Standard();
    Aufzeichnung a;
    Zeichenfenster& f = z.Fenster;
    szene::SetzeFenster(f, 0, 20, 558, 0, 20, 558);
    a.StiftBreite(1);
    szene::ZeichneModulreihen(z, a, 1.6, 15, z.ModulNRad, 1.5, 180, 180);
    EXPECT_EQ(a.Pinsel(), szene::Schwarz);
    EXPECT_EQ(a.Breite(), 1);
    EXPECT_EQ(a.Stift(), szene::Schwarz);
}

// Odd states: nothing crashes, nothing beyond the guarded range reaches the surface.
TEST(SzeneGrenzfaelle, MassstabNullOderNegativZeichnetNichts) {
    for (double s : {0.0, -20.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        Simulationszustand z = Standard();
        z.Scale = s;
        z.LastPos = 0;
        const Bild b = Male(z);
        EXPECT_TRUE(b.a.formen.empty()) << s;
        EXPECT_FALSE(b.ergebnis.BewegungGestartet);
        EXPECT_FALSE(z.MoveActive);
    }
}

struct ExtremFall {
    const char* name;
    std::function<void(Simulationszustand&)> setze;
};
class SzeneExtrem : public testing::TestWithParam<ExtremFall> {};

TEST_P(SzeneExtrem, KeineUnbegrenztenKoordinaten) {
    Simulationszustand z = Standard();
    GetParam().setze(z);
    const Bild b = Male(z);
    for (const Form& f : b.a.formen)
        for (QPoint p : f.punkte) {
            EXPECT_LE(std::abs(static_cast<long long>(p.x())), 1LL << 30) << GetParam().name;
            EXPECT_LE(std::abs(static_cast<long long>(p.y())), 1LL << 30) << GetParam().name;
        }
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
INSTANTIATE_TEST_SUITE_P(
    Zustaende, SzeneExtrem,
    testing::Values(ExtremFall{"Schatten1e12", [](Simulationszustand& z) { z.Schatten = 1e12; }},
                    ExtremFall{"Schatten1e300", [](Simulationszustand& z) { z.Schatten = 1e300; }},
                    ExtremFall{"SchattenMax",
                               [](Simulationszustand& z) {
                                   z.Schatten = std::numeric_limits<double>::max();
                               }},
                    ExtremFall{"Breit", [](Simulationszustand& z) { z.ModulL = 1e17; }},
                    ExtremFall{"WinzigerMassstab", [](Simulationszustand& z) { z.Scale = 1e-300; }},
                    ExtremFall{"RiesigerMassstab", [](Simulationszustand& z) { z.Scale = 1e300; }},
                    ExtremFall{"AzimutNaN", [](Simulationszustand& z) { z.Azimut = NaN; }},
                    ExtremFall{"HoeheNaN", [](Simulationszustand& z) { z.Hoehe = NaN; }},
                    ExtremFall{"HoeheRiesig", [](Simulationszustand& z) { z.Hoehe = 1e300; }},
                    ExtremFall{"NeigungNaN", [](Simulationszustand& z) { z.ModulHEff = NaN; }},
                    ExtremFall{"LastPosRiesig", [](Simulationszustand& z) { z.LastPos = 1e300; }},
                    ExtremFall{"StopNaN", [](Simulationszustand& z) { z.EndlageStart = NaN; }}),
    [](const testing::TestParamInfo<ExtremFall>& i) { return std::string(i.param.name); });

TEST(SzeneGrenzfaelle, LangerSchattenBehaeltSeineRichtung) {
    Simulationszustand z = Standard();
    z.Schatten = 1e12; // sun just above the horizon in the south: the shadow runs north
    const Bild b = Male(z);
    const auto r = Reihen(b.a);
    const auto seiten = Wo(b.a, [&](const Form& f) {
        return f.art == Art::Linie && f.breite == 1 &&
               (f.punkte[0] == r[0].punkte[3] || f.punkte[0] == r[0].punkte[2]);
    });
    ASSERT_EQ(seiten.size(), 2u);
    for (const Form& s : seiten) {
        EXPECT_EQ(s.punkte[1].x(), s.punkte[0].x());
        EXPECT_LE(s.punkte[1].y(), -(1 << 29)); // cut at the guard, still straight north
    }
    EXPECT_EQ(Pfeile(b.a).size(), 1u); // the far corners' arrowheads lie far outside
}

// ---------------------------------------------------------------------------------------
// Clipping and the sector angles

TEST(SzeneBeschneiden, Strecken) {
    const QRectF r(0, 0, 100, 100);
    QPointF a(10.25, 20), b(30, 40.5);
    ASSERT_TRUE(BeschneideStrecke(a, b, r));
    EXPECT_EQ(a, QPointF(10.25, 20)); // untouched inside
    EXPECT_EQ(b, QPointF(30, 40.5));

    a = QPointF(50, 50);
    b = QPointF(250, 50);
    ASSERT_TRUE(BeschneideStrecke(a, b, r));
    EXPECT_EQ(a, QPointF(50, 50));
    EXPECT_EQ(b, QPointF(100, 50));

    // Endpoints near the double limit: the cut is coarse at that scale, but it lands inside.
    for (auto [von, bis] : {std::pair{QPointF(-1e308, -1e308), QPointF(1e308, 1e308)},
                            std::pair{QPointF(-std::numeric_limits<double>::max(), 50),
                                      QPointF(std::numeric_limits<double>::max(), 50)}}) {
        a = von;
        b = bis;
        ASSERT_TRUE(BeschneideStrecke(a, b, r));
        for (QPointF p : {a, b})
            EXPECT_TRUE(r.contains(p)) << p.x() << ' ' << p.y();
    }
    EXPECT_EQ(b.y(), 50);

    // Far but within the double's precision, the direction survives.
    a = QPointF(50, 50);
    b = QPointF(50 + 3e13, 50 - 3e13);
    ASSERT_TRUE(BeschneideStrecke(a, b, r));
    EXPECT_NEAR(b.x(), 100, 1e-6);
    EXPECT_NEAR(b.y(), 0, 1e-6);

    a = QPointF(200, 0);
    b = QPointF(300, 100);
    EXPECT_FALSE(BeschneideStrecke(a, b, r));
    a = QPointF(NaN, 0);
    b = QPointF(50, 50);
    EXPECT_FALSE(BeschneideStrecke(a, b, r));
}

TEST(SzeneBeschneiden, Vielecke) {
    const QRectF r(0, 0, 100, 100);
    const std::vector<QPointF> innen{{10, 10}, {90, 10}, {50, 90}};
    EXPECT_EQ(BeschneideVieleck(innen, r), innen);
    EXPECT_TRUE(BeschneideVieleck({{200, 200}, {300, 200}, {250, 300}}, r).empty());
    EXPECT_TRUE(BeschneideVieleck({{NaN, 10}, {90, 10}, {50, 90}}, r).empty());
    const auto halb = BeschneideVieleck({{50, 50}, {1e300, 50}, {1e300, 60}, {50, 60}}, r);
    ASSERT_EQ(halb.size(), 4u);
    for (const QPointF& p : halb)
        EXPECT_TRUE(p.x() >= 50 && p.x() <= 100 && p.y() >= 50 && p.y() <= 60);
}

struct TortenFall {
    QPoint e, w;
    double start, spanne; // degrees
};
class SzeneTorte : public testing::TestWithParam<TortenFall> {};

TEST_P(SzeneTorte, WinkelGegenDenUhrzeigersinn) {
    const TortenWinkel t = BerechneTortenWinkel({40, 40}, {518, 518}, GetParam().e, GetParam().w);
    EXPECT_NEAR(t.start16 / 16.0, GetParam().start, 0.2);
    EXPECT_NEAR(t.spanne16 / 16.0, GetParam().spanne, 0.2);
}

INSTANTIATE_TEST_SUITE_P(
    Richtungen, SzeneTorte,
    testing::Values(
        // The default stops: the northern 150 degrees (a little less after truncation).
        TortenFall{{548, 206}, {9, 206}, 15.18, 149.70},
        // Swapped: the southern 210 degrees.
        TortenFall{{9, 206}, {548, 206}, 164.88, 210.30},
        TortenFall{{279, 0}, {0, 279}, 90, 90},       // north to west
        TortenFall{{279, 558}, {279, 0}, 270, 180},   // south to north via east
        TortenFall{{100, 279}, {100, 279}, 180, 360}) // same direction: the whole disc
);

} // namespace
