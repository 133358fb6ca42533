#include "workspace/Bemassungen.h"

#include "widgets/schriften.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStringList>
#include <cmath>
#include <numbers>

namespace {

// Translated when drawn: the translator is installed after static initialisation.
QString LegendeTitel() {
    return QCoreApplication::translate("TFormHilfe", "Legende");
}
QStringList LegendeZeilen() {
    return {QCoreApplication::translate("TFormHilfe", "A= Modulhöhe"),
            QCoreApplication::translate("TFormHilfe", "B=Neigung"),
            QCoreApplication::translate("TFormHilfe", "C=lichter Modulabstand")};
}

constexpr int BildBreite = 308;
constexpr int BildHoehe = 131;
constexpr double Boden = 112;        // y of the ground line
constexpr double Neigung = 30;       // degrees
constexpr double Modullaenge = 78;   // slope length of a row, pixels
constexpr double Modulstaerke = 7;   // thickness of a row's bar
const QPointF ErsteReihe(26, Boden); // lower edge of the first row
const QPointF ZweiteReihe(156, Boden);

QPointF Richtung() {
    const double w = Neigung * std::numbers::pi / 180;
    return {std::cos(w), -std::sin(w)};
}
QPointF Normale() {
    return {Richtung().y(), -Richtung().x()};
} // up and to the left

void Pfeil(QPainter& p, QPointF spitze, QPointF richtung) {
    const QPointF d = richtung / std::hypot(richtung.x(), richtung.y());
    const QPointF n(-d.y(), d.x());
    const QPointF fuss = spitze - d * 6;
    p.drawPolygon(QPolygonF({spitze, fuss + n * 2.5, fuss - n * 2.5}));
}

// A dimension line with arrows at both ends.
void Masslinie(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    Pfeil(p, a, a - b);
    Pfeil(p, b, b - a);
}

// A module row standing on the ground: dark body, light blue upper face.
void Reihe(QPainter& p, QPointF unten) {
    const QPointF oben = unten + Richtung() * Modullaenge;
    const QPointF dicke = Normale() * Modulstaerke;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(80, 80, 80));
    p.drawPolygon(QPolygonF({unten, oben, oben + dicke, unten + dicke}));
    p.setBrush(QColor(150, 200, 255));
    const QPointF flaeche = Normale() * (Modulstaerke - 2.5);
    p.drawPolygon(QPolygonF({unten + flaeche, oben + flaeche, oben + dicke, unten + dicke}));
}

void Zeichne(QPainter& p) {
    p.fillRect(QRectF(0, 0, BildBreite, BildHoehe), Qt::white);

    // Ground with its hatching.
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(4, Boden + 1.5), QPointF(BildBreite - 4, Boden + 1.5));
    p.setPen(QPen(Qt::black, 1));
    for (double x = 8; x < BildBreite - 4; x += 8)
        p.drawLine(QPointF(x, Boden + 3), QPointF(x - 6, Boden + 9));

    Reihe(p, ErsteReihe);
    Reihe(p, ZweiteReihe);

    const QFont schrift = schriften::Fenster();
    p.setFont(schrift);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);

    // A: the slope length, parallel to the first row above its upper face.
    const QPointF oben = ErsteReihe + Richtung() * Modullaenge;
    const QPointF versatz = Normale() * (Modulstaerke + 9);
    p.drawLine(ErsteReihe + Normale() * (Modulstaerke + 2), ErsteReihe + versatz + Normale() * 3);
    p.drawLine(oben + Normale() * (Modulstaerke + 2), oben + versatz + Normale() * 3);
    Masslinie(p, ErsteReihe + versatz, oben + versatz);
    const QPointF mitteA = ErsteReihe + versatz + Richtung() * (Modullaenge / 2) + Normale() * 9;
    p.drawText(QRectF(mitteA - QPointF(6, 7), QSizeF(12, 14)), Qt::AlignCenter,
               QStringLiteral("A"));

    // B: the tilt, from the ground up to the row.
    const double r = 30;
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(ErsteReihe.x() - r, ErsteReihe.y() - r, 2 * r, 2 * r), 0,
              static_cast<int>(Neigung * 16));
    const double wB = Neigung / 2 * std::numbers::pi / 180;
    const QPointF mitteB = ErsteReihe + QPointF(std::cos(wB), -std::sin(wB)) * (r + 8);
    p.drawText(QRectF(mitteB - QPointF(6, 7), QSizeF(12, 14)), Qt::AlignCenter,
               QStringLiteral("B"));

    // C: from below the upper edge of the first row to the lower edge of the second.
    p.drawLine(oben, QPointF(oben.x(), Boden));
    p.setBrush(Qt::black);
    const double yC = Boden - 8;
    Masslinie(p, QPointF(oben.x(), yC), QPointF(ZweiteReihe.x(), yC));
    p.drawText(QRectF((oben.x() + ZweiteReihe.x()) / 2 - 6, yC - 15, 12, 14), Qt::AlignCenter,
               QStringLiteral("C"));

    // Legend in the top right corner.
    const QFontMetricsF fm(schrift);
    double breite = fm.horizontalAdvance(LegendeTitel());
    for (const QString& z : LegendeZeilen())
        breite = std::max(breite, fm.horizontalAdvance(z));
    const double x = BildBreite - 4 - breite;
    double y = 4 + fm.ascent();
    QFont unterstrichen = schrift;
    unterstrichen.setUnderline(true);
    p.setFont(unterstrichen);
    p.drawText(QPointF(x, y), LegendeTitel());
    p.setFont(schrift);
    for (const QString& z : LegendeZeilen()) {
        y += fm.height();
        p.drawText(QPointF(x, y), z);
    }
}

QPixmap Bemassungsbild() {
    QPixmap bild(BildBreite, BildHoehe);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    Zeichne(p);
    return bild;
}

} // namespace

TFormHilfe::TFormHilfe(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormHilfe"));
    setWindowTitle(tr("Bemaßungen"));
    setFont(schriften::Fenster());
    resize(347, 168);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 16, 321, 145);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop); // unscaled, at the top-left corner
    Image1->setPixmap(Bemassungsbild());
    // The legend in words, for screen readers.
    Image1->setAccessibleName(windowTitle());
    Image1->setAccessibleDescription(LegendeTitel() + QStringLiteral(": ") +
                                     LegendeZeilen().join(QStringLiteral(", ")));
}
