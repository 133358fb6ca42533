#include "tools/service/verbindung.h"

#include "geraet/protokoll.h"
#include "geraet/sichtbar.h"
#include "seriallink/porteinstellungen.h"
#include "seriallink/portliste.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QTimer>

namespace dienst {

namespace {

// The tool's words for why the port would not open or went away.
QString Ursache(const Linkereignis& e, const QString& einstellungen) {
    using G = Linkereignis::Grund;
    const QString geraet = sichtbar::Text(e.geraet);
    if (e.art == Linkereignis::Art::PortVerloren)
        return QCoreApplication::translate("heliowendler-service", "Verbindung zu %1 verloren (%2)")
            .arg(geraet, e.ursache);
    switch (e.grund) {
    case G::KeinGeraet:
        return QCoreApplication::translate(
                   "heliowendler-service",
                   "Für COM%1 ist kein Gerät bekannt: Gerät anschließen, im Abschnitt [Ports] "
                   "von %2 eintragen (COM%1=/dev/…) oder einen Gerätepfad angeben")
            .arg(e.port)
            .arg(sichtbar::Text(einstellungen));
    case G::Oeffnung: {
        serial::Oeffnungsfehler o = e.oeffnung;
        o.systemtext = sichtbar::Text(o.systemtext);
        return serial::Ursache(o, geraet);
    }
    case G::KeinSendethread:
        return QCoreApplication::translate(
                   "heliowendler-service",
                   "Für das Senden an %1 lässt sich kein Thread starten: %2")
            .arg(geraet, e.ursache);
    case G::KeinEmpfangsthread:
        return QCoreApplication::translate(
                   "heliowendler-service",
                   "Für den Empfang von %1 lässt sich kein Thread starten: %2")
            .arg(geraet, e.ursache);
    case G::Keiner:
        break;
    }
    return e.ursache;
}

} // namespace

std::optional<Portangabe> LiesPort(const QString& text, const QString& einstellungen, Fehler& f) {
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]{0,5})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = com.match(text); m.hasMatch())
        return Portangabe{text.toUpper(), m.captured(1).toInt(), {}};
    if (text.startsWith(u'/')) return Portangabe{text, 0, text};
    if (text.startsWith(QLatin1String("SN:"), Qt::CaseInsensitive) && text.size() > 3) {
        const QString nummer = text.mid(3);
        QStringList geraete;
        for (const PortEintrag& p : portliste::Ports(einstellungen))
            if (QSerialPortInfo(QFileInfo(p.Geraet).canonicalFilePath()).serialNumber() == nummer)
                geraete << p.Geraet;
        if (geraete.size() == 1) return Portangabe{text, 0, geraete[0]};
        f = geraete.isEmpty()
                ? Fehler{PortFehler, QCoreApplication::translate(
                                         "heliowendler-service",
                                         "Kein Adapter mit der Seriennummer %1 ist angeschlossen")
                                         .arg(nummer)}
                : Fehler{Aufruf, QCoreApplication::translate(
                                     "heliowendler-service",
                                     "Mehrere Adapter haben die Seriennummer %1: %2")
                                     .arg(nummer, geraete.join(QStringLiteral(", ")))};
        return std::nullopt;
    }
    f = {Aufruf, QCoreApplication::translate(
                     "heliowendler-service",
                     "--port %1: COM<n>, ein Gerätepfad oder SN:<Seriennummer> erwartet")
                     .arg(text)};
    return std::nullopt;
}

Verbindung::Verbindung(Portangabe port, QString einstellungen)
    : port_(std::move(port)), einstellungen_(std::move(einstellungen)) {
    link_.SetzeEinstellungsdatei(einstellungen_);
    QObject::connect(&link_, &SioVerbindung::ereignis, &link_, [this](const Linkereignis& e) {
        switch (e.art) {
        case Linkereignis::Art::OeffnenGescheitert:
            oeffnungsfehler_ = Ursache(e, einstellungen_);
            break;
        case Linkereignis::Art::PortVerloren:
            verloren_ = true;
            verlustursache_ = Ursache(e, einstellungen_);
            break;
        default:
            break;
        }
    });
}

Verbindung::~Verbindung() {
    link_.SioClose();
    link_.Aufzeichnung().Beende();
}

QString Verbindung::Name() const {
    // The device may come from the settings file: shown as it prints.
    const QString geraet = sichtbar::Text(link_.Geraet());
    const QString text = sichtbar::Text(port_.text);
    if (geraet.isEmpty() || geraet == text) return text;
    return QStringLiteral("%1 (%2)").arg(text, geraet);
}

std::optional<Fehler> Verbindung::Protokolliere(const QString& pfad) {
    QString grund;
    protokoll_ = protokoll::Datei::Oeffne(link_.Aufzeichnung(), pfad, grund);
    if (!protokoll_)
        return Fehler{DateiFehler, QCoreApplication::translate(
                                       "heliowendler-service",
                                       "Das Protokoll %1 kann nicht geschrieben werden: %2")
                                       .arg(pfad, grund)};
    return std::nullopt;
}

std::optional<Fehler> Verbindung::Oeffne() {
    Oeffnung o;
    o.ComPortNr = port_.nummer;
    o.Geraet = port_.geraet;
    WendeEinstellstringAn(o.Einstellungen, "baud=4800 parity=N data=8 stop=1");
    link_.SioInit(o);
    if (link_.PortOffen()) return std::nullopt;
    return Fehler{PortFehler, QCoreApplication::translate("heliowendler-service",
                                                          "%1 lässt sich nicht öffnen: %2")
                                  .arg(sichtbar::Text(port_.text), oeffnungsfehler_)};
}

bool Verbindung::Sende(const rahmen::Bytes& rahmen) {
    return link_.SioSend(rahmen.data(), static_cast<unsigned>(rahmen.size()));
}

std::optional<messages::Antwort> Verbindung::Frage(const rahmen::Bytes& anfrage,
                                                   std::uint8_t antwort, Fehler& fehler) {
    std::optional<messages::Antwort> ergebnis;
    QEventLoop schleife;
    const auto verbindung = QObject::connect(
        &link_, &SioVerbindung::rahmenEmpfangen, &schleife, [&](const QByteArray& r) {
            auto a = messages::Zerlege({reinterpret_cast<const std::uint8_t*>(r.constData()),
                                        static_cast<std::size_t>(r.size())});
            if (!a || a->kommando != antwort || !messages::Vollstaendig(*a)) return;
            ergebnis = std::move(a);
            schleife.quit();
        });
    const auto verlust =
        QObject::connect(&link_, &SioVerbindung::ereignis, &schleife, [&](const Linkereignis& e) {
            if (e.art == Linkereignis::Art::PortVerloren) schleife.quit();
        });
    QTimer uhr;
    uhr.setSingleShot(true);
    uhr.setTimerType(Qt::PreciseTimer);
    QObject::connect(&uhr, &QTimer::timeout, &schleife, &QEventLoop::quit);
    for (int versuch = 0; versuch < versuche && !ergebnis && !verloren_; ++versuch) {
        if (versuch > 0) {
            ++wiederholungen_;
            // A damaged reply, or a stray start byte, may have left a candidate open that
            // would swallow the reply to the repeat: it is dropped first. The windows' own
            // receiving is not touched by this.
            link_.VerwirfKandidat();
        }
        if (!Sende(anfrage)) {
            fehler = {PortFehler, QCoreApplication::translate("heliowendler-service",
                                                              "%1: Senden fehlgeschlagen")
                                      .arg(Name())};
            break;
        }
        uhr.start(frist);
        schleife.exec();
    }
    QObject::disconnect(verbindung);
    QObject::disconnect(verlust);
    if (ergebnis) return ergebnis;
    if (verloren_)
        fehler = {PortFehler, QCoreApplication::translate("heliowendler-service", "%1: %2")
                                  .arg(sichtbar::Text(port_.text), verlustursache_)};
    else if (fehler.meldung.isEmpty())
        fehler = {
            KeineAntwort,
            QCoreApplication::translate(
                "heliowendler-service",
                "%1: keine gültige Antwort auf \"%2\" nach %3 Versuchen (%4 Prüfsummenfehler)")
                .arg(Name(), messages::StatusText(static_cast<messages::Kommando>(
                                 anfrage.size() > 1 ? anfrage[1] : 0)))
                .arg(versuche)
                .arg(link_.Pruefsummenfehler())};
    return std::nullopt;
}

} // namespace dienst
