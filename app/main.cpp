// Heliowendler-Simulation: tracker simulation and service of the tracker controller.
#include "app/anwendung.h"
#include "basis/kommandozeile.h"
#include "basis/produkt.h"
#include "basis/sprache.h"
#include "basis/versioninfo.h"
#include "workspace/SDIMAIN.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

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
                "Ende: 0 Fenster geschlossen, 1 falscher Aufruf, 2 das Protokoll kann nicht\n"
                "geschrieben werden.\n");
}

struct Optionen {
    bool hilfe = false, version = false;
    std::string protokoll; // empty: no record
};

// The application's own options; the others are Qt's (-platform, --style ...) and left to it.
bool LeseOptionen(int argc, const char* const* argv, Optionen& o, std::string& fehler) {
    namespace kz = kommandozeile;
    const kz::Option optionen[] = {
        kz::Schalter("help", [&] { o.hilfe = true; }),
        kz::Schalter("version", [&] { o.version = true; }),
        kz::Wert("protokoll", kz::Text(o.protokoll), QT_TRANSLATE_NOOP("main", "ein Dateiname")),
    };
    kz::Regeln regeln;
    regeln.kontext = "main";
    regeln.fremdeUebergehen = true;
    kz::Aufruf aufruf;
    return kz::Lies(argc, argv, optionen, regeln, aufruf, fehler);
}

} // namespace

int main(int argc, char** argv) {
    kommandozeile::Uebersetzung() = [](const char* kontext, const char* text) {
        return sprache::Text(kontext, text);
    };
    // Answered before QApplication, which needs a display.
    Optionen o;
    std::string fehler;
    if (!LeseOptionen(argc, argv, o, fehler) || o.hilfe) {
        // The core alone is enough for the translation; read again in the user's language.
        QCoreApplication kern(argc, argv);
        sprache::Installiere(kern, false);
        o = Optionen{};
        fehler.clear();
        if (!LeseOptionen(argc, argv, o, fehler)) {
            std::fprintf(
                stderr, "heliowendler: %s\n%s\n", fehler.c_str(),
                qPrintable(QCoreApplication::translate("main", "(--help zeigt die Optionen)")));
            return 1;
        }
        std::fputs(Hilfetext().toUtf8().constData(), stdout);
        return 0;
    }
    if (o.version) {
        // The about box's version: the block in the executable.
        std::printf("heliowendler %s\n",
                    MyVersionInfo().Dateiversion().value_or(std::string("?")).c_str());
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(produkt::Titel());
    QApplication::setDesktopFileName(QString::fromLatin1(HW_PAKET_ID)); // its entry (paket/)
    // German, or English for an English locale; the toolkit's own texts follow.
    sprache::Installiere(app);

    Anwendung fenster;
    // --protokoll F: every byte of the serial link into F, as the service tool records it.
    if (!o.protokoll.empty()) {
        const QString pfad = QString::fromLocal8Bit(o.protokoll);
        QString fehler;
        if (!fenster.Protokolliere(pfad, fehler)) {
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
