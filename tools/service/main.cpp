// heliowendler-service: the service technician's work on a tracker controller without the
// windows, over the same link core and the same messages as the parametrization and firmware
// windows. The commands, their help and their checks are one table (befehle.h); this reads the
// command line against it, checks every argument before a port is opened, and runs the
// command.
#include "basis/kommandozeile.h"
#include "basis/programmdateien.h"
#include "basis/sprache.h"
#include "basis/zahltext.h"
#include "tools/service/ausgabe.h"
#include "tools/service/befehle.h"

#include <QCoreApplication>
#include <algorithm>

using namespace dienst;

namespace {

QString Text(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size()));
}

// Reads the command line into a: the options of every command (which command takes which is
// checked afterwards) and the words.
std::optional<Fehler> LiesAufruf(int argc, const char* const* argv, Auftrag& a) {
    namespace kz = kommandozeile;
    std::vector<std::string> ports;
    std::string einstellungen, protokoll, datei, setzen;
    double frist = 0;
    int gruppe = 0;
    int wiederholungen = 0;
    const auto text = [](std::string& ziel) { return kz::Text(ziel); };
    const char* Pfad = QT_TRANSLATE_NOOP("heliowendler-service", "ein Pfad");
    std::vector<kz::Option> optionen;
    for (const Optionstext& o : Optionen()) {
        const std::string_view n = o.name;
        if (n == "port")
            optionen.push_back(
                kz::Wert(n, kz::Liste(ports),
                         QT_TRANSLATE_NOOP("heliowendler-service", "COM<n>, ein Gerätepfad oder "
                                                                   "SN:<Seriennummer>"),
                         true));
        else if (n == "einstellungen")
            optionen.push_back(kz::Wert(n, text(einstellungen), Pfad));
        else if (n == "protokoll")
            optionen.push_back(kz::Wert(n, text(protokoll), Pfad));
        else if (n == "datei")
            optionen.push_back(kz::Wert(n, text(datei), Pfad));
        else if (n == "setzen")
            optionen.push_back(
                kz::Wert(n, text(setzen),
                         QT_TRANSLATE_NOOP("heliowendler-service", "ein Pfad oder ein Zeitpunkt")));
        else if (n == "frist")
            optionen.push_back(kz::Wert(
                n,
                [&](std::string_view w) {
                    return kz::LeseZahl(w, 0, 3600, frist) && frist > 0 && (a.frist = frist, true);
                },
                QT_TRANSLATE_NOOP("heliowendler-service",
                                  "eine Zahl von Sekunden über 0 bis 3600")));
        else if (n == "wiederholungen")
            optionen.push_back(kz::Wert(
                n,
                [&](std::string_view w) {
                    return kz::LeseGanzzahl(w, 0, 100, wiederholungen) &&
                           (a.wiederholungen = wiederholungen, true);
                },
                QT_TRANSLATE_NOOP("heliowendler-service", "eine Zahl von 0 bis 100")));
        else if (n == "gruppe")
            optionen.push_back(kz::Wert(
                n,
                [&](std::string_view w) {
                    return kz::LeseGanzzahl(w, 0, 255, gruppe) && (a.gruppe = gruppe, true);
                },
                QT_TRANSLATE_NOOP("heliowendler-service", "eine Gruppe von 0 bis 255")));
        else if (n == "jetzt")
            optionen.push_back(kz::Schalter(n, [&] { a.jetzt = true; }));
        else if (n == "ja")
            optionen.push_back(kz::Schalter(n, [&] { a.ja = true; }));
        else if (n == "help")
            optionen.push_back(kz::Schalter(n, [&] { a.hilfe = true; }));
    }
    kz::Regeln regeln;
    regeln.kontext = "heliowendler-service";
    regeln.woerter = true;
    kz::Aufruf aufruf;
    std::string fehler;
    if (!kz::Lies(argc, argv, optionen, regeln, aufruf, fehler))
        return Fehler{Aufruf, Text(fehler)};
    for (const std::string& p : ports)
        a.ports << Text(p);
    a.einstellungen = Text(einstellungen);
    a.protokoll = Text(protokoll);
    a.datei = Text(datei);
    a.setzen = Text(setzen);
    for (const std::string& g : aufruf.gegeben)
        a.gegeben << QString::fromStdString(g);
    for (const std::string& w : aufruf.woerter) {
        if (a.befehl.isEmpty())
            a.befehl = Text(w);
        else
            a.woerter << Text(w);
    }
    return std::nullopt;
}

// What the table says the command takes: its options, its words, its ports; then its own
// checks. All before a port is opened.
std::optional<Fehler> PruefeAufruf(const Befehl& b, Auftrag& a) {
    for (const QString& o : a.gegeben) {
        if (o == QLatin1String("help")) continue;
        const bool nimmt = std::any_of(b.optionen.begin(), b.optionen.end(),
                                       [&](std::string_view n) { return o == QLatin1String(n); });
        if (!nimmt)
            return Fehler{Aufruf, QCoreApplication::translate("heliowendler-service",
                                                              "%1 nimmt die Option --%2 nicht")
                                      .arg(a.befehl, o)};
    }
    QStringList formen;
    for (const Form& f : b.formen)
        formen << QCoreApplication::translate("heliowendler-service", f.aufruf);
    const QString aufruf = formen.join(QStringLiteral(" | "));
    if (a.woerter.size() > b.woerter)
        return Fehler{Aufruf,
                      QCoreApplication::translate("heliowendler-service",
                                                  "%1: unerwartetes Wort \"%2\" (Aufruf: %3)")
                          .arg(a.befehl, a.woerter[b.woerter], aufruf)};
    if (a.woerter.size() < b.woerter)
        return Fehler{Aufruf, QCoreApplication::translate("heliowendler-service",
                                                          "%1: es fehlt ein Wort (Aufruf: %2)")
                                  .arg(a.befehl, aufruf)};
    if (b.einPort && a.ports.size() != 1)
        return Fehler{Aufruf,
                      a.ports.isEmpty()
                          ? QCoreApplication::translate("heliowendler-service", "--port fehlt")
                          : QCoreApplication::translate("heliowendler-service",
                                                        "Dieser Befehl nimmt ein --port")};
    if (b.pruefe) return b.pruefe(a);
    return std::nullopt;
}

// Opens the one port of a (with its record) or says why not.
std::optional<Fehler> Verbinde(Auftrag& a) {
    Fehler f{Erfolg, {}};
    const auto port = LiesPort(a.ports[0], a.einstellungen, f);
    if (!port) return f;
    a.v = std::make_unique<Verbindung>(*port, a.einstellungen);
    a.v->versuche = a.wiederholungen.value_or(2) + 1;
    if (a.frist) a.v->frist = std::chrono::milliseconds(static_cast<long long>(*a.frist * 1000));
    if (!a.protokoll.isEmpty())
        if (auto e = a.v->Protokolliere(a.protokoll)) return e;
    return a.v->Oeffne();
}

int Beende(const Fehler& f, bool hinweis = false) {
    Fehlermeldung(hinweis ? f.meldung + u'\n' +
                                QCoreApplication::translate("heliowendler-service",
                                                            "(--help zeigt die Befehle)")
                          : f.meldung);
    return f.ende;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Its help and messages in English for an English locale, as the windows.
    sprache::Installiere(app, false);
    kommandozeile::Uebersetzung() = [](const char* kontext, const char* text) {
        return sprache::Text(kontext, text);
    };
    // Numbers with a point on the command line and in every text the tool writes.
    zahltext::SetzeDezimaltrenner(u'.');
    Auftrag a;
    if (auto f = LiesAufruf(argc, argv, a)) return Beende(*f, true);
    if (a.hilfe) {
        Aus(Hilfe());
        return Erfolg;
    }
    if (a.befehl.isEmpty())
        return Beende({Aufruf, QCoreApplication::translate("heliowendler-service", "kein Befehl")},
                      true);
    const Befehl* b = Finde(a.befehl);
    if (!b)
        return Beende(
            {Aufruf, QCoreApplication::translate("heliowendler-service", "unbekannter Befehl %1")
                         .arg(a.befehl)},
            true);
    if (auto f = PruefeAufruf(*b, a)) return Beende(*f, f->ende == Aufruf);
    // The application's settings file, where the application keeps it; only read, so
    // nothing is created for it.
    if (a.einstellungen.isEmpty())
        a.einstellungen = programmdateien::EinstellungsdateiZumLesen(
            QCoreApplication::applicationDirPath() + QStringLiteral("/heliowendler"));
    if (b->einPort)
        if (auto f = Verbinde(a)) return Beende(*f);
    Fehler f{Erfolg, {}};
    const int ende = b->fuehreAus(a, f);
    if (ende != Erfolg) Fehlermeldung(f.meldung);
    return ende;
}
