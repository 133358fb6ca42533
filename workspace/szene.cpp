#include "workspace/szene.h"

#include "basis/zahltext.h"
#include "geometry/tracker.h"
#include "widgets/schriften.h"
#include "workspace/simlauf.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>

// ---------------------------------------------------------------------------------------
// Clipping

namespace {

// Differences of coordinates near the double limit would overflow; scaling by a power of
// two is exact, so such inputs are cut in a smaller scale and scaled back.
double Massstab(std::initializer_list<double> werte) {
    double m = 0;
    for (double v : werte)
        m = std::max(m, std::fabs(v));
    return m > 0x1p1000 ? 0x1p-64 : 1.0;
}

QPointF Mal(QPointF p, double s) {
    return QPointF(p.x() * s, p.y() * s);
}
QRectF Mal(const QRectF& r, double s) {
    return QRectF(Mal(r.topLeft(), s), Mal(r.bottomRight(), s));
}

bool StreckeImMassstab(QPointF& a, QPointF& b, const QRectF& r) {
    // Liang-Barsky.
    const double x0 = a.x(), y0 = a.y(), dx = b.x() - x0, dy = b.y() - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - r.left(), r.right() - x0, y0 - r.top(), r.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const QPointF start = a;
    // An endpoint the rectangle does not cut keeps its exact coordinates; a cut one is held
    // inside against rounding.
    auto innen = [&](QPointF p) {
        return QPointF(std::clamp(p.x(), r.left(), r.right()),
                       std::clamp(p.y(), r.top(), r.bottom()));
    };
    if (t0 > 0) a = innen(QPointF(start.x() + t0 * dx, start.y() + t0 * dy));
    if (t1 < 1) b = innen(QPointF(start.x() + t1 * dx, start.y() + t1 * dy));
    return true;
}

} // namespace

bool BeschneideStrecke(QPointF& a, QPointF& b, const QRectF& r) {
    for (double v : {a.x(), a.y(), b.x(), b.y()})
        if (!std::isfinite(v)) return false;
    const double s = Massstab({a.x(), a.y(), b.x(), b.y()});
    if (s == 1) return StreckeImMassstab(a, b, r);
    QPointF as = Mal(a, s), bs = Mal(b, s);
    if (!StreckeImMassstab(as, bs, Mal(r, s))) return false;
    a = Mal(as, 1 / s);
    b = Mal(bs, 1 / s);
    return true;
}

namespace {

bool Innen(const QPointF& p, const QRectF& r) {
    return p.x() >= r.left() && p.x() <= r.right() && p.y() >= r.top() && p.y() <= r.bottom();
}

// One Sutherland-Hodgman pass against the half plane of one edge. Points far outside give
// intersections by interpolation in the direction of the edge only, so no product of two
// huge coordinates is formed.
template <class DrinnenF, class SchnittF>
std::vector<QPointF> Schneide(const std::vector<QPointF>& ein, DrinnenF drinnen, SchnittF schnitt) {
    std::vector<QPointF> aus;
    if (ein.empty()) return aus;
    QPointF vorher = ein.back();
    bool vorherDrin = drinnen(vorher);
    for (const QPointF& p : ein) {
        const bool drin = drinnen(p);
        if (drin != vorherDrin) aus.push_back(schnitt(vorher, p));
        if (drin) aus.push_back(p);
        vorher = p;
        vorherDrin = drin;
    }
    return aus;
}

// Point on the segment a-b where x (or y) equals v; a and b lie on different sides.
QPointF BeiX(QPointF a, QPointF b, double v) {
    const double t = (v - a.x()) / (b.x() - a.x());
    return QPointF(
        v, std::clamp(a.y() + t * (b.y() - a.y()), std::min(a.y(), b.y()), std::max(a.y(), b.y())));
}
QPointF BeiY(QPointF a, QPointF b, double v) {
    const double t = (v - a.y()) / (b.y() - a.y());
    return QPointF(
        std::clamp(a.x() + t * (b.x() - a.x()), std::min(a.x(), b.x()), std::max(a.x(), b.x())), v);
}

} // namespace

std::vector<QPointF> BeschneideVieleck(const std::vector<QPointF>& punkte, const QRectF& r) {
    for (const QPointF& p : punkte)
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return {};
    if (std::all_of(punkte.begin(), punkte.end(), [&](const QPointF& p) { return Innen(p, r); }))
        return punkte;
    double s = 1;
    for (const QPointF& p : punkte)
        s = std::min(s, Massstab({p.x(), p.y()}));
    if (s != 1) {
        std::vector<QPointF> klein;
        for (const QPointF& p : punkte)
            klein.push_back(Mal(p, s));
        std::vector<QPointF> v = BeschneideVieleck(klein, Mal(r, s));
        for (QPointF& p : v)
            p = Mal(p, 1 / s);
        return v;
    }
    auto v = Schneide(
        punkte, [&](QPointF p) { return p.x() >= r.left(); },
        [&](QPointF a, QPointF b) { return BeiX(a, b, r.left()); });
    v = Schneide(
        v, [&](QPointF p) { return p.x() <= r.right(); },
        [&](QPointF a, QPointF b) { return BeiX(a, b, r.right()); });
    v = Schneide(
        v, [&](QPointF p) { return p.y() >= r.top(); },
        [&](QPointF a, QPointF b) { return BeiY(a, b, r.top()); });
    v = Schneide(
        v, [&](QPointF p) { return p.y() <= r.bottom(); },
        [&](QPointF a, QPointF b) { return BeiY(a, b, r.bottom()); });
    return v;
}

// ---------------------------------------------------------------------------------------
// QPainter surface

namespace {
// Beyond this margin around the view nothing can show, not even a wide pen's round cap.
constexpr int Rand = 64;
// Ellipse boxes are never larger than the view in the scene; anything this far out is
// skipped rather than handed to the rasteriser.
constexpr int EllipsenGrenze = 1 << 20;

bool BoxIstHandlich(QPoint lo, QPoint ru) {
    for (int v : {lo.x(), lo.y(), ru.x(), ru.y()})
        if (v < -EllipsenGrenze || v > EllipsenGrenze) return false;
    return true;
}
} // namespace

QPainterFlaeche::QPainterFlaeche(QPainter& p, QColor hintergrund, QRect sicht)
    : Zeichenflaeche(hintergrund), p_(p), grenze_(QRectF(sicht).adjusted(-Rand, -Rand, Rand, Rand)),
      schrift_(Schrift()) {}

QFont QPainterFlaeche::Schrift() {
    return schriften::Szene();
}

void QPainterFlaeche::SetzeStiftUndPinsel(bool mitPinsel) {
    // Round ends and joins, as wide pens of the classic drawing surfaces have them.
    QPen stift(Stift(), Breite(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p_.setPen(stift);
    p_.setBrush(mitPinsel ? QBrush(Pinsel()) : QBrush(Qt::NoBrush));
}

void QPainterFlaeche::Linie(QPoint von, QPoint bis) {
    QPointF a(von), b(bis);
    if (!BeschneideStrecke(a, b, grenze_)) return;
    SetzeStiftUndPinsel(false);
    p_.drawLine(a, b);
}

void QPainterFlaeche::Vieleck(const std::vector<QPoint>& punkte) {
    std::vector<QPointF> d(punkte.begin(), punkte.end());
    d = BeschneideVieleck(d, grenze_);
    if (d.empty()) return;
    SetzeStiftUndPinsel(true);
    p_.drawPolygon(d.data(), static_cast<int>(d.size()), Qt::OddEvenFill);
}

void QPainterFlaeche::Ellipse(QPoint lo, QPoint ru) {
    if (!BoxIstHandlich(lo, ru)) return;
    SetzeStiftUndPinsel(true);
    p_.drawEllipse(QRectF(QPointF(lo), QPointF(ru)).normalized());
}

TortenWinkel BerechneTortenWinkel(QPoint lo, QPoint ru, QPoint e, QPoint w) {
    const QPointF mitte = QRectF(QPointF(lo), QPointF(ru)).center();
    // Screen y runs down; Qt counts angles counter-clockwise with y up.
    auto winkel = [&](QPoint p) {
        return std::atan2(-(p.y() - mitte.y()), p.x() - mitte.x()) * (180 / std::numbers::pi);
    };
    double start = winkel(e);
    if (start < 0) start += 360;
    double spanne = winkel(w) - start;
    while (spanne <= 0)
        spanne += 360;
    while (spanne > 360)
        spanne -= 360;
    TortenWinkel t;
    t.start16 = static_cast<int>(std::lround(start * 16));
    t.spanne16 = static_cast<int>(std::lround(spanne * 16));
    if (t.spanne16 == 0) t.spanne16 = 360 * 16; // directions that differ by less than 1/32°
    return t;
}

void QPainterFlaeche::Torte(QPoint lo, QPoint ru, QPoint e, QPoint w) {
    if (!BoxIstHandlich(lo, ru) || !BoxIstHandlich(e, w)) return;
    const TortenWinkel t = BerechneTortenWinkel(lo, ru, e, w);
    SetzeStiftUndPinsel(true);
    p_.drawPie(QRectF(QPointF(lo), QPointF(ru)).normalized(), t.start16, t.spanne16);
}

void QPainterFlaeche::Text(QPoint lo, const QString& text) {
    if (!BoxIstHandlich(lo, lo)) return;
    const QFontMetrics fm(schrift_);
    p_.fillRect(QRect(lo.x(), lo.y(), fm.horizontalAdvance(text), fm.height()), Pinsel());
    p_.setFont(schrift_);
    p_.setPen(QColor(Qt::black));
    p_.drawText(QPoint(lo.x(), lo.y() + fm.ascent()), text);
}

// ---------------------------------------------------------------------------------------
// Recording surface

void Aufzeichnung::Merke(Art art, std::vector<QPoint> punkte, const QString& text) {
    formen.push_back(Form{art, std::move(punkte), Stift(), Breite(), Pinsel(), text});
}
void Aufzeichnung::Linie(QPoint von, QPoint bis) {
    Merke(Art::Linie, {von, bis});
}
void Aufzeichnung::Vieleck(const std::vector<QPoint>& punkte) {
    Merke(Art::Vieleck, punkte);
}
void Aufzeichnung::Ellipse(QPoint lo, QPoint ru) {
    Merke(Art::Ellipse, {lo, ru});
}
void Aufzeichnung::Torte(QPoint lo, QPoint ru, QPoint e, QPoint w) {
    Merke(Art::Torte, {lo, ru, e, w});
}
void Aufzeichnung::Text(QPoint lo, const QString& text) {
    Merke(Art::Text, {lo}, text);
}

// ---------------------------------------------------------------------------------------
// The scene

namespace szene {

Simulationszustand Beispielzustand(double azimut, double hoehe) {
    Simulationszustand z;
    z.Scale = 20;
    z.Azimut = azimut;
    z.Hoehe = hoehe;
    z.EndlageStart = 75;
    z.EndlageStop = -75;
    z.ModulL = 1500;
    z.ModulH = 160;
    z.ModulA = 150;
    const TrackerRegel r = BerechneTracker(z.ModulA, z.ModulH, 30, z.ModulL, hoehe);
    z.ModulNRad = r.NRad;
    z.ModulHEff = r.HEff;
    z.Schatten = r.Schatten;
    z.LastPos = azimut;
    return z;
}

namespace {

constexpr double ZuRad = std::numbers::pi * (1.0 / 180);

// Pixel values are carried as doubles holding whole numbers (the truncated results), so
// that nothing is converted to int before it is known to fit. Only coordinates within this
// bound reach the surface; longer segments and polygons are cut to it first.
constexpr double Grenze = 1 << 30;
const QRectF GrenzRechteck(-Grenze, -Grenze, 2 * Grenze, 2 * Grenze);

bool Passt(double v) {
    return std::fabs(v) <= Grenze;
} // false for NaN and infinity

int Ganz(double v) {
    return static_cast<int>(std::trunc(v));
} // only after Passt or a cut

QPoint Ganz(QPointF p) {
    return QPoint(Ganz(p.x()), Ganz(p.y()));
}

double Spalte(const Zeichenfenster& f, double x) {
    const double dx = x - f.XLinks;
    if (dx == 0) return 0;
    const double breite = f.XRechts - f.XLinks;
    if (breite == 0) return std::numeric_limits<double>::quiet_NaN();
    return std::trunc(dx * f.PixelBreite / breite);
}

double Zeile(const Zeichenfenster& f, double y) {
    const double dy = y - f.YOben;
    if (dy == 0) return 0;
    const double hoehe = f.YUnten - f.YOben;
    if (hoehe == 0) return std::numeric_limits<double>::quiet_NaN();
    return std::trunc(dy * f.PixelHoehe / hoehe);
}

// A world point in pixels.
QPointF Pixel(const Zeichenfenster& f, double x, double y) {
    return QPointF(Spalte(f, x), Zeile(f, y));
}

QPointF Trunc(double x, double y) {
    return QPointF(std::trunc(x), std::trunc(y));
}

void Linie(Zeichenflaeche& f, QPointF a, QPointF b) {
    if (!BeschneideStrecke(a, b, GrenzRechteck)) return;
    f.Linie(Ganz(a), Ganz(b));
}

void Vieleck(Zeichenflaeche& f, const std::vector<QPointF>& punkte) {
    const std::vector<QPointF> d = BeschneideVieleck(punkte, GrenzRechteck);
    if (d.empty()) return;
    std::vector<QPoint> p;
    p.reserve(d.size());
    for (const QPointF& q : d)
        p.push_back(Ganz(q));
    f.Vieleck(p);
}

// Ellipses, sectors and texts are never long: one that does not fit is nowhere near the box.
bool Passen(std::initializer_list<QPointF> punkte) {
    for (const QPointF& p : punkte)
        if (!Passt(p.x()) || !Passt(p.y())) return false;
    return true;
}

void Ellipse(Zeichenflaeche& f, QPointF lo, QPointF ru) {
    if (Passen({lo, ru})) f.Ellipse(Ganz(lo), Ganz(ru));
}

void Torte(Zeichenflaeche& f, QPointF lo, QPointF ru, QPointF e, QPointF w) {
    if (Passen({lo, ru, e, w})) f.Torte(Ganz(lo), Ganz(ru), Ganz(e), Ganz(w));
}

void Text(Zeichenflaeche& f, QPointF lo, const QString& text) {
    if (Passen({lo})) f.Text(Ganz(lo), text);
}

int Saettige(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

} // namespace

void SetzeFenster(Zeichenfenster& f, double XLinks, double XRechts, double PixelBreite,
                  double YUnten, double YOben, double PixelHoehe) {
    f.XLinks = XLinks;
    f.XRechts = XRechts;
    f.PixelBreite = PixelBreite;
    f.YUnten = YUnten;
    f.YOben = YOben;
    f.PixelHoehe = PixelHoehe;
}

int PixelX(const Zeichenfenster& f, double x) {
    return Saettige(Spalte(f, x));
}
int PixelY(const Zeichenfenster& f, double y) {
    return Saettige(Zeile(f, y));
}
double PolarX(double laenge, double winkel) {
    return laenge * std::sin(winkel * ZuRad);
}
double PolarY(double laenge, double winkel) {
    return laenge * std::cos(winkel * ZuRad);
}

void ZeichneAchsen(Simulationszustand& z, Zeichenflaeche& f, double ex, double ey) {
    SetzeFenster(z.Fenster, 0, ex, Seite, 0, ey, Seite);
    const Zeichenfenster& w = z.Fenster;
    const double x0 = Spalte(w, 0), y0 = Zeile(w, 0), xe = Spalte(w, ex), ye = Zeile(w, ey);
    f.StiftFarbe(Schwarz);
    Linie(f, {x0, y0 - 1}, {xe, y0 - 1});
    Text(f, {xe - 60, y0 - 15},
         QStringLiteral("x:") + zahltext::Allgemein(ex) + QStringLiteral("m"));
    Linie(f, {x0, y0 - 2}, {x0, ye});
    Text(f, {x0 + 5, ye + 5}, QStringLiteral("y:") + zahltext::Allgemein(ey) + QStringLiteral("m"));
}

void ZeichneKompass(const Simulationszustand& z, Zeichenflaeche& f, double cx, double cy,
                    double groesse) {
    const Zeichenfenster& w = z.Fenster;
    f.PinselFarbe(f.Hintergrund());
    f.StiftFarbe(Schwarz);
    Ellipse(f, {Spalte(w, 0), Zeile(w, groesse / 2 + cy)},
            {Spalte(w, groesse / 2 + cx), Zeile(w, 0)});
    Text(f, {Spalte(w, 0) + 1, Zeile(w, cy)}, QCoreApplication::translate("Szene", "W=270°"));
    Text(f, {Spalte(w, groesse / 2 + cx) - 40, Zeile(w, cy)},
         QCoreApplication::translate("Szene", "O=90°"));
    Text(f, {Spalte(w, cx) - 10, Zeile(w, groesse / 2 + cy) + 10},
         QCoreApplication::translate("Szene", "N=0°"));
    Text(f, {Spalte(w, cx) - 10, Zeile(w, 0) - 20}, QCoreApplication::translate("Szene", "S=180°"));
    f.StiftBreite(4);
    const double r1 = groesse / 2 - 0.1 * groesse, r2 = groesse / 2 + 0.1 * groesse;
    for (double a : {z.EndlageStart, z.EndlageStop})
        Linie(f, Pixel(w, cx + PolarX(r1, a), cy + PolarY(r1, a)),
              Pixel(w, cx + PolarX(r2, a), cy + PolarY(r2, a)));
    f.StiftBreite(1);
}

void ZeichneAnschlagbereich(const Simulationszustand& z, Zeichenflaeche& f, double cx, double cy,
                            double groesse, double winkel) {
    const Zeichenfenster& w = z.Fenster;
    f.StiftFarbe(Schwarz);
    f.PinselFarbe(Rot);
    const QPointF lo(Spalte(w, 0) + 40, Zeile(w, 2 * cy) + 40);
    const QPointF ru(Spalte(w, 2 * cx) - 40, Zeile(w, 0) - 40);
    Ellipse(f, lo, ru);
    f.PinselFarbe(Grau);
    const double r = groesse / 2;
    Torte(f, lo, ru, Pixel(w, cx + PolarX(r, z.EndlageStart), cy + PolarY(r, z.EndlageStart)),
          Pixel(w, cx + PolarX(r, z.EndlageStop), cy + PolarY(r, z.EndlageStop)));
    f.StiftBreite(4);
    Linie(f, Pixel(w, cx, cy), Pixel(w, cx + PolarX(r, winkel), cy + PolarY(r, winkel)));
    f.StiftBreite(1);
}

void ZeichneModulreihen(Simulationszustand& z, Zeichenflaeche& f, double /*h*/, double w, double t,
                        double g, double schattenAzimut, double a) {
    z.LastPos = a;
    const Zeichenfenster& fe = z.Fenster;
    const double cx = fe.XRechts / 2, cy = fe.YOben / 2;
    const double ar = a * ZuRad;
    const double hx = std::cos(ar) * w / 2, hy = std::sin(ar) * w / 2;
    const double d = t == 0 ? z.ModulHEff : z.ModulHEff / std::tan(t);

    // First row: front edge through the centre, back edge d behind it.
    const double f1x = cx - hx, f1y = cy + hy, f2x = cx + hx, f2y = cy - hy;
    const double bx = cx - d * std::sin(ar), by = cy - d * std::cos(ar);
    const double b2x = bx + hx, b2y = by - hy, b1x = bx - hx, b1y = by + hy;
    const QPointF F1 = Pixel(fe, f1x, f1y), F2 = Pixel(fe, f2x, f2y);
    const QPointF B1 = Pixel(fe, b1x, b1y), B2 = Pixel(fe, b2x, b2y);
    f.PinselFarbe(Cyan);
    Vieleck(f, {F1, F2, B2, B1});
    f.StiftBreite(4);
    f.StiftFarbe(z.Hoehe > 0 ? Gelb : Schwarz);
    Linie(f, F1, F2);
    f.StiftBreite(1);
    f.StiftFarbe(Schwarz);

    // Second row, d + g behind the first row's front edge.
    const double r270 = (270 - a) * ZuRad;
    const double c2x = cx + std::cos(r270) * (d + g), c2y = cy + std::sin(r270) * (d + g);
    const double g1x = c2x - hx, g1y = c2y + hy, g2x = c2x + hx, g2y = c2y - hy;
    const double h2bx = c2x - d * std::sin(ar), h2by = c2y - d * std::cos(ar);
    const double h2x = h2bx + hx, h2y = h2by - hy, h1x = h2bx - hx, h1y = h2by + hy;

    // Shadow of the first row's upper edge, away from the sun.
    const double ar2 = schattenAzimut * ZuRad;
    const double sx = std::sin(ar2) * z.Schatten, sy = std::cos(ar2) * z.Schatten;
    const QPointF S1 = Pixel(fe, b1x - sx, b1y - sy), S2 = Pixel(fe, b2x - sx, b2y - sy);
    const QPointF G1 = Pixel(fe, g1x, g1y), G2 = Pixel(fe, g2x, g2y);
    const QPointF H1 = Pixel(fe, h1x, h1y), H2 = Pixel(fe, h2x, h2y);

    f.PinselFarbe(Cyan);
    Vieleck(f, {G1, G2, H2, H1});
    f.StiftFarbe(Schwarz);
    f.StiftBreite(1);
    Linie(f, B1, S1);
    Linie(f, B2, S2);
    if (z.Schatten != 0) {
        ZeichnePfeilspitze(f, S1.x(), S1.y(), z.Azimut);
        ZeichnePfeilspitze(f, S2.x(), S2.y(), z.Azimut);
        f.StiftBreite(3);
        Linie(f, S1, S2);
    }
    f.StiftBreite(1);
}

void ZeichnePfeilspitze(Zeichenflaeche& f, double x, double y, double az) {
    const double a1 = (az + 15) * ZuRad, a2 = (az - 15) * ZuRad;
    const QPointF T = Trunc(x, y);
    const QPointF P1 = Trunc(x + 20 * std::sin(a1), y - 20 * std::cos(a1));
    const QPointF P2 = Trunc(x + 20 * std::sin(a2), y - 20 * std::cos(a2));
    f.PinselFarbe(Schwarz);
    f.StiftFarbe(Schwarz);
    Vieleck(f, {T, P1, P2});
}

void ZeichneSonne(const Simulationszustand& z, Zeichenflaeche& f, double az, double x0, double y0) {
    const double R = Spalte(z.Fenster, z.Fenster.XRechts * 0.5);
    const double dx = std::sin(az * ZuRad) * R, dy = std::cos(az * ZuRad) * R;
    const QPointF P = Trunc(x0 + dx, y0 - dy);
    f.StiftFarbe(Schwarz);
    Linie(f, Trunc(x0, y0), P);
    f.PinselFarbe(Gelb);
    f.StiftFarbe(Schwarz);
    if (z.Hoehe > 0) {
        const double D = std::trunc(z.Hoehe * (1.0 / 90) * 150);
        const double k = std::trunc(D / 2);
        Ellipse(f, {P.x() - k, P.y() - k}, {P.x() + k, P.y() + k});
    } else {
        // The moon: a white disc, its right-hand part covered by the background.
        f.PinselFarbe(Weiss);
        const double D = std::trunc(-z.Hoehe * (1.0 / 90) * 200);
        const double k = std::trunc(D / 2);
        Ellipse(f, {P.x() - k, P.y() - k}, {P.x() + k, P.y() + k});
        f.PinselFarbe(f.Hintergrund());
        Ellipse(f, {P.x() - std::trunc(D / 4), P.y() - k}, {P.x() + k, P.y() + k});
    }
    ZeichnePfeilspitze(f, x0, y0, z.Azimut);
}

SzenenErgebnis PaintBox1Paint(Simulationszustand& z, Zeichenflaeche& f, bool anschlaege) {
    f.StiftFarbe(Schwarz);
    f.StiftBreite(1);
    f.PinselFarbe(f.Hintergrund());
    SzenenErgebnis ergebnis;
    const double S = z.Scale;
    if (!(S > 0) || !std::isfinite(S)) return ergebnis;

    ZeichneAchsen(z, f, S, S);
    ZeichneKompass(z, f, S / 2, S / 2, S);
    const double p = simlauf::GezeigtePosition(z, anschlaege);
    const double h = 0.01 * z.ModulH, w = 0.01 * z.ModulL, g = 0.01 * z.ModulA;
    switch (simlauf::BestimmeLage(z, p)) {
    case simlauf::Lage::Bewegung:
        // While moving the rows run a constant 5 degrees ahead of the needle.
        ZeichneAnschlagbereich(z, f, S / 2, S / 2, S, z.MovePos);
        ZeichneModulreihen(z, f, h, w, z.ModulNRad, g, z.Azimut, z.MovePos + 5);
        z.LastVersatz = 5;
        break;
    case simlauf::Lage::Nacht:
        ZeichneAnschlagbereich(z, f, S / 2, S / 2, S, z.MorgenPos);
        ZeichneModulreihen(z, f, h, w, z.ModulNRad, g, z.MorgenPos,
                           z.MorgenPos + z.EndlageStartErr);
        z.LastVersatz = z.EndlageStartErr;
        break;
    case simlauf::Lage::Sprung:
        simlauf::StarteSprung(z, p);
        ergebnis.BewegungGestartet = true;
        break;
    case simlauf::Lage::Position:
        ZeichneAnschlagbereich(z, f, S / 2, S / 2, S, p);
        ZeichneModulreihen(z, f, h, w, z.ModulNRad, g, z.Azimut, p + z.EndlageStartErr);
        z.LastVersatz = z.EndlageStartErr;
        break;
    }
    ZeichneSonne(z, f, z.Azimut, Spalte(z.Fenster, S / 2), Zeile(z.Fenster, S / 2));
    return ergebnis;
}

} // namespace szene
