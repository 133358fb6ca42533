// Renders reference pictures of the scene: szenenbild TAG.png NACHT.png [FENSTER.png]
// TAG: the default rows with the sun due south (tracker at 180°); NACHT: the same site by
// night with the tracker at its morning position; FENSTER: the whole main window after a
// calculation for 7 July 2008, 11:00 UTC, once the first move has run out.
#include "geometry/tracker.h"
#include "widgets/dialoge.h"
#include "widgets/handlerlauf.h"
#include "workspace/SDIMAIN.h"
#include "workspace/szene.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTimer>
#include <cmath>
#include <cstdio>

namespace {

// Failures are printed, never shown in a box nobody can close.
class Konsole : public dialoge::Antworter {
public:
    QMessageBox::StandardButton frage(QWidget*, const dialoge::Nachricht& n) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(n.titel), qPrintable(n.text));
        return QMessageBox::Ok;
    }
};

Simulationszustand Vorgabe(double azimut, double hoehe) {
    Simulationszustand z = szene::Beispielzustand(azimut, hoehe);
    z.LastPos = 180;
    z.MorgenPos = 62;
    return z;
}

bool Speichere(Simulationszustand z, const QString& datei) {
    QImage bild(szene::Seite, szene::Seite, QImage::Format_ARGB32_Premultiplied);
    const QColor hintergrund = QApplication::palette().color(QPalette::Button);
    bild.fill(hintergrund);
    QPainter p(&bild);
    QPainterFlaeche f(p, hintergrund);
    szene::PaintBox1Paint(z, f, false);
    p.end();
    return bild.save(datei);
}

bool SpeichereFenster(const QString& datei) {
    TSDIAppForm fenster;
    fenster.findChild<QTimer*>(QStringLiteral("TimerStartSioInit"))->stop();
    Handlerlauf(&fenster).Ereignis([&] {
        fenster.SetzeDatumZeit("2008", "7", "7", "11", "0");
        fenster.Berechne();
    });
    fenster.show();
    // The first paint finds the rows at north and starts turning them; each tick's paint is
    // rendered off screen, as the window may not be exposed yet.
    auto* flaeche = fenster.findChild<QWidget*>(QStringLiteral("PaintBox1"));
    auto* bewegung = fenster.findChild<QTimer*>(QStringLiteral("TimerMove"));
    flaeche->grab();
    for (int i = 0; i < 100 && fenster.Zustand().MoveActive; ++i) {
        QMetaObject::invokeMethod(bewegung, "timeout", Qt::DirectConnection);
        flaeche->grab();
    }
    return fenster.grab().save(datei);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Konsole konsole;
    dialoge::SetzeAntworter(&konsole);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "szenenbild TAG.png NACHT.png [FENSTER.png]\n");
        return 2;
    }
    bool ok = Speichere(Vorgabe(180, 40), args.at(1));
    ok = Speichere(Vorgabe(320, -20), args.at(2)) && ok;
    if (args.size() > 3) ok = SpeichereFenster(args.at(3)) && ok;
    dialoge::SetzeAntworter(nullptr);
    return ok ? 0 : 1;
}
