// Rasterises the application's icon for the package: one square PNG per size given, drawn
// from the hand-made SVG, so the package needs no image converter of its own.
// Usage: symbolbild SVG ORDNER GROESSE... writes ORDNER/<GROESSE>.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    // Never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("Aufruf: symbolbild SVG ORDNER GROESSE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "symbolbild: %s ist kein lesbares SVG\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int groesse = QByteArray(argv[i]).toInt();
        if (groesse <= 0 || groesse > 1024) {
            std::fprintf(stderr, "symbolbild: falsche Groesse %s\n", argv[i]);
            return 2;
        }
        QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        svg.render(&maler);
        maler.end();
        const QString ziel = QString::fromLocal8Bit(argv[2]) + u'/' + QString::number(groesse) +
                             QStringLiteral(".png");
        if (!bild.save(ziel)) {
            std::fprintf(stderr, "symbolbild: %s kann nicht geschrieben werden\n",
                         qPrintable(ziel));
            return 1;
        }
    }
    return 0;
}
