#include "tools/service/befehle.h"

#include "basis/dateizugriff.h"
#include "basis/fehler.h"
#include "geraet/parameterdatei.h"
#include "geraet/parameterfelder.h"
#include "geraet/protokoll.h"
#include "geraet/sichtbar.h"
#include "geraet/speedmessung.h"
#include "seriallink/portliste.h"
#include "tools/service/ausgabe.h"
#include "tools/service/flashen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTimer>
#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace dienst {

namespace {

using messages::Kommando;

// The options every command that talks to one controller takes.
const std::vector<std::string_view> Geraet = {"port", "einstellungen", "protokoll", "frist",
                                              "wiederholungen"};
std::vector<std::string_view> GeraetUnd(std::initializer_list<std::string_view> mehr) {
    std::vector<std::string_view> o = Geraet;
    o.insert(o.end(), mehr);
    return o;
}

Fehler Aufruffehler(const QString& text) {
    return {Aufruf, text};
}

// --- talking to the controller --------------------------------------------------------------

std::optional<messages::Antwort> Frage(Auftrag& a, Kommando anfrage, Kommando antwort, Fehler& f) {
    return a.v->Frage(messages::Anfrage(anfrage), messages::Byte(antwort), f);
}

// A SET: the controller does not answer it; a refused send is a lost port.
bool Sende(Auftrag& a, const rahmen::Bytes& anfrage, Fehler& f) {
    if (a.v->Sende(anfrage)) return true;
    f = {PortFehler,
         QCoreApplication::translate("heliowendler-service", "%1: Senden fehlgeschlagen")
             .arg(a.v->Name())};
    return false;
}

QString KleinsteVersionText() {
    return QStringLiteral("%1.%2")
        .arg(messages::KleinsteVersion / 100, 2, 10, QLatin1Char('0'))
        .arg(messages::KleinsteVersion % 100, 2, 10, QLatin1Char('0'));
}

// The window's rule: the parameter set is read or written only after a version of at least
// 01.20 was reported. text: the version text, when one came.
bool VersionPasst(Auftrag& a, Fehler& f, QString* text = nullptr) {
    const auto antwort = Frage(a, Kommando::GetInfo, Kommando::Info, f);
    if (!antwort) return false;
    const QString t = messages::LeseVersionstext(*antwort).value_or(QString());
    if (text) *text = t;
    switch (messages::PruefeVersion(t).befund) {
    case messages::Versionsbefund::Passend:
        return true;
    case messages::Versionsbefund::ZuAlt:
    case messages::Versionsbefund::ZuKurz:
        f = {KeineAntwort,
             QCoreApplication::translate(
                 "heliowendler-service",
                 "%1: Falsche Version! Die Steuerung meldet \"%2\"; den Parametersatz "
                 "gibt es ab %3.")
                 .arg(a.v->Name(), sichtbar::Text(t), KleinsteVersionText())};
        return false;
    case messages::Versionsbefund::Unlesbar:
        break;
    }
    f = {KeineAntwort,
         QCoreApplication::translate("heliowendler-service",
                                     "%1: Die Version \"%2\" ist nicht lesbar; den Parametersatz "
                                     "gibt es ab %3.")
             .arg(a.v->Name(), sichtbar::Text(t), KleinsteVersionText())};
    return false;
}

QString Lampe(const messages::Statuslampe& l) {
    return QCoreApplication::translate("TFormTrackerInit", l.beschriftung);
}

// The lamps that are on, by the window's captions; "-" when none is.
QString Lampen(std::uint8_t statusByte) {
    QStringList an;
    for (const messages::Statuslampe& l : messages::Statuslampen)
        if ((statusByte & l.bit) != 0) an << Lampe(l);
    return an.isEmpty() ? QStringLiteral("-") : an.join(u' ');
}

std::optional<messages::TrackerParameter> LiesSatz(Auftrag& a, Fehler& f) {
    const auto antwort = Frage(a, Kommando::GetParam, Kommando::GetParam, f);
    if (!antwort) return std::nullopt;
    return messages::LeseParameter(*antwort);
}

std::optional<messages::Uhrzeit> LiesUhr(Auftrag& a, Fehler& f) {
    const auto antwort = Frage(a, Kommando::GetTime, Kommando::GetTime, f);
    if (!antwort) return std::nullopt;
    return messages::LeseUhrzeit(*antwort);
}

// --- checks before the port -------------------------------------------------------------------

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

std::optional<Fehler> PruefeZeit(Auftrag& a) {
    const bool setzen = a.gegeben.contains(QLatin1String("setzen"));
    if (setzen && a.jetzt)
        return Aufruffehler(QCoreApplication::translate(
            "heliowendler-service", "zeit: --setzen und --jetzt schließen einander aus"));
    if (a.gruppe && !setzen && !a.jetzt)
        return Aufruffehler(QCoreApplication::translate(
            "heliowendler-service", "zeit: --gruppe gilt nur mit --setzen oder --jetzt"));
    if (!setzen) return std::nullopt;
    const auto t = LiesZeitpunkt(a.setzen);
    if (!t)
        return Aufruffehler(
            QCoreApplication::translate("heliowendler-service",
                                        "--setzen %1: JJJJ-MM-TTTHH:MM[:SS] erwartet")
                .arg(a.setzen));
    // The controller keeps the year as year - 2000 in a byte.
    if (t->date().year() < 2000 || t->date().year() > 2255)
        return Aufruffehler(
            QCoreApplication::translate("heliowendler-service",
                                        "--setzen %1: das Jahr muss zwischen 2000 und 2255 liegen")
                .arg(a.setzen));
    a.zeitpunkt = *t;
    return std::nullopt;
}

std::optional<Fehler> PruefeParam(Auftrag& a) {
    const bool setzen = a.gegeben.contains(QLatin1String("setzen"));
    const bool datei = a.gegeben.contains(QLatin1String("datei"));
    if (setzen && datei)
        return Aufruffehler(QCoreApplication::translate(
            "heliowendler-service", "param: --datei und --setzen schließen einander aus"));
    if (datei) {
        // Where the set is to go, before anything is asked: an existing folder, no folder as
        // the file.
        const QFileInfo ziel(a.datei);
        if (ziel.isDir() || !ziel.absoluteDir().exists())
            return Fehler{DateiFehler,
                          QCoreApplication::translate("heliowendler-service",
                                                      "In %1 kann nicht geschrieben werden")
                              .arg(a.datei)};
        return std::nullopt;
    }
    if (!setzen) return std::nullopt;
    const std::optional<QByteArray> inhalt = dateizugriff::Lies(a.setzen);
    if (!inhalt)
        return Fehler{DateiFehler,
                      QCoreApplication::translate("heliowendler-service",
                                                  "Die Datei %1 kann nicht gelesen werden.")
                          .arg(a.setzen)};
    a.satzText = QString::fromUtf8(*inhalt);
    try {
        a.satz = parameterdatei::Lies(a.satzText);
    } catch (const BenutzerFehler& e) {
        return Fehler{DateiFehler, QStringLiteral("%1: %2").arg(a.setzen, e.meldung())};
    }
    return std::nullopt;
}

std::optional<Fehler> PruefePosition(Auftrag& a) {
    const QString& w = a.woerter.value(0);
    bool ok = !w.isEmpty() && w.size() <= 5 &&
              std::all_of(w.begin(), w.end(), [](QChar c) { return c.isDigit(); });
    a.winkel = ok ? w.toInt(&ok) : 0;
    if (!ok || a.winkel > 65535)
        return Aufruffehler(QCoreApplication::translate(
            "heliowendler-service",
            "position: ein Winkel in ganzen Grad von 0 bis 65535 erwartet"));
    if (!a.ja)
        return Aufruffehler(QCoreApplication::translate(
            "heliowendler-service", "position bewegt den Tracker: mit --ja bestätigen"));
    return std::nullopt;
}

std::optional<Fehler> PruefeSpeed(Auftrag& a) {
    if (!a.ja)
        return Aufruffehler(QCoreApplication::translate(
            "heliowendler-service",
            "speed bewegt den Tracker nach West und Ost: mit --ja bestätigen"));
    return std::nullopt;
}

// --- the commands -----------------------------------------------------------------------------

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

int Ports(Auftrag& a, Fehler&) {
    const QList<PortEintrag> ports = portliste::Ports(a.einstellungen);
    if (ports.isEmpty())
        Aus(QCoreApplication::translate("heliowendler-service", "Keine Schnittstelle gefunden.\n"));
    for (const PortEintrag& p : ports) {
        // The device's name and the adapter's words come from a file and a device.
        QString zeile = QStringLiteral("%1\t%2\t%3").arg(p.Name, sichtbar::Text(p.Geraet), Art(p));
        const QSerialPortInfo info(QFileInfo(p.Geraet).canonicalFilePath());
        if (info.hasVendorIdentifier())
            zeile +=
                QStringLiteral("\t%1:%2 %3 %4, %5")
                    .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                    .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                    .arg(sichtbar::Text(info.manufacturer()), sichtbar::Text(info.description()),
                         QCoreApplication::translate("heliowendler-service", "Seriennummer %1")
                             .arg(sichtbar::Text(info.serialNumber())));
        zeile += u'\t';
        zeile += Belegt(p.Geraet) ? QCoreApplication::translate("heliowendler-service", "belegt")
                                  : QCoreApplication::translate("heliowendler-service", "frei");
        Aus(zeile + u'\n');
    }
    return Erfolg;
}

int Info(Auftrag& a, Fehler& f) {
    QString text;
    const bool passt = VersionPasst(a, f, &text);
    if (passt || !text.isNull())
        Aus(QCoreApplication::translate("heliowendler-service", "Version: %1\n")
                .arg(sichtbar::Text(text)));
    return passt ? Erfolg : f.ende;
}

int Status(Auftrag& a, Fehler& f) {
    const auto antwort = Frage(a, Kommando::GetStatus, Kommando::Status, f);
    if (!antwort) return f.ende;
    const messages::Status s = *messages::LeseStatus(*antwort);
    for (const messages::Statuslampe& l : messages::Statuslampen)
        Aus(QStringLiteral("%1: %2\n")
                .arg(Lampe(l), (s.StatusByte & l.bit) != 0
                                   ? QCoreApplication::translate("heliowendler-service", "an")
                                   : QCoreApplication::translate("heliowendler-service", "aus")));
    Aus(QCoreApplication::translate("heliowendler-service", "Countdown: %1\n")
            .arg(messages::CountdownText(s.TrackCountdown)));
    return Erfolg;
}

int Werte(Auftrag& a, Fehler& f) {
    const auto antwort = Frage(a, Kommando::GetAktuelleDaten, Kommando::GetAktuelleDaten, f);
    if (!antwort) return f.ende;
    const messages::Istwerttexte t = messages::IstwertTexte(*messages::LeseIstwerte(*antwort));
    Aus(QCoreApplication::translate(
            "heliowendler-service",
            "Position aktuell: %1 °\nSchatten aktuell: %2 cm\nStand der Sonne: %3 °\n"
            "Azimut: %4 °\nGrenzwinkel: %5 °\nKorrektur: %6 °\n")
            .arg(t.AktPos, t.AktSchatten, t.AktSonnenstand, t.AktAzimut, t.AktGrenz, t.AktKorrekt));
    return Erfolg;
}

QString Uhrzeile(const messages::Uhrzeit& u) {
    return QCoreApplication::translate("heliowendler-service", "%1 UTC, Gruppe %2\n")
        .arg(protokoll::UhrText(u.zeit))
        .arg(u.gruppe);
}

int Zeit(Auftrag& a, Fehler& f) {
    // The clock as it stands: shown, or the group and ZeitZusatz to send back as they are.
    const auto jetzt = LiesUhr(a, f);
    if (!jetzt) return f.ende;
    if (!a.zeitpunkt.isValid() && !a.jetzt) {
        Aus(Uhrzeile(*jetzt));
        return Erfolg;
    }
    const QDateTime ziel = a.jetzt ? QDateTime::currentDateTimeUtc() : a.zeitpunkt;
    const int gruppe = a.gruppe.value_or(jetzt->gruppe);
    messages::TrackerZeit z;
    z.ZeitSekunde = static_cast<std::uint8_t>(ziel.time().second());
    z.ZeitMinute = static_cast<std::uint8_t>(ziel.time().minute());
    z.ZeitStunde = static_cast<std::uint8_t>(ziel.time().hour());
    z.ZeitTag = static_cast<std::uint8_t>(ziel.date().day());
    // The window passes this byte on as last received; so does the tool.
    z.ZeitZusatz = jetzt->zeit[4];
    z.ZeitMonat = static_cast<std::uint8_t>(ziel.date().month());
    z.ZeitJahr = static_cast<std::uint8_t>(ziel.date().year() - 2000);
    z.ZeitGruppe = static_cast<std::uint8_t>(gruppe);
    if (!Sende(a, messages::SetTimeAnfrage(z), f)) return f.ende;
    const auto u = LiesUhr(a, f);
    if (!u) return f.ende;
    Aus(Uhrzeile(*u));
    // The clock runs on meanwhile: it must read back within the time the replies took, and
    // with the group as set.
    const QDateTime gelesen = LiesZeitpunkt(protokoll::UhrText(u->zeit)).value_or(QDateTime());
    const qint64 abstand = gelesen.isValid() ? ziel.secsTo(gelesen) : -1;
    const qint64 spiel = 2 + a.v->versuche * (a.v->frist.count() / 1000 + 1);
    if (abstand >= 0 && abstand <= spiel && u->gruppe == gruppe) return Erfolg;
    f = {KeineAntwort, QCoreApplication::translate(
                           "heliowendler-service",
                           "Die Uhr liest %1 UTC, Gruppe %2 zurück; gesetzt war %3 UTC, Gruppe %4")
                           .arg(protokoll::UhrText(u->zeit))
                           .arg(u->gruppe)
                           .arg(ziel.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")))
                           .arg(gruppe)};
    return KeineAntwort;
}

// The file's lines that differ between two sets, as "- sent" and "+ read" pairs.
QString Unterschiede(const messages::TrackerParameter& soll, messages::TrackerParameter ist) {
    ist.ParRest = soll.ParRest; // not sent, not compared
    const QStringList s = parameterdatei::Schreibe(soll).split(u'\n');
    const QStringList i = parameterdatei::Schreibe(ist).split(u'\n');
    QString diff;
    for (qsizetype k = 0; k < std::max(s.size(), i.size()); ++k)
        if (s.value(k) != i.value(k))
            diff += QStringLiteral("- %1\n+ %2\n").arg(s.value(k), i.value(k));
    return diff.trimmed();
}

int Param(Auftrag& a, Fehler& f) {
    if (!VersionPasst(a, f)) return f.ende;
    if (!a.gegeben.contains(QLatin1String("setzen"))) {
        const auto p = LiesSatz(a, f);
        if (!p) return f.ende;
        const QString text = parameterdatei::Schreibe(
            // The file's own comment stays German whatever the language, as its keys: a file
            // read back must not depend on who wrote it.
            *p, QStringLiteral("Parametersatz der Trackersteuerung an %1, gelesen %2 UTC")
                    .arg(a.v->Name(), QDateTime::currentDateTimeUtc().toString(
                                          QStringLiteral("yyyy-MM-ddTHH:mm:ss"))));
        if (a.datei.isEmpty()) {
            Aus(text);
            return Erfolg;
        }
        if (!dateizugriff::Ersetze(a.datei, [&](const QByteArray&) { return text.toUtf8(); })) {
            f = {DateiFehler, QCoreApplication::translate("heliowendler-service",
                                                          "In %1 kann nicht geschrieben werden")
                                  .arg(a.datei)};
            return DateiFehler;
        }
        return Erfolg;
    }
    if (!Sende(a, messages::SetParamAnfrage(a.satz), f)) return f.ende;
    const auto ist = LiesSatz(a, f);
    if (!ist) return f.ende;
    // "SET Parameter" carries bytes 0 ... 35; the file reader holds every value exactly, so
    // the set the file stands for is the one sent, and it must read back byte for byte.
    const auto soll = a.satz.Bytes(), gelesen = ist->Bytes();
    if (std::equal(soll.begin(), soll.begin() + 36, gelesen.begin())) {
        Aus(QCoreApplication::translate("heliowendler-service",
                                        "Parametersatz gesetzt und zurückgelesen: gleich.\n"));
        return Erfolg;
    }
    f = {KeineAntwort, QCoreApplication::translate(
                           "heliowendler-service",
                           "Der zurückgelesene Satz weicht ab (- gesendet, + gelesen):\n%1")
                           .arg(Unterschiede(a.satz, *ist))};
    return KeineAntwort;
}

int Bewege(Auftrag& a, Fehler& f, const rahmen::Bytes& anfrage) {
    if (!Sende(a, anfrage, f)) return f.ende;
    // The controller does not answer a SET; its status says it is there and shows the motor
    // and automatic lamps.
    const auto antwort = Frage(a, Kommando::GetStatus, Kommando::Status, f);
    if (!antwort) return f.ende;
    const messages::Status s = *messages::LeseStatus(*antwort);
    Aus(QCoreApplication::translate("heliowendler-service", "Gesendet. Status: %1, Countdown %2\n")
            .arg(Lampen(s.StatusByte), messages::CountdownText(s.TrackCountdown)));
    return Erfolg;
}

int Position(Auftrag& a, Fehler& f) {
    return Bewege(a, f, messages::SetPositionAnfrage(a.winkel));
}

int Automatik(Auftrag& a, Fehler& f) {
    return Bewege(a, f, messages::Anfrage(Kommando::SetAutomatik));
}

void Warte(int ms) {
    QEventLoop warte;
    QTimer::singleShot(ms, Qt::PreciseTimer, &warte, &QEventLoop::quit);
    warte.exec();
}

int Speed(Auftrag& a, Fehler& f) {
    if (!VersionPasst(a, f)) return f.ende;
    const auto p = LiesSatz(a, f);
    if (!p) return f.ende;
    // The measurement ends by itself: at the latest after the time the stops and the set
    // speed allow it.
    const double grenze =
        Speedmessung::Hoechstdauer(p->ParAnschlagOst, p->ParAnschlagWest, p->ParWinkelSpeed);
    QElapsedTimer uhr;
    uhr.start();
    Speedmessung messung;
    messung.Zuruecksetzen();
    if (!Sende(a, messages::SetPositionAnfrage(359), f)) return f.ende;
    messung.Beginne(QDateTime::currentDateTimeUtc());
    Fortschritt(QCoreApplication::translate("heliowendler-service", "Fahrt nach West ..."));
    bool ostGemeldet = false;
    for (;;) {
        Warte(1000);
        const auto antwort = Frage(a, Kommando::GetStatus, Kommando::Status, f);
        if (!antwort) return f.ende;
        const bool nachWest = !messung.WestErreicht();
        const std::uint8_t status = messages::LeseStatus(*antwort)->StatusByte;
        const Speedmessung::Tick t = messung.TimerTracktimeTimer(
            QDateTime::currentDateTimeUtc(), status, p->ParAnschlagOst, p->ParAnschlagWest);
        const QString richtung = nachWest
                                     ? QCoreApplication::translate("heliowendler-service", "West")
                                     : QCoreApplication::translate("heliowendler-service", "Ost");
        Fortschritt(richtung + u' ' + t.Zeit);
        switch (t.schritt) {
        case Speedmessung::Schritt::NachOsten:
            if (!Sende(a, messages::SetPositionAnfrage(1), f)) return f.ende;
            if (!ostGemeldet)
                Fortschritt(
                    QCoreApplication::translate("heliowendler-service", "Fahrt nach Ost ..."));
            ostGemeldet = true;
            break;
        case Speedmessung::Schritt::Fertig:
            Aus(QCoreApplication::translate("heliowendler-service", "Trackgeschwindigkeit: %1\n")
                    .arg(t.Speed));
            return Erfolg;
        case Speedmessung::Schritt::Weiter:
            break;
        }
        if (uhr.elapsed() / 1000.0 > grenze) {
            f = {KeineAntwort,
                 QCoreApplication::translate(
                     "heliowendler-service",
                     "speed: nach %1 s ohne Ergebnis aufgegeben (die Grenze aus den Anschlägen "
                     "%2° und %3° und %4 °/s); zuletzt gesehen: %5, Fahrt nach %6 seit %7")
                     .arg(static_cast<int>(uhr.elapsed() / 1000))
                     .arg(p->ParAnschlagOst)
                     .arg(p->ParAnschlagWest)
                     .arg(parameterfelder::Exakt(p->ParWinkelSpeed, 0), Lampen(status), richtung,
                          t.Zeit)};
            return KeineAntwort;
        }
    }
}

int Flash(Auftrag& a, Fehler& f) {
    return Flashe(a.woerter, a.ports, a.einstellungen, a.protokoll, a.frist.value_or(5.0),
                  a.wiederholungen.value_or(10), f);
}

} // namespace

const std::vector<Befehl>& Befehle() {
    static const std::vector<Befehl> befehle = {
        {"ports",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "ports"),
           QT_TRANSLATE_NOOP("heliowendler-service",
                             "jede Schnittstelle COM<n> mit Gerät, Art, bei USB\n"
                             "Hersteller, Produkt und Seriennummer, und ob ein\n"
                             "anderes Programm sie hält")}},
         {"einstellungen"},
         0,
         false,
         nullptr,
         Ports},
        {"info",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "info"),
           QT_TRANSLATE_NOOP("heliowendler-service", "Versionstext der Steuerung (\"GET Info\");\n"
                                                     "unter 01.20 \"Falsche Version!\"")}},
         Geraet,
         0,
         true,
         nullptr,
         Info},
        {"status",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "status"),
           QT_TRANSLATE_NOOP("heliowendler-service", "die sechs Statuslampen und der Countdown")}},
         Geraet,
         0,
         true,
         nullptr,
         Status},
        {"werte",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "werte"),
           QT_TRANSLATE_NOOP("heliowendler-service",
                             "die sechs aktuellen Systemwerte mit Einheiten")}},
         Geraet,
         0,
         true,
         nullptr,
         Werte},
        {"zeit",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "zeit"),
           QT_TRANSLATE_NOOP("heliowendler-service", "die Uhr der Steuerung (UTC)")},
          {QT_TRANSLATE_NOOP("heliowendler-service",
                             "zeit --setzen JJJJ-MM-TTTHH:MM[:SS] | --jetzt [--gruppe N]"),
           QT_TRANSLATE_NOOP("heliowendler-service",
                             "stellt die Uhr und liest sie zurück; Gruppe (ohne\n"
                             "--gruppe) und ZeitZusatz bleiben, wie gelesen")}},
         GeraetUnd({"setzen", "jetzt", "gruppe"}),
         0,
         true,
         PruefeZeit,
         Zeit},
        {"param",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "param [--datei F]"),
           QT_TRANSLATE_NOOP("heliowendler-service",
                             "der Parametersatz als INI-Text, jeder Wert genau,\n"
                             "wie die Steuerung ihn hält (ohne --datei auf die\n"
                             "Standardausgabe)")},
          {QT_TRANSLATE_NOOP("heliowendler-service", "param --setzen F"),
           QT_TRANSLATE_NOOP("heliowendler-service",
                             "prüft F mit den Regeln des Fensters, sendet\n"
                             "\"SET Parameter\", liest den Satz zurück und\n"
                             "vergleicht; beides erst ab Version 01.20")}},
         GeraetUnd({"datei", "setzen"}),
         0,
         true,
         PruefeParam,
         Param},
        {"position",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "position WINKEL --ja"),
           QT_TRANSLATE_NOOP("heliowendler-service",
                             "fährt den Tracker auf WINKEL (bewegt die Mechanik)")}},
         GeraetUnd({"ja"}),
         1,
         true,
         PruefePosition,
         Position},
        {"automatik",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "automatik"),
           QT_TRANSLATE_NOOP("heliowendler-service", "zurück in den Automatikbetrieb")}},
         Geraet,
         0,
         true,
         nullptr,
         Automatik},
        {"speed",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "speed --ja"),
           QT_TRANSLATE_NOOP("heliowendler-service",
                             "misst die Trackgeschwindigkeit (fährt nach West,\n"
                             "dann nach Ost; bewegt die Mechanik); gibt auf nach\n"
                             "zwei Fahrten zwischen den Anschlägen bei halber\n"
                             "eingestellter Geschwindigkeit und 10 s")}},
         GeraetUnd({"ja"}),
         0,
         true,
         PruefeSpeed,
         Speed},
        {"flash",
         {{QT_TRANSLATE_NOOP("heliowendler-service", "flash IMAGE"),
           QT_TRANSLATE_NOOP("heliowendler-service",
                             "überträgt ein TI-TXT-Image an den Bootloader; mit\n"
                             "mehreren --port an mehrere Steuerungen zugleich")}},
         {"port", "einstellungen", "protokoll", "frist", "wiederholungen"},
         1,
         false,
         nullptr,
         Flash},
    };
    return befehle;
}

const Befehl* Finde(const QString& name) {
    for (const Befehl& b : Befehle())
        if (name == QLatin1String(b.name)) return &b;
    return nullptr;
}

const std::vector<Optionstext>& Optionen() {
    static const std::vector<Optionstext> optionen = {
        {"port", "P",
         QT_TRANSLATE_NOOP("heliowendler-service",
                           "COM<n> (wie im Schnittstellendialog: [Ports] der\n"
                           "Einstellungsdatei, dann die Geräte des Systems),\n"
                           "ein Gerätepfad oder SN:<Seriennummer> eines\n"
                           "USB-Adapters; bei flash auch mehrfach")},
        {"einstellungen", "F",
         QT_TRANSLATE_NOOP("heliowendler-service",
                           "Einstellungsdatei mit [Ports] (die der Anwendung:\n"
                           "heliowendler.INI in ihrem Ordner)")},
        {"protokoll", "F",
         QT_TRANSLATE_NOOP("heliowendler-service",
                           "jedes Byte beider Richtungen mit Zeit als Zeile in F\n"
                           "(bei mehreren Ports: F.COM<n>)")},
        {"frist", "S",
         QT_TRANSLATE_NOOP("heliowendler-service", "Sekunden bis zur Antwort (2; flash: 5 wie im\n"
                                                   "Fenster)")},
        {"wiederholungen", "N",
         QT_TRANSLATE_NOOP("heliowendler-service",
                           "eine Anfrage ohne gültige Antwort wird bis zu N-mal\n"
                           "wiederholt (2); flash: eine abgelehnte Zeile (10)")},
        {"datei", "F", ""},
        {"setzen", "F", ""},
        {"jetzt", "", ""},
        {"gruppe", "N", ""},
        {"ja", "", ""},
        {"help", "", QT_TRANSLATE_NOOP("heliowendler-service", "diese Hilfe")},
    };
    return optionen;
}

QString Hilfe() {
    // The forms and texts of the tables, marked for the translation and translated here.
    const auto uebersetzt = [](const char* text) {
        return QCoreApplication::translate("heliowendler-service", text);
    };
    // Two columns: what is typed, then its help, each further line of it indented.
    const auto zeilen = [](const QString& links, const QString& rechts) {
        constexpr int Spalte = 28;
        QString z = QStringLiteral("  ") + links;
        const QStringList r = rechts.split(u'\n');
        if (z.size() >= Spalte)
            z += u'\n' + QString(Spalte, u' ');
        else
            z += QString(Spalte - z.size(), u' ');
        return z + r.join(u'\n' + QString(Spalte, u' ')) + u'\n';
    };
    QString h = uebersetzt(QT_TRANSLATE_NOOP(
        "heliowendler-service",
        "Aufruf: heliowendler-service BEFEHL [Optionen]\n"
        "Wartung einer Trackersteuerung über die serielle Leitung (4800 Baud, 8N1), ohne\n"
        "Fenster. --opt=wert oder --opt wert; Zahlen mit Punkt.\n"
        "\n"
        "Befehle:\n"));
    for (const Befehl& b : Befehle())
        for (const Form& f : b.formen)
            h += zeilen(uebersetzt(f.aufruf), uebersetzt(f.hilfe));
    h += u'\n' + uebersetzt(QT_TRANSLATE_NOOP("heliowendler-service", "Optionen:\n"));
    for (const Optionstext& o : Optionen()) {
        if (!*o.hilfe) continue;
        QString links = QStringLiteral("--") + QLatin1String(o.name);
        if (*o.wert) links += u' ' + QLatin1String(o.wert);
        h += zeilen(links, uebersetzt(o.hilfe));
    }
    h += u'\n' +
         uebersetzt(QT_TRANSLATE_NOOP(
             "heliowendler-service",
             "Ende: 0 Erfolg, 1 falscher Aufruf, 2 Schnittstelle nicht zu öffnen oder\n"
             "verloren, 3 keine oder falsche Antwort, eine Version unter 01.20, keine\n"
             "Messung in der Zeit oder ein Unterschied beim Zurücklesen, 4 Datei oder Image\n"
             "abgelehnt. Jeder Befehl endet von selbst.\n"));
    return h;
}

} // namespace dienst
