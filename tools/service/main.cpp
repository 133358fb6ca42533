// heliowendler-service: the service technician's work on a tracker controller without the
// windows, over the same link core and the same messages as the parametrization and firmware
// windows. See Hilfe() for the commands and exit codes.
#include "basis/comport.h"
#include "basis/dateizugriff.h"
#include "basis/fehler.h"
#include "basis/programmdateien.h"
#include "basis/sprache.h"
#include "basis/zahltext.h"
#include "geraet/messages.h"
#include "geraet/parameterdatei.h"
#include "geraet/protokoll.h"
#include "geraet/speedmessung.h"
#include "seriallink/portliste.h"
#include "tools/service/flashen.h"
#include "tools/service/verbindung.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace dienst;
using messages::Kommando;

namespace {

void Aus(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}
void Fehlermeldung(const QString& text) {
    std::fprintf(stderr, "heliowendler-service: %s\n", text.toUtf8().constData());
}

QString Hilfe() {
    return QCoreApplication::translate(
        "heliowendler-service",
        "Aufruf: heliowendler-service BEFEHL [Optionen]\n"
        "Wartung einer Trackersteuerung über die serielle Leitung (4800 Baud, 8N1), ohne\n"
        "Fenster. --opt=wert oder --opt wert; Zahlen mit Punkt.\n"
        "\n"
        "Befehle:\n"
        "  ports                     jede Schnittstelle COM<n> mit Gerät, Art, bei USB\n"
        "                            Hersteller, Produkt und Seriennummer, und ob ein\n"
        "                            anderes Programm sie hält\n"
        "  info                      Versionstext der Steuerung (\"GET Info\")\n"
        "  status                    die sechs Statuslampen und der Countdown\n"
        "  werte                     die sechs aktuellen Systemwerte mit Einheiten\n"
        "  zeit                      die Uhr der Steuerung (UTC)\n"
        "  zeit --setzen JJJJ-MM-TTTHH:MM[:SS] | --jetzt [--gruppe N]\n"
        "                            stellt die Uhr und liest sie zurück\n"
        "  param [--datei F]         der Parametersatz als INI-Text (ohne --datei auf die\n"
        "                            Standardausgabe)\n"
        "  param --setzen F          prüft F mit den Regeln des Fensters, sendet\n"
        "                            \"SET Parameter\", liest den Satz zurück und vergleicht\n"
        "  position WINKEL --ja      fährt den Tracker auf WINKEL (bewegt die Mechanik)\n"
        "  automatik                 zurück in den Automatikbetrieb\n"
        "  speed [--ja]              misst die Trackgeschwindigkeit (fährt nach West,\n"
        "                            dann nach Ost; bewegt die Mechanik)\n"
        "  flash IMAGE               überträgt ein TI-TXT-Image an den Bootloader; mit\n"
        "                            mehreren --port an mehrere Steuerungen zugleich\n"
        "\n"
        "Optionen:\n"
        "  --port P                  COM<n> (wie im Schnittstellendialog: [Ports] der\n"
        "                            Einstellungsdatei, dann die Geräte des Systems), ein\n"
        "                            Gerätepfad oder SN:<Seriennummer> eines USB-Adapters;\n"
        "                            bei flash auch mehrfach\n"
        "  --einstellungen F         Einstellungsdatei mit [Ports] (heliowendler.INI im\n"
        "                            Ordner der Anwendung)\n"
        "  --protokoll F             jedes Byte beider Richtungen mit Zeit als Zeile in F\n"
        "                            (bei mehreren Ports: F.COM<n>)\n"
        "  --frist S                 Sekunden bis zur Antwort (2; flash: 5 wie im Fenster)\n"
        "  --wiederholungen N        eine Anfrage ohne gültige Antwort wird bis zu N-mal\n"
        "                            wiederholt (2); flash: eine abgelehnte Zeile (10)\n"
        "  --help                    diese Hilfe\n"
        "\n"
        "Ende: 0 Erfolg, 1 falscher Aufruf, 2 Schnittstelle nicht zu öffnen oder\n"
        "verloren, 3 keine oder falsche Antwort oder Unterschied beim Zurücklesen,\n"
        "4 Datei oder Image abgelehnt.\n");
}

struct Optionen {
    QString befehl;
    QStringList argumente;
    QStringList ports;
    QString einstellungen;
    QString protokoll;
    QString datei;
    QString setzen;
    bool jetzt = false;
    int gruppe = -1;
    bool ja = false;
    std::optional<double> frist;
    std::optional<int> wiederholungen; // 2, flash: 10
    bool hilfe = false;
};

std::optional<Fehler> LiesOptionen(const QStringList& args, Optionen& o) {
    const QStringList mitWert = {"port",   "einstellungen", "protokoll", "datei",
                                 "setzen", "gruppe",        "frist",     "wiederholungen"};
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--"))) {
            if (o.befehl.isEmpty())
                o.befehl = a;
            else
                o.argumente << a;
            continue;
        }
        QString name = a.mid(2), wert;
        bool hatWert = false;
        if (const qsizetype gleich = name.indexOf(u'='); gleich >= 0) {
            wert = name.mid(gleich + 1);
            name = name.left(gleich);
            hatWert = true;
        }
        if (mitWert.contains(name)) {
            if (!hatWert) {
                if (i + 1 >= args.size())
                    return Fehler{Aufruf, QCoreApplication::translate("heliowendler-service",
                                                                      "--%1 braucht einen Wert")
                                              .arg(name)};
                wert = args[++i];
            }
        } else if (hatWert) {
            return Fehler{Aufruf, QCoreApplication::translate("heliowendler-service",
                                                              "--%1 nimmt keinen Wert")
                                      .arg(name)};
        }
        bool ok = true;
        if (name == QLatin1String("help"))
            o.hilfe = true;
        else if (name == QLatin1String("jetzt"))
            o.jetzt = true;
        else if (name == QLatin1String("ja"))
            o.ja = true;
        else if (name == QLatin1String("port"))
            o.ports << wert;
        else if (name == QLatin1String("einstellungen"))
            o.einstellungen = wert;
        else if (name == QLatin1String("protokoll"))
            o.protokoll = wert;
        else if (name == QLatin1String("datei"))
            o.datei = wert;
        else if (name == QLatin1String("setzen"))
            o.setzen = wert;
        else if (name == QLatin1String("gruppe")) {
            o.gruppe = wert.toInt(&ok);
            ok = ok && o.gruppe >= 0 && o.gruppe <= 255;
        } else if (name == QLatin1String("frist")) {
            const double s = wert.toDouble(&ok); // C locale: a point
            ok = ok && s > 0 && s <= 3600;
            if (ok) o.frist = s;
        } else if (name == QLatin1String("wiederholungen")) {
            o.wiederholungen = wert.toInt(&ok);
            ok = ok && *o.wiederholungen >= 0 && *o.wiederholungen <= 100;
        } else
            return Fehler{Aufruf, QCoreApplication::translate("heliowendler-service",
                                                              "unbekannte Option --%1")
                                      .arg(name)};
        if (!ok)
            return Fehler{Aufruf, QCoreApplication::translate("heliowendler-service",
                                                              "--%1=%2 ist kein gültiger Wert")
                                      .arg(name, wert)};
    }
    return std::nullopt;
}

// --- ports ------------------------------------------------------------------------------------

QString Art(const PortEintrag& p) {
    if (p.AusEinstellungen)
        return QCoreApplication::translate("heliowendler-service", "eingetragen");
    const QString name = QFileInfo(p.Geraet).fileName();
    if (name.startsWith(QLatin1String("ttyUSB"))) return QStringLiteral("USB");
    if (name.startsWith(QLatin1String("ttyACM"))) return QStringLiteral("ACM");
    return QCoreApplication::translate("heliowendler-service", "eingebaut");
}

// Whether another program holds the device: it refuses an open, or holds its lock.
bool Belegt(const QString& geraet) {
    const int fd =
        ::open(QFile::encodeName(geraet).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == EBUSY;
    const bool belegt = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return belegt;
}

int Ports(const Optionen& o) {
    const QList<PortEintrag> ports = portliste::Ports(o.einstellungen);
    if (ports.isEmpty())
        Aus(QCoreApplication::translate("heliowendler-service", "Keine Schnittstelle gefunden.\n"));
    for (const PortEintrag& p : ports) {
        QString zeile = QStringLiteral("%1\t%2\t%3").arg(p.Name, p.Geraet, Art(p));
        const QSerialPortInfo info(QFileInfo(p.Geraet).canonicalFilePath());
        if (info.hasVendorIdentifier())
            zeile += QStringLiteral("\t%1:%2 %3 %4, %5")
                         .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                         .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                         .arg(info.manufacturer(), info.description(),
                              QCoreApplication::translate("heliowendler-service", "Seriennummer %1")
                                  .arg(info.serialNumber()));
        zeile += u'\t';
        zeile += Belegt(p.Geraet) ? QCoreApplication::translate("heliowendler-service", "belegt")
                                  : QCoreApplication::translate("heliowendler-service", "frei");
        Aus(zeile + u'\n');
    }
    return Erfolg;
}

// --- one controller ----------------------------------------------------------------------------

// Opens the one port of o (with its record) or says why not.
std::unique_ptr<Verbindung> Verbinde(const Optionen& o, Fehler& f) {
    if (o.ports.size() != 1) {
        f = {Aufruf, o.ports.isEmpty()
                         ? QCoreApplication::translate("heliowendler-service", "--port fehlt")
                         : QCoreApplication::translate("heliowendler-service",
                                                       "Dieser Befehl nimmt ein --port")};
        return nullptr;
    }
    const auto port = LiesPort(o.ports[0], o.einstellungen, f);
    if (!port) return nullptr;
    auto v = std::make_unique<Verbindung>(*port, o.einstellungen);
    v->versuche = o.wiederholungen.value_or(2) + 1;
    if (o.frist) v->frist = std::chrono::milliseconds(static_cast<long long>(*o.frist * 1000));
    if (!o.protokoll.isEmpty())
        if (auto e = v->Protokolliere(o.protokoll)) {
            f = *e;
            return nullptr;
        }
    if (auto e = v->Oeffne()) {
        f = *e;
        return nullptr;
    }
    return v;
}

std::optional<QDateTime> LiesZeitpunkt(const QString& text) {
    for (const char* form : {"yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm"}) {
        QDateTime t = QDateTime::fromString(text, QString::fromLatin1(form));
        if (t.isValid()) {
            t.setTimeSpec(Qt::UTC);
            return t;
        }
    }
    return std::nullopt;
}

int Befehl(Verbindung& v, const Optionen& o, Fehler& f) {
    const QString& b = o.befehl;
    const auto frage = [&](const rahmen::Bytes& anfrage, Kommando antwort) {
        return v.Frage(anfrage, messages::Byte(antwort), f);
    };
    // A SET: the controller does not answer it; a refused send is a lost port.
    const auto sende = [&](const rahmen::Bytes& anfrage) {
        if (v.Sende(anfrage)) return true;
        f = {PortFehler,
             QCoreApplication::translate("heliowendler-service", "%1: Senden fehlgeschlagen")
                 .arg(v.Name())};
        return false;
    };
    if (b == QLatin1String("info")) {
        const auto a = frage(messages::Anfrage(Kommando::GetInfo), Kommando::Info);
        if (!a) return f.ende;
        Aus(QCoreApplication::translate("heliowendler-service", "Version: %1\n")
                .arg(messages::LeseVersionstext(*a).value_or(QString())));
        return Erfolg;
    }
    if (b == QLatin1String("status")) {
        const auto a = frage(messages::Anfrage(Kommando::GetStatus), Kommando::Status);
        if (!a) return f.ende;
        const messages::Status s = *messages::LeseStatus(*a);
        for (const messages::Statuslampe& l : messages::Statuslampen)
            Aus(QStringLiteral("%1: %2\n")
                    .arg(QString::fromUtf8(l.beschriftung),
                         (s.StatusByte & l.bit) != 0
                             ? QCoreApplication::translate("heliowendler-service", "an")
                             : QCoreApplication::translate("heliowendler-service", "aus")));
        Aus(QStringLiteral("Countdown: %1\n").arg(messages::CountdownText(s.TrackCountdown)));
        return Erfolg;
    }
    if (b == QLatin1String("werte")) {
        const auto a =
            frage(messages::Anfrage(Kommando::GetAktuelleDaten), Kommando::GetAktuelleDaten);
        if (!a) return f.ende;
        const messages::Istwerttexte t = messages::IstwertTexte(*messages::LeseIstwerte(*a));
        Aus(QCoreApplication::translate(
                "heliowendler-service",
                "Position aktuell: %1 °\nSchatten aktuell: %2 cm\nStand der Sonne: %3 °\n"
                "Azimut: %4 °\nGrenzwinkel: %5 °\nKorrektur: %6 °\n")
                .arg(t.AktPos, t.AktSchatten, t.AktSonnenstand, t.AktAzimut, t.AktGrenz,
                     t.AktKorrekt));
        return Erfolg;
    }
    if (b == QLatin1String("zeit")) {
        const auto lies = [&]() -> std::optional<messages::Uhrzeit> {
            const auto a = frage(messages::Anfrage(Kommando::GetTime), Kommando::GetTime);
            if (!a) return std::nullopt;
            return messages::LeseUhrzeit(*a);
        };
        if (o.setzen.isEmpty() && !o.jetzt) {
            const auto u = lies();
            if (!u) return f.ende;
            Aus(QCoreApplication::translate("heliowendler-service", "%1 UTC, Gruppe %2\n")
                    .arg(protokoll::UhrText(u->zeit))
                    .arg(u->gruppe));
            return Erfolg;
        }
        QDateTime ziel;
        if (o.jetzt) {
            ziel = QDateTime::currentDateTimeUtc();
        } else if (const auto t = LiesZeitpunkt(o.setzen)) {
            ziel = *t;
        } else {
            f = {Aufruf, QCoreApplication::translate("heliowendler-service",
                                                     "--setzen %1: JJJJ-MM-TTTHH:MM[:SS] erwartet")
                             .arg(o.setzen)};
            return Aufruf;
        }
        if (ziel.date().year() < 2000 || ziel.date().year() > 2255) {
            f = {Aufruf, QCoreApplication::translate(
                             "heliowendler-service",
                             "--setzen %1: das Jahr muss zwischen 2000 und 2255 liegen")
                             .arg(o.setzen)};
            return Aufruf;
        }
        // The group stays the controller's unless --gruppe is given.
        int gruppe = o.gruppe;
        if (gruppe < 0) {
            const auto u = lies();
            if (!u) return f.ende;
            gruppe = u->gruppe;
        }
        messages::TrackerZeit z;
        z.ZeitSekunde = static_cast<std::uint8_t>(ziel.time().second());
        z.ZeitMinute = static_cast<std::uint8_t>(ziel.time().minute());
        z.ZeitStunde = static_cast<std::uint8_t>(ziel.time().hour());
        z.ZeitTag = static_cast<std::uint8_t>(ziel.date().day());
        z.ZeitMonat = static_cast<std::uint8_t>(ziel.date().month());
        z.ZeitJahr = static_cast<std::uint8_t>(ziel.date().year() - 2000);
        z.ZeitGruppe = static_cast<std::uint8_t>(gruppe);
        if (!sende(messages::SetTimeAnfrage(z))) return PortFehler;
        const auto u = lies();
        if (!u) return f.ende;
        const QDateTime gelesen = LiesZeitpunkt(protokoll::UhrText(u->zeit)).value_or(QDateTime());
        // The clock runs on meanwhile: back within the reply time, and the group as set.
        const qint64 abstand = gelesen.isValid() ? ziel.secsTo(gelesen) : -1;
        Aus(QCoreApplication::translate("heliowendler-service", "%1 UTC, Gruppe %2\n")
                .arg(protokoll::UhrText(u->zeit))
                .arg(u->gruppe));
        if (abstand < 0 || abstand > 2 + v.versuche * (v.frist.count() / 1000 + 1) ||
            u->gruppe != gruppe) {
            f = {KeineAntwort, QCoreApplication::translate(
                                   "heliowendler-service",
                                   "Die Uhr liest %1 UTC, Gruppe %2 zurück; gesetzt war %3 UTC, "
                                   "Gruppe %4")
                                   .arg(protokoll::UhrText(u->zeit))
                                   .arg(u->gruppe)
                                   .arg(ziel.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")))
                                   .arg(gruppe)};
            return KeineAntwort;
        }
        return Erfolg;
    }
    if (b == QLatin1String("param")) {
        const auto lies = [&]() -> std::optional<messages::TrackerParameter> {
            const auto a = frage(messages::Anfrage(Kommando::GetParam), Kommando::GetParam);
            if (!a) return std::nullopt;
            return messages::LeseParameter(*a);
        };
        if (o.setzen.isEmpty()) {
            const auto p = lies();
            if (!p) return f.ende;
            const QString text = parameterdatei::Schreibe(
                // The file's own comment stays German whatever the language, as its keys:
                // a file read back must not depend on who wrote it.
                *p, QStringLiteral("Parametersatz der Trackersteuerung an %1, gelesen %2 UTC")
                        .arg(v.Name(), QDateTime::currentDateTimeUtc().toString(
                                           QStringLiteral("yyyy-MM-ddTHH:mm:ss"))));
            if (o.datei.isEmpty()) {
                Aus(text);
                return Erfolg;
            }
            if (!dateizugriff::Ersetze(o.datei, [&](const QByteArray&) { return text.toUtf8(); })) {
                f = {DateiFehler, QCoreApplication::translate("heliowendler-service",
                                                              "In %1 kann nicht geschrieben werden")
                                      .arg(o.datei)};
                return DateiFehler;
            }
            return Erfolg;
        }
        const std::optional<QByteArray> inhalt = dateizugriff::Lies(o.setzen);
        if (!inhalt) {
            f = {DateiFehler, QCoreApplication::translate("heliowendler-service",
                                                          "Die Datei %1 kann nicht gelesen werden.")
                                  .arg(o.setzen)};
            return DateiFehler;
        }
        messages::TrackerParameter soll;
        try {
            soll = parameterdatei::Lies(QString::fromUtf8(*inhalt));
        } catch (const BenutzerFehler& e) {
            f = {DateiFehler, QStringLiteral("%1: %2").arg(o.setzen, e.meldung())};
            return DateiFehler;
        }
        if (!sende(messages::SetParamAnfrage(soll))) return PortFehler;
        const auto ist = lies();
        if (!ist) return f.ende;
        // "SET Parameter" carries bytes 0 ... 35: those must read back as sent.
        const auto a = soll.Bytes(), b2 = ist->Bytes();
        if (std::equal(a.begin(), a.begin() + 36, b2.begin())) {
            Aus(QCoreApplication::translate("heliowendler-service",
                                            "Parametersatz gesetzt und zurückgelesen: gleich.\n"));
            return Erfolg;
        }
        messages::TrackerParameter istOhneRest = *ist;
        istOhneRest.ParRest = soll.ParRest;
        const QStringList sollZeilen = parameterdatei::Schreibe(soll).split(u'\n');
        const QStringList istZeilen = parameterdatei::Schreibe(istOhneRest).split(u'\n');
        QString diff;
        for (qsizetype i = 0; i < std::max(sollZeilen.size(), istZeilen.size()); ++i) {
            const QString s = sollZeilen.value(i), z = istZeilen.value(i);
            if (s != z) diff += QStringLiteral("- %1\n+ %2\n").arg(s, z);
        }
        f = {KeineAntwort, QCoreApplication::translate(
                               "heliowendler-service",
                               "Der zurückgelesene Satz weicht ab (- gesendet, + gelesen):\n%1")
                               .arg(diff.trimmed())};
        return KeineAntwort;
    }
    if (b == QLatin1String("position") || b == QLatin1String("automatik")) {
        rahmen::Bytes anfrage;
        if (b == QLatin1String("position")) {
            bool ok = o.argumente.size() == 1;
            const int winkel = ok ? o.argumente[0].toInt(&ok) : 0;
            if (!ok || winkel < 0 || winkel > 65535) {
                f = {Aufruf,
                     QCoreApplication::translate("heliowendler-service",
                                                 "position: ein Winkel in ganzen Grad erwartet")};
                return Aufruf;
            }
            if (!o.ja) {
                f = {Aufruf, QCoreApplication::translate(
                                 "heliowendler-service",
                                 "position bewegt den Tracker: mit --ja bestätigen")};
                return Aufruf;
            }
            anfrage = messages::SetPositionAnfrage(winkel);
        } else {
            anfrage = messages::Anfrage(Kommando::SetAutomatik);
        }
        if (!sende(anfrage)) return PortFehler;
        // The controller does not answer a SET; its status says it is there and shows the
        // motor and automatic lamps.
        const auto a = frage(messages::Anfrage(Kommando::GetStatus), Kommando::Status);
        if (!a) return f.ende;
        const messages::Status s = *messages::LeseStatus(*a);
        Aus(QCoreApplication::translate("heliowendler-service",
                                        "Gesendet. Status: %1, Countdown %2\n")
                .arg(protokoll::Lampen(s.StatusByte), messages::CountdownText(s.TrackCountdown)));
        return Erfolg;
    }
    if (b == QLatin1String("speed")) {
        if (!o.ja) {
            f = {Aufruf, QCoreApplication::translate(
                             "heliowendler-service",
                             "speed bewegt den Tracker nach West und Ost: mit --ja bestätigen")};
            return Aufruf;
        }
        const auto pa = frage(messages::Anfrage(Kommando::GetParam), Kommando::GetParam);
        if (!pa) return f.ende;
        const messages::TrackerParameter p = *messages::LeseParameter(*pa);
        Speedmessung messung;
        messung.Zuruecksetzen();
        if (!sende(messages::SetPositionAnfrage(359))) return PortFehler;
        messung.Beginne(QDateTime::currentDateTimeUtc());
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("heliowendler-service", "Fahrt nach West ...")
                         .toUtf8()
                         .constData());
        bool ostGemeldet = false;
        for (;;) {
            QEventLoop warte;
            QTimer::singleShot(1000, Qt::PreciseTimer, &warte, &QEventLoop::quit);
            warte.exec();
            const auto a = frage(messages::Anfrage(Kommando::GetStatus), Kommando::Status);
            if (!a) return f.ende;
            const bool nachWest = !messung.WestErreicht();
            const Speedmessung::Tick t = messung.TimerTracktimeTimer(
                QDateTime::currentDateTimeUtc(), messages::LeseStatus(*a)->StatusByte,
                p.ParAnschlagOst, p.ParAnschlagWest);
            std::fprintf(stderr, "%s %s\n",
                         (nachWest ? QCoreApplication::translate("heliowendler-service", "West")
                                   : QCoreApplication::translate("heliowendler-service", "Ost"))
                             .toUtf8()
                             .constData(),
                         t.Zeit.toUtf8().constData());
            if (t.schritt == Speedmessung::Schritt::NachOsten) {
                if (!sende(messages::SetPositionAnfrage(1))) return PortFehler;
                if (!ostGemeldet)
                    std::fprintf(
                        stderr, "%s\n",
                        QCoreApplication::translate("heliowendler-service", "Fahrt nach Ost ...")
                            .toUtf8()
                            .constData());
                ostGemeldet = true;
            }
            if (t.schritt == Speedmessung::Schritt::Fertig) {
                Aus(QCoreApplication::translate("heliowendler-service",
                                                "Trackgeschwindigkeit: %1\n")
                        .arg(t.Speed));
                return Erfolg;
            }
        }
    }
    f = {Aufruf,
         QCoreApplication::translate("heliowendler-service", "unbekannter Befehl %1").arg(b)};
    return Aufruf;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Its help and messages in English for an English locale, as the windows.
    sprache::Installiere(app, false);
    // Numbers with a point on the command line and in every text the tool writes.
    zahltext::SetzeDezimaltrenner(u'.');
    Optionen o;
    if (auto f = LiesOptionen(app.arguments(), o)) {
        Fehlermeldung(
            f->meldung + QStringLiteral("\n") +
            QCoreApplication::translate("heliowendler-service", "(--help zeigt die Befehle)"));
        return f->ende;
    }
    if (o.hilfe) {
        Aus(Hilfe());
        return Erfolg;
    }
    if (o.befehl.isEmpty()) {
        Fehlermeldung(
            QCoreApplication::translate("heliowendler-service", "kein Befehl") +
            QStringLiteral("\n") +
            QCoreApplication::translate("heliowendler-service", "(--help zeigt die Befehle)"));
        return Aufruf;
    }
    static const QStringList befehle = {"ports", "info",     "status",    "werte", "zeit",
                                        "param", "position", "automatik", "speed", "flash"};
    if (!befehle.contains(o.befehl)) {
        Fehlermeldung(
            QCoreApplication::translate("heliowendler-service", "unbekannter Befehl %1")
                .arg(o.befehl) +
            QStringLiteral("\n") +
            QCoreApplication::translate("heliowendler-service", "(--help zeigt die Befehle)"));
        return Aufruf;
    }
    // The application's settings file, in the folder the application keeps its files in.
    if (o.einstellungen.isEmpty())
        o.einstellungen = programmdateien::Ordner() + QStringLiteral("/heliowendler.INI");
    if (o.befehl == QLatin1String("ports")) return Ports(o);
    if (o.befehl == QLatin1String("flash")) {
        Fehler f{Erfolg, {}};
        const int ende = Flashe(o.argumente, o.ports, o.einstellungen, o.protokoll,
                                o.frist.value_or(5.0), o.wiederholungen.value_or(10), f);
        if (ende != Erfolg) Fehlermeldung(f.meldung);
        return ende;
    }
    Fehler f{Erfolg, {}};
    std::unique_ptr<Verbindung> v = Verbinde(o, f);
    int ende = v ? Befehl(*v, o, f) : f.ende;
    if (ende != Erfolg) Fehlermeldung(f.meldung);
    return ende;
}
