#pragma once
// Top view of the tracker site in the square paint box: compass ring, end stops, travel
// range with the needle, the two module rows with the first row's shadow, and the sun or
// the moon on the ring. The routines work on the simulation state and a drawing surface
// only, so they can be checked primitive by primitive without a window.
//
// World coordinates are metres, x east, y north; pixels are integers, origin top left,
// y down. Angles are compass degrees, clockwise from north.
#include "workspace/simzustand.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace szene {
constexpr int Seite = 558; // side of the paint box, pixels: the scene's whole drawing area
} // namespace szene

// The drawing surface. It keeps a current pen and brush between calls, and the routines
// rely on that: one that does not set the pen draws with what the previous one left.
// Coordinates are whole pixels; everything is clipped to the surface.
class Zeichenflaeche {
public:
    explicit Zeichenflaeche(QColor hintergrund) : hintergrund_(hintergrund), pinsel_(hintergrund) {}
    virtual ~Zeichenflaeche() = default;

    // The window's background: compass disc, text cells and the dark part of the moon.
    QColor Hintergrund() const { return hintergrund_; }

    void StiftFarbe(QColor farbe) { stift_ = farbe; }
    void StiftBreite(int breite) { breite_ = breite; }
    void PinselFarbe(QColor farbe) { pinsel_ = farbe; }
    QColor Stift() const { return stift_; }
    int Breite() const { return breite_; }
    QColor Pinsel() const { return pinsel_; }

    virtual void Linie(QPoint von, QPoint bis) = 0;
    // Closed, filled with the brush, outlined with the pen.
    virtual void Vieleck(const std::vector<QPoint>& punkte) = 0;
    // The ellipse inscribed in the box from links-oben to rechts-unten.
    virtual void Ellipse(QPoint lo, QPoint ru) = 0;
    // Sector of the box's ellipse from the radial through e counter-clockwise (on screen)
    // to the radial through w; the two points give directions only.
    virtual void Torte(QPoint lo, QPoint ru, QPoint e, QPoint w) = 0;
    // Opaque text: the cell is filled with the brush, the glyphs are black; lo is the cell's
    // top-left corner.
    virtual void Text(QPoint lo, const QString& text) = 0;

private:
    QColor hintergrund_;
    QColor stift_ = Qt::black;
    int breite_ = 1;
    QColor pinsel_;
};

// Draws through a QPainter (the paint box, or an image for pictures and benchmarks).
class QPainterFlaeche : public Zeichenflaeche {
public:
    // sicht: the painted area; primitives are cut to it, grown by a margin, before they reach
    // the rasteriser, which cannot take coordinates near the 32-bit limits.
    QPainterFlaeche(QPainter& p, QColor hintergrund,
                    QRect sicht = QRect(0, 0, szene::Seite, szene::Seite));

    void Linie(QPoint von, QPoint bis) override;
    void Vieleck(const std::vector<QPoint>& punkte) override;
    void Ellipse(QPoint lo, QPoint ru) override;
    void Torte(QPoint lo, QPoint ru, QPoint e, QPoint w) override;
    void Text(QPoint lo, const QString& text) override;

    // The platform has no "System" face; schriften::Szene() stands in for it.
    static QFont Schrift();

private:
    // The surface's pen and brush (or no brush) onto the painter.
    void SetzeStiftUndPinsel(bool mitPinsel);

    QPainter& p_;
    QRectF grenze_;
    QFont schrift_;
};

// Start and span of a sector in Qt's units (1/16 degree, counter-clockwise from three
// o'clock) for the box and the two direction points. The start lies in [0, 360), the span
// in (0, 360] degrees:
// coinciding directions give the whole ellipse.
struct TortenWinkel {
    int start16 = 0, spanne16 = 0;
};
TortenWinkel BerechneTortenWinkel(QPoint lo, QPoint ru, QPoint e, QPoint w);

// Records every primitive with its coordinates and the pen and brush in effect.
class Aufzeichnung : public Zeichenflaeche {
public:
    enum class Art { Linie, Vieleck, Ellipse, Torte, Text };
    struct Form {
        Art art;
        std::vector<QPoint> punkte; // Ellipse: lo, ru; Torte: lo, ru, e, w; Text: lo
        QColor stift;
        int breite;
        QColor pinsel;
        QString text;
    };

    static inline const QColor StandardHintergrund = QColor(0xF0, 0xF0, 0xF0);
    explicit Aufzeichnung(QColor hintergrund = StandardHintergrund) : Zeichenflaeche(hintergrund) {}

    void Linie(QPoint von, QPoint bis) override;
    void Vieleck(const std::vector<QPoint>& punkte) override;
    void Ellipse(QPoint lo, QPoint ru) override;
    void Torte(QPoint lo, QPoint ru, QPoint e, QPoint w) override;
    void Text(QPoint lo, const QString& text) override;

    std::vector<Form> formen;

private:
    void Merke(Art art, std::vector<QPoint> punkte, const QString& text = {});
};

// Cuts a segment to the rectangle; false when nothing of it is left or a coordinate is not a
// number. Points inside stay exactly as they were.
bool BeschneideStrecke(QPointF& a, QPointF& b, const QRectF& r);
// Cuts a closed polygon to the rectangle (empty when nothing is left or a coordinate is not
// a number); a polygon wholly inside is returned unchanged.
std::vector<QPointF> BeschneideVieleck(const std::vector<QPointF>& punkte, const QRectF& r);

namespace szene {

inline const QColor Rot = QColor(0xFF, 0x00, 0x00);
inline const QColor Grau = QColor(0xA0, 0xA0, 0xA4);
inline const QColor Cyan = QColor(0x00, 0xFF, 0xFF);
inline const QColor Gelb = QColor(0xFF, 0xFF, 0x00);
inline const QColor Weiss = QColor(0xFF, 0xFF, 0xFF);
inline const QColor Schwarz = QColor(0x00, 0x00, 0x00);

// The window's default installation (rows 1500 x 160 cm, tilt 30 degrees, gap 150 cm, stops
// 75 and 285, a 20 m square) with the sun at azimut and hoehe and the tracker already facing
// it: the scene of the reference pictures, the benchmark and the tests.
Simulationszustand Beispielzustand(double azimut = 180, double hoehe = 40);

void SetzeFenster(Zeichenfenster& f, double XLinks, double XRechts, double PixelBreite,
                  double YUnten, double YOben, double PixelHoehe);
// Pixel column and row of a world coordinate, truncated toward zero. A value beyond the
// 32-bit range saturates, and a window without width or height, or a coordinate that is not
// a number, gives 0; the drawing itself never converts such values.
int PixelX(const Zeichenfenster& f, double x);
int PixelY(const Zeichenfenster& f, double y);
double PolarX(double laenge, double winkel); // east component
double PolarY(double laenge, double winkel); // north component

void ZeichneAchsen(Simulationszustand& z, Zeichenflaeche& f, double ex, double ey);
void ZeichneKompass(const Simulationszustand& z, Zeichenflaeche& f, double cx, double cy,
                    double groesse);
void ZeichneAnschlagbereich(const Simulationszustand& z, Zeichenflaeche& f, double cx, double cy,
                            double groesse, double winkel);
// h (module height) is not used: the depth comes from ModulHEff. Stores a in LastPos.
void ZeichneModulreihen(Simulationszustand& z, Zeichenflaeche& f, double h, double w, double t,
                        double g, double schattenAzimut, double a);
void ZeichnePfeilspitze(Zeichenflaeche& f, double x, double y, double az);
void ZeichneSonne(const Simulationszustand& z, Zeichenflaeche& f, double az, double x0, double y0);

struct SzenenErgebnis {
    bool BewegungGestartet = false; // a jump move began: its timers are the caller's
};
// The whole scene. anschlaege: "Anschläge verwenden" is ticked. A Scale of zero, below zero
// or not a number leaves the box empty (no window can be formed) and starts nothing.
SzenenErgebnis PaintBox1Paint(Simulationszustand& z, Zeichenflaeche& f, bool anschlaege);

} // namespace szene
