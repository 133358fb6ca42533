// Heliowendler-Simulation: tracker simulation and service of the tracker controller.
#include "app/anwendung.h"
#include "basis/produkt.h"
#include "workspace/SDIMAIN.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(produkt::Titel());
    // The interface is German whatever the user's locale: the toolkit's own texts (the buttons
    // of message boxes, the file dialogs) too.
    QTranslator toolkit;
    if (toolkit.load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkit);

    Anwendung fenster;
    fenster.Zeige();

    // Headless runs (no display) leave a picture of the main window instead of a window:
    // taken after the first calculation and the rows' first turn have finished.
    const QString bild = qEnvironmentVariable("HELIOWENDLER_SCREENSHOT");
    if (!bild.isEmpty()) {
        QTimer::singleShot(5000, [&] {
            const bool ok = fenster.SDIAppForm->grab().save(bild);
            std::fprintf(
                ok ? stdout : stderr, "%s %s\n",
                ok ? "Screenshot written:" : "Screenshot could not be written:", qPrintable(bild));
            fenster.SDIAppForm->close();
        });
    }
    return app.exec();
}
