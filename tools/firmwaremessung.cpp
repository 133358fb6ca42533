// Times a firmware transfer through the application's own link and firmware window against a
// bootloader on the given device (tools/firmwaremessung.sh starts the simulated one, paced
// like a 4800-baud line). The clock runs from Start to the success box. Prints the bytes that
// crossed the line both ways, the time they need on the wire (10 bits per byte), the time
// taken and their ratio: what the application adds on top of the line.
#include "basis/kommandozeile.h"
#include "basis/sprache.h"
#include "firmware/Firmwareupdate.h"
#include "seriallink/porteinstellungen.h"
#include "seriallink/sioverbindung.h"
#include "tools/messwerkzeug.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <string>

namespace {

// The instructions and the success box are printed and then passed on; the open dialog
// returns the image.
class Ausgabe : public Druckantworter {
public:
    QString image;
    std::function<void(const dialoge::Nachricht&)> gemeldet;

    QMessageBox::StandardButton frage(QWidget* eltern, const dialoge::Nachricht& n) override {
        Druckantworter::frage(eltern, n);
        if (gemeldet) gemeldet(n);
        return QMessageBox::Ok;
    }
    QString dateiOeffnen(QWidget*, const QString&, const QString&, const QString&) override {
        return image;
    }
};

QString Hilfe() {
    return QCoreApplication::translate(
        "firmwaremessung",
        "Aufruf: firmwaremessung --geraet PFAD --image DATEI [--baud N]\n"
        "Misst eine Firmwareübertragung des Firmwarefensters gegen den Bootloader am\n"
        "Gerät und vergleicht die Zeit mit der Zeit der Bytes auf der Leitung.\n"
        "--opt=wert oder --opt wert.\n"
        "  --geraet PFAD  Gerät des Bootloaders\n"
        "  --image DATEI  TI-TXT-Datei\n"
        "  --baud N       Baudrate der Leitung (4800; 50 bis 4000000)\n"
        "  --help         diese Hilfe\n"
        "Ende: 0 gemessen, 1 das Gerät lässt sich nicht öffnen oder die Übertragung kam\n"
        "nicht zu Ende, 2 falscher Aufruf.\n");
}

struct Optionen {
    int baud = 4800;
    bool hilfe = false;
    std::string geraet, image;
};

bool LeseOptionen(int argc, const char* const* argv, Optionen& o, std::string& fehler) {
    namespace kz = kommandozeile;
    const kz::Option optionen[] = {
        kz::Schalter("help", [&] { o.hilfe = true; }),
        kz::Wert("geraet", kz::Text(o.geraet), QT_TRANSLATE_NOOP("firmwaremessung", "ein Pfad")),
        kz::Wert("image", kz::Text(o.image), QT_TRANSLATE_NOOP("firmwaremessung", "ein Pfad")),
        kz::Wert("baud", kz::Ganzzahl(o.baud, 50, 4'000'000),
                 QT_TRANSLATE_NOOP("firmwaremessung", "eine Baudrate von 50 bis 4000000")),
    };
    kz::Regeln regeln;
    regeln.kontext = "firmwaremessung";
    kz::Aufruf aufruf;
    if (!kz::Lies(argc, argv, optionen, regeln, aufruf, fehler)) return false;
    if (!o.hilfe && o.geraet.empty()) {
        fehler = kz::Uebersetzt("firmwaremessung",
                                QT_TRANSLATE_NOOP("firmwaremessung", "--geraet fehlt"));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    kommandozeile::Uebersetzung() = [](const char* kontext, const char* text) {
        return sprache::Text(kontext, text);
    };
    Optionen optionen;
    std::string fehler;
    // Before the window system is asked for: help and a wrong call need no display.
    if (!LeseOptionen(argc, argv, optionen, fehler) || optionen.hilfe) {
        QCoreApplication kern(argc, argv);
        sprache::Installiere(kern, false);
        optionen = Optionen{};
        fehler.clear();
        if (!LeseOptionen(argc, argv, optionen, fehler)) {
            std::fprintf(stderr, "firmwaremessung: %s\n", fehler.c_str());
            return 2;
        }
        std::fputs(qPrintable(Hilfe()), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    const int baud = optionen.baud;
    const QString geraet = QString::fromLocal8Bit(optionen.geraet);

    Ausgabe ausgabe;
    ausgabe.image = QString::fromLocal8Bit(optionen.image);
    dialoge::SetzeAntworter(&ausgabe);

    QTemporaryDir ordner;
    const QString ini = Com1Datei(ordner, geraet);
    if (ini.isEmpty()) return 1;

    SioVerbindung sio;
    sio.SetzeEinstellungsdatei(ini);
    Oeffnung o;
    o.ComPortNr = 1;
    const std::string einstellung = "baud=" + std::to_string(baud) + " parity=N data=8 stop=1";
    WendeEinstellstringAn(o.Einstellungen, einstellung);
    o.Baudtext = QString::number(baud);
    sio.SioInit(o);
    if (!sio.PortOffen()) {
        std::fprintf(stderr, "%s lässt sich nicht öffnen\n", qPrintable(geraet));
        return 1;
    }
    sio.SetzeFirmwareModus(true);

    TFormFirmwareupdate fenster;
    bool laeuft = false;
    long long gesendet = 0, empfangen = 0;
    int rahmen = 0;
    fenster.SetzeSender([&](std::span<const std::uint8_t> b) {
        if (laeuft) {
            gesendet += static_cast<long long>(b.size());
            ++rahmen;
        }
        return sio.SioSend(b.data(), static_cast<unsigned>(b.size()));
    });
    QObject::connect(&sio, &SioVerbindung::bootloaderZeile, &fenster, [&](const QByteArray& zeile) {
        if (laeuft) empfangen += zeile.size() + 1; // and its CR
        fenster.BootloaderZeile(zeile);
    });

    QElapsedTimer uhr;
    qint64 dauer = -1;
    int ende = 1;
    ausgabe.gemeldet = [&](const dialoge::Nachricht& n) {
        if (!laeuft) {
            // The instructions: load the image and start.
            QTimer::singleShot(0, &fenster, [&] {
                fenster.findChild<QAction*>(QStringLiteral("Datei1"))->trigger();
                if (!fenster.DateiGueltig()) {
                    app.exit(1);
                    return;
                }
                laeuft = true;
                uhr.start();
                fenster.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            });
        } else if (n.text.startsWith(QLatin1String("Die Programmierung war erfolgreich"))) {
            dauer = uhr.elapsed();
            ende = 0;
            QTimer::singleShot(0, &app, [&] { app.exit(0); });
        }
    };
    QObject::connect(&fenster, &TFormFirmwareupdate::panelText,
                     [&](int panel, const QString& text) {
                         if (panel == 3 && text == QLatin1String("FEHLER beim senden!"))
                             app.exit(1);
                     });
    fenster.show();
    // A transfer that stalls ends the measurement (the window itself would wait forever).
    QTimer::singleShot(30 * 60 * 1000, &app, [&] { app.exit(1); });
    app.exec();
    sio.SetzeFirmwareModus(false);
    sio.SioClose();
    dialoge::SetzeAntworter(nullptr);
    if (ende != 0 || dauer < 0) {
        std::fprintf(stderr, "Die Übertragung ist nicht zu Ende gekommen.\n");
        return 1;
    }

    const double draht = static_cast<double>(gesendet + empfangen) * 10.0 / baud;
    const double zeit = static_cast<double>(dauer) / 1000.0;
    std::printf("Rahmen: %d, gesendet %lld Bytes, empfangen %lld Bytes\n", rahmen, gesendet,
                empfangen);
    std::printf("Leitungszeit bei %d Baud: %.2f s\n", baud, draht);
    std::printf("Gemessen: %.2f s\n", zeit);
    std::printf("Verhältnis: %.4f\n", zeit / draht);
    return 0;
}
