// Heliowendler-Simulation: tracker simulation and service of the tracker controller.
#include "app/anwendung.h"
#include "basis/produkt.h"
#include "basis/sprache.h"
#include "basis/versioninfo.h"
#include "workspace/SDIMAIN.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

QString Hilfetext() {
    return QCoreApplication::translate(
        "main", "Aufruf: heliowendler [Optionen]\n"
                "Simuliert Drehtisch-Solartracker eines Standorts und spricht über die serielle\n"
                "Leitung mit der Trackersteuerung (Parametrierung, Firmwareupdate).\n"
                "  --protokoll F       jedes Byte der seriellen Leitung mit Zeit als Zeile in F\n"
                "                      (angehängt; auch --protokoll=F)\n"
                "  --help              diese Hilfe\n"
                "  --version           die Version\n"
                "Dazu die Optionen von Qt (etwa -platform, -style, -geometry).\n"
                "\n"
                "Einstellungen und Standorte: heliowendler.INI und heliowendler.POS neben dem\n"
                "Programm; installiert oder wo der Ordner nicht beschreibbar ist, in\n"
                "$XDG_CONFIG_HOME/heliowendler (~/.config/heliowendler).\n"
                "\n"
                "Ende: 0 Fenster geschlossen, 2 das Protokoll kann nicht geschrieben werden.\n");
}

} // namespace

int main(int argc, char** argv) {
    // Answered before QApplication, which needs a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            // The core alone is enough for the translation.
            QCoreApplication kern(argc, argv);
            sprache::Installiere(kern, false);
            std::fputs(Hilfetext().toUtf8().constData(), stdout);
            return 0;
        }
        if (argument == "--version") {
            // The about box's version: the block in the executable.
            std::printf("heliowendler %s\n",
                        MyVersionInfo().Dateiversion().value_or(std::string("?")).c_str());
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(produkt::Titel());
    QApplication::setDesktopFileName(QString::fromLatin1(HW_PAKET_ID)); // its entry (paket/)
    // German, or English for an English locale; the toolkit's own texts follow.
    sprache::Installiere(app);

    Anwendung fenster;
    // --protokoll F (or --protokoll=F): every byte of the serial link into F, as the service
    // tool records it.
    const QStringList argumente = QApplication::arguments();
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        QString pfad;
        if (argumente[i] == QLatin1String("--protokoll") && i + 1 < argumente.size())
            pfad = argumente[++i];
        else if (argumente[i].startsWith(QLatin1String("--protokoll=")))
            pfad = argumente[i].mid(12);
        else
            continue;
        QString fehler;
        if (pfad.isEmpty() || !fenster.Protokolliere(pfad, fehler)) {
            std::fprintf(
                stderr, "%s\n",
                qPrintable(QCoreApplication::translate(
                               "main", "Das Protokoll %1 kann nicht geschrieben werden: %2")
                               .arg(pfad, fehler)));
            return 2;
        }
    }
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
