// Draws the product picture of the about box (workspace/bilder/produktbild.jpg): the turning
// platform with its module rows, seen from above, and the arrow of its rotation. The
// picture is committed; to draw it again:
//   QT_QPA_PLATFORM=offscreen build/bin/produktbild workspace/bilder/produktbild.jpg
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int Breite = 396;
constexpr int Hoehe = 409;
const QPointF Mitte(198, 168);
constexpr double Radius = 150;

void Pfeilspitze(QPainter& p, QPointF spitze, QPointF richtung) {
    const double l = std::hypot(richtung.x(), richtung.y());
    const QPointF d = richtung / l;
    const QPointF n(-d.y(), d.x());
    const QPointF fuss = spitze - d * 16;
    p.drawPolygon(QPolygonF({spitze, fuss + n * 7, fuss - n * 7}));
}

void Plattform(QPainter& p) {
    QRadialGradient verlauf(Mitte - QPointF(40, 50), Radius * 1.4);
    verlauf.setColorAt(0, QColor(255, 190, 90));
    verlauf.setColorAt(1, QColor(225, 120, 20));
    p.setPen(QPen(QColor(150, 75, 10), 3));
    p.setBrush(verlauf);
    p.drawEllipse(Mitte, Radius, Radius);
}

// Four rows of modules across the platform, each a field of cells.
void Modulreihen(QPainter& p) {
    const double reiheHoehe = 34;
    const double abstand = 64;
    for (int r = 0; r < 4; ++r) {
        const double y = Mitte.y() - 1.5 * abstand + r * abstand - reiheHoehe / 2;
        // The widest field that stays inside the platform with a margin.
        const double rand = std::max(std::abs(y - Mitte.y()), std::abs(y + reiheHoehe - Mitte.y()));
        const double halb = std::sqrt(std::max(0.0, (Radius - 14) * (Radius - 14) - rand * rand));
        const QRectF feld(Mitte.x() - halb, y, 2 * halb, reiheHoehe);
        p.setPen(QPen(QColor(10, 30, 90), 2));
        p.setBrush(QColor(30, 70, 170));
        p.drawRect(feld);
        p.setPen(QPen(QColor(140, 170, 230), 1));
        const int zellen = std::max(2, static_cast<int>(feld.width() / 22));
        for (int z = 1; z < zellen; ++z) {
            const double x = feld.left() + feld.width() * z / zellen;
            p.drawLine(QPointF(x, feld.top() + 2), QPointF(x, feld.bottom() - 2));
        }
        p.drawLine(QPointF(feld.left() + 2, feld.center().y()),
                   QPointF(feld.right() - 2, feld.center().y()));
        // The upper edge catches the light.
        p.setPen(QPen(QColor(120, 160, 240), 3));
        p.drawLine(feld.topLeft() + QPointF(2, 2), feld.topRight() + QPointF(-2, 2));
    }
}

// Two lines opening downwards from the centre and the rotation arrow between their ends.
void Drehung(QPainter& p) {
    constexpr double oeffnung = 22 * std::numbers::pi / 180; // half the angle between the lines
    constexpr double laenge = 218;
    const QPointF links = Mitte + QPointF(-std::sin(oeffnung), std::cos(oeffnung)) * laenge;
    const QPointF rechts = Mitte + QPointF(std::sin(oeffnung), std::cos(oeffnung)) * laenge;
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(Mitte, links);
    p.drawLine(Mitte, rechts);
    p.setBrush(Qt::black);
    p.drawEllipse(Mitte, 4, 4);

    const double bogen = laenge + 8;
    const QRectF kreis(Mitte.x() - bogen, Mitte.y() - bogen, 2 * bogen, 2 * bogen);
    const double start = -90 - 22 + 4; // degrees, counter-clockwise from 3 o'clock
    const double spanne = 2 * 22 - 8;
    QPainterPath pfad;
    pfad.arcMoveTo(kreis, start);
    pfad.arcTo(kreis, start, spanne);
    p.setPen(QPen(QColor(200, 20, 20), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 20));
    auto punkt = [&](double grad) {
        const double w = grad * std::numbers::pi / 180;
        return Mitte + QPointF(std::cos(w), -std::sin(w)) * bogen;
    };
    auto tangente = [&](double grad, double sinn) {
        const double w = grad * std::numbers::pi / 180;
        return QPointF(-std::sin(w), -std::cos(w)) * sinn;
    };
    const double ende1 = start - 4, ende2 = start + spanne + 4;
    Pfeilspitze(p, punkt(ende1), tangente(ende1, -1));
    Pfeilspitze(p, punkt(ende2), tangente(ende2, 1));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s picture.jpg\n", argv[0]);
        return 2;
    }
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    Plattform(p);
    Modulreihen(p);
    Drehung(p);
    p.end();
    if (!bild.save(QString::fromLocal8Bit(argv[1]), "JPEG", 85)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
