#include "tools/trackersim/optionen.h"

#include "basis/kommandozeile.h"
#include "basis/sprache.h"

#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <initializer_list>
#include <set>
#include <string_view>

namespace trackersim {

namespace {

// The translated format (the messages' locale decides) with %1, %2, ... replaced in order.
std::string Text(const char* format, std::initializer_list<std::string_view> argumente = {}) {
    return sprache::Text("trackersim", format, argumente);
}

// "N,M,...": numbers from 1 on.
bool LeseListe(std::string_view text, std::set<unsigned>& liste) {
    if (text.empty()) return false;
    for (;;) {
        const auto komma = text.find(',');
        unsigned n = 0;
        if (!kommandozeile::LeseGanzzahl(text.substr(0, komma), 1, 0xFFFFFFFF, n)) return false;
        liste.insert(n);
        if (komma == std::string_view::npos) return true;
        text.remove_prefix(komma + 1);
    }
}

// A text the device sends: printable ASCII, so it cannot end a bootloader line early.
bool LeseText(std::string_view text, std::string& wert) {
    if (text.empty() || text.size() > 64) return false;
    for (const char c : text)
        if (c < 0x20 || c > 0x7E) return false;
    wert = text;
    return true;
}

// "JJJJ-MM-TTTHH:MM:SS" (or a blank instead of the T), UTC.
bool LeseUhr(std::string_view text, std::int64_t& wert) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != ' ') || text[13] != ':' || text[16] != ':')
        return false;
    int j = 0, mo = 0, t = 0, h = 0, mi = 0, s = 0;
    const auto ziffern = [&](std::size_t von, std::size_t n, int& wert) {
        const std::string_view teil = text.substr(von, n);
        return teil.find_first_not_of("0123456789") == std::string_view::npos &&
               kommandozeile::LeseGanzzahl(teil, 0, 9999, wert);
    };
    if (!ziffern(0, 4, j) || !ziffern(5, 2, mo) || !ziffern(8, 2, t) || !ziffern(11, 2, h) ||
        !ziffern(14, 2, mi) || !ziffern(17, 2, s))
        return false;
    using namespace std::chrono;
    const year_month_day ymd{year{j}, month{static_cast<unsigned>(mo)},
                             day{static_cast<unsigned>(t)}};
    if (!ymd.ok() || h > 23 || mi > 59 || s > 59) return false;
    wert = UtcSekunden(j, static_cast<unsigned>(mo), static_cast<unsigned>(t), h, mi, s);
    return true;
}

} // namespace

std::string Hilfetext() {
    return Text(QT_TRANSLATE_NOOP(
        "trackersim",
        "Aufruf: trackersim [Optionen]\n"
        "Spielt die Trackersteuerung oder ihren Bootloader an einem Pseudo-Terminal. Gibt\n"
        "den Pfad des Geraets als eine Zeile aus und laeuft bis SIGINT oder SIGTERM.\n"
        "--opt=wert oder --opt wert; Zahlen mit Punkt.\n"
        "  --link PFAD                 symbolischer Link PFAD -> Geraet; ersetzt einen\n"
        "                              alten Link, nie eine Datei; beim Ende entfernt\n"
        "  --baud N                    sendet im Takt von N Baud, 10 Bit je Byte\n"
        "                              (ohne: so schnell wie das Pseudo-Terminal)\n"
        "  --rx-baud N                 nimmt die Bytes der Anwendung im Takt von N Baud\n"
        "                              an, wie eine Leitung sie liefert (ohne: sofort)\n"
        "Steuerung (Standard):\n"
        "  --version TEXT              Versionstext der Antwort auf \"GET Info\" (01.20)\n"
        "  --clock JJJJ-MM-TTTHH:MM:SS Uhr (UTC) beim Start (ohne: jetzt)\n"
        "  --speedup F                 Uhr, Tracking und Motor F-mal so schnell (1)\n"
        "  --ack-set                   beantwortet SET-Anfragen mit dem Status\n"
        "                              (ohne: SET-Anfragen bleiben unbeantwortet)\n"
        "  --param-falsch              speichert \"SET Parameter\" mit einer um 1 cm\n"
        "                              groesseren Modulhoehe (Fehler beim Zuruecklesen)\n"
        "  --stuck                     fuehrt \"SET Position\" und \"SET Automatik\" nicht\n"
        "                              aus und dreht nicht: der Status bleibt, wie er ist\n"
        "Bootloader:\n"
        "  --bootloader                spielt den Bootloader statt der Steuerung\n"
        "  --bootloader-version TEXT   Zeile beim Einschalten (Bootloader V1.00)\n"
        "  --flash-dump DATEI          schreibt den Flash (64 KiB) beim Ende und bei\n"
        "                              SIGUSR1 nach DATEI\n"
        "  --notakn N,M,...            \"NotAKN\" auf die Rahmen N, M (ab 1, ohne Loeschen)\n"
        "  --notakn-rate P             \"NotAKN\" mit der Wahrscheinlichkeit P (0 bis 1)\n"
        "  --akn-blank N,M,...         schreibt die Rahmen N, M und antwortet \"AKN \" (mit\n"
        "                              Leerzeichen am Ende, also keine Quittung)\n"
        "  --early-akn                 antwortet beim Loeschen \"AKN\" vor \"Flash clear OK\"\n"
        "  --slow-erase MS             meldet \"Flash clear OK\" erst MS Millisekunden nach\n"
        "                              \"Flash clear start\" (ein langsames Loeschen)\n"
        "  --log                       jeder Rahmen und die Antwort als Zeile nach stderr\n"
        "Stoerungen:\n"
        "  --bad-checksum N,M,...      falsche Pruefsumme in den Antworten N, M (ab 1)\n"
        "  --stray-start N,M,...       ein Startbyte 0x55 allein vor den Antworten N, M\n"
        "  --noise N                   N Stoerbytes vor jeder Antwort (Bootloader: als\n"
        "                              eigene Zeile vor jeder Antwortzeile)\n"
        "  --silent N,M,...            Anfragen (Bootloader: Rahmen) N, M gehen verloren:\n"
        "                              nicht ausgefuehrt, nicht beantwortet\n"
        "  --seed N                    Startwert fuer --noise und --notakn-rate (1)\n"
        "  --flut S                    sendet S Sekunden lang gueltige Statusantworten so\n"
        "                              schnell, wie das Pseudo-Terminal sie nimmt (ein\n"
        "                              USB-Adapter, der die Baudrate nicht einhaelt);\n"
        "                              danach die Zeile \"Flut vorbei <ns>\" auf stdout,\n"
        "                              sobald das letzte Byte der Flut uebergeben ist\n"
        "                              (ns: CLOCK_MONOTONIC in Nanosekunden)\n"
        "  --flut-ab S                 die Flut beginnt S Sekunden nach dem Start (0)\n"
        "  --flut-falsch               die Antworten der Flut tragen eine falsche\n"
        "                              Pruefsumme\n"
        "  --help                      diese Hilfe\n"
        "Signale: SIGUSR1 schreibt den Flash (--flash-dump); SIGUSR2 schaltet den\n"
        "Bootloader neu ein (er meldet seine Version).\n"
        "Ende: 0 nach SIGINT oder SIGTERM, 1 Fehler beim Lauf, 2 falscher Aufruf.\n"));
}

bool LeseOptionen(int argc, const char* const* argv, Optionen& o, std::string& fehler) {
    namespace kz = kommandozeile;
    Stoerplan plan;
    std::string nurBootloader; // an option the controller does not know
    const auto liste = [&](Stoerung s) {
        return [&plan, s](std::string_view w) { return LeseListe(w, plan.bei[s]); };
    };
    const auto zahl = [](unsigned& ziel, long long min, long long max) {
        return kz::Ganzzahl(ziel, min, max);
    };
    const char* Pfad = QT_TRANSLATE_NOOP("trackersim", "ein Pfad");
    const char* Baudrate = QT_TRANSLATE_NOOP("trackersim", "eine Baudrate von 50 bis 4000000");
    const char* Druckbar =
        QT_TRANSLATE_NOOP("trackersim", "ein Text aus 1 bis 64 druckbaren Zeichen");
    const char* Nummern = QT_TRANSLATE_NOOP("trackersim", "eine Liste N,M,... von Zahlen ab 1");
    using kz::Schalter, kz::Wert;
    const kz::Option optionen[] = {
        Schalter("help", [&] { o.hilfe = true; }),
        Schalter("bootloader", [&] { o.bootloader = true; }),
        Schalter("ack-set", [&] { o.steuerung.quittieren = true; }),
        Schalter("param-falsch", [&] { o.steuerung.parameterVerfaelschen = true; }),
        Schalter("stuck", [&] { o.steuerung.festgefahren = true; }),
        Schalter("early-akn", [&] { o.bootloaderEinstellungen.fruehesAkn = true; }),
        Schalter("log", [&] { o.protokoll = true; }),
        Schalter("flut-falsch", [&] { o.flutFalsch = true; }),
        Wert("link", kz::Text(o.link), Pfad),
        Wert("flash-dump", kz::Text(o.flashDump), Pfad),
        Wert("baud", zahl(o.baud, 50, 4'000'000), Baudrate),
        Wert("rx-baud", zahl(o.rxBaud, 50, 4'000'000), Baudrate),
        Wert("flut", zahl(o.flut, 1, 3600),
             QT_TRANSLATE_NOOP("trackersim", "eine Zahl von Sekunden von 1 bis 3600")),
        Wert("flut-ab", zahl(o.flutAb, 0, 3600),
             QT_TRANSLATE_NOOP("trackersim", "eine Zahl von Sekunden von 0 bis 3600")),
        Wert(
            "version", [&](std::string_view w) { return LeseText(w, o.steuerung.version); },
            Druckbar),
        Wert(
            "bootloader-version",
            [&](std::string_view w) { return LeseText(w, o.bootloaderEinstellungen.version); },
            Druckbar),
        Wert(
            "clock",
            [&](std::string_view w) {
                return LeseUhr(w, o.steuerung.uhr) && (o.uhrGesetzt = true);
            },
            QT_TRANSLATE_NOOP("trackersim", "eine Zeit JJJJ-MM-TTTHH:MM:SS")),
        Wert(
            "slow-erase",
            [&](std::string_view w) {
                unsigned n = 0;
                return kz::LeseGanzzahl(w, 1, 600'000, n) &&
                       (o.bootloaderEinstellungen.loeschdauer = std::chrono::milliseconds(n), true);
            },
            QT_TRANSLATE_NOOP("trackersim", "eine Zahl von Millisekunden von 1 bis 600000")),
        Wert("speedup", kz::Zahl(o.steuerung.zeitraffer, 0.001, 1e6),
             QT_TRANSLATE_NOOP("trackersim", "eine Zahl von 0.001 bis 1000000")),
        // The lists of numbered faults may be given more than once: their numbers add up.
        Wert("bad-checksum", liste(Stoerung::FalschePruefsumme), Nummern, true),
        Wert("stray-start", liste(Stoerung::Startbyte), Nummern, true),
        Wert("silent", liste(Stoerung::Stille), Nummern, true),
        Wert("notakn", liste(Stoerung::NotAkn), Nummern, true),
        Wert("akn-blank", liste(Stoerung::AknLeerzeichen), Nummern, true),
        Wert("notakn-rate", kz::Zahl(plan.notAknRate, 0, 1),
             QT_TRANSLATE_NOOP("trackersim", "eine Wahrscheinlichkeit von 0 bis 1")),
        Wert("noise", zahl(plan.rauschen, 0, 1000),
             QT_TRANSLATE_NOOP("trackersim", "eine Zahl von 0 bis 1000")),
        Wert("seed", kz::Ganzzahl(plan.seed, 0, 0xFFFFFFFF),
             QT_TRANSLATE_NOOP("trackersim", "eine Zahl von 0 bis 4294967295")),
    };
    kz::Aufruf aufruf;
    kz::Regeln regeln;
    regeln.kontext = "trackersim";
    if (!kz::Lies(argc, argv, optionen, regeln, aufruf, fehler)) return false;
    if (o.hilfe) return true;
    if (o.flutFalsch && o.flut == 0) {
        fehler = Text(QT_TRANSLATE_NOOP("trackersim", "--flut-falsch gilt nur mit --flut"));
        return false;
    }
    const bool notaknGegeben = aufruf.Gegeben("notakn") || aufruf.Gegeben("notakn-rate");
    if (!o.bootloader && (!o.flashDump.empty() || notaknGegeben)) {
        fehler = Text(QT_TRANSLATE_NOOP(
            "trackersim", "--flash-dump, --notakn und --notakn-rate gelten nur mit --bootloader"));
        return false;
    }
    if (!o.bootloader) {
        if (aufruf.Gegeben("akn-blank")) nurBootloader = "--akn-blank";
        if (o.bootloaderEinstellungen.fruehesAkn) nurBootloader = "--early-akn";
        if (o.protokoll) nurBootloader = "--log";
        if (aufruf.Gegeben("slow-erase")) nurBootloader = "--slow-erase";
        if (!nurBootloader.empty()) {
            fehler = Text(QT_TRANSLATE_NOOP("trackersim", "%1 gilt nur mit --bootloader"),
                          {nurBootloader});
            return false;
        }
    }
    if (o.bootloader && o.steuerung.festgefahren) {
        fehler = Text(QT_TRANSLATE_NOOP("trackersim", "--stuck gilt nur fuer die Steuerung"));
        return false;
    }
    if (o.bootloader && (!plan.bei[Stoerung::FalschePruefsumme].empty() ||
                         !plan.bei[Stoerung::Startbyte].empty())) {
        fehler = Text(QT_TRANSLATE_NOOP(
            "trackersim",
            "--bad-checksum und --stray-start gelten nur fuer die Steuerung (der Bootloader "
            "antwortet mit Text)"));
        return false;
    }
    o.steuerung.stoerungen = plan;
    o.bootloaderEinstellungen.stoerungen = plan;
    return true;
}

} // namespace trackersim
