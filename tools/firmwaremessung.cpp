// Times a firmware transfer through the application's own link and firmware window against a
// bootloader on the given device (tools/firmwaremessung.sh starts the simulated one, paced
// like a 4800-baud line). The clock runs from Start to the success box. Prints the bytes that
// crossed the line both ways, the time they need on the wire (10 bits per byte), the time
// taken and their ratio: what the application adds on top of the line.
#include "firmware/Firmwareupdate.h"
#include "seriallink/porteinstellungen.h"
#include "seriallink/sioverbindung.h"
#include "tools/messwerkzeug.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser optionen;
    optionen.setApplicationDescription(
        QStringLiteral("Misst eine Firmwareübertragung gegen den Bootloader am Gerät."));
    optionen.addHelpOption();
    optionen.addOption({QStringLiteral("geraet"), QStringLiteral("Gerät des Bootloaders"),
                        QStringLiteral("pfad")});
    optionen.addOption(
        {QStringLiteral("image"), QStringLiteral("TI-TXT-Datei"), QStringLiteral("datei")});
    optionen.addOption({QStringLiteral("baud"), QStringLiteral("Baudrate der Leitung"),
                        QStringLiteral("n"), QStringLiteral("4800")});
    optionen.process(app);
    const QString geraet = optionen.value(QStringLiteral("geraet"));
    const int baud = optionen.value(QStringLiteral("baud")).toInt();
    if (geraet.isEmpty() || baud <= 0) optionen.showHelp(2);

    Ausgabe ausgabe;
    ausgabe.image = optionen.value(QStringLiteral("image"));
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
    QObject::connect(&fenster, &TFormFirmwareupdate::panelText, [&](int panel, const QString& text) {
        if (panel == 3 && text == QLatin1String("FEHLER beim senden!")) app.exit(1);
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
