#include "geraet/parameterdatei.h"

#include "basis/fehler.h"
#include "basis/zahltext.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <limits>
#include <optional>

namespace parameterdatei {

namespace {

using messages::TrackerParameter;

// The decimal texts of this file use a point, whatever the user's locale says.
class MitPunkt {
public:
    MitPunkt() : alt_(zahltext::Dezimaltrenner()) { zahltext::SetzeDezimaltrenner(u'.'); }
    ~MitPunkt() { zahltext::SetzeDezimaltrenner(alt_); }
    MitPunkt(const MitPunkt&) = delete;
    MitPunkt& operator=(const MitPunkt&) = delete;

private:
    QChar alt_;
};

// A whole-number field: its key, comment and bounds (the field's range, narrowed by the
// bounds the window enforces on its edits).
struct Ganzfeld {
    const char* schluessel;
    const char* kommentar;
    std::uint16_t TrackerParameter::*feld;
    long long min, max;
};
const Ganzfeld Ganzfelder[] = {
    {"Modulhoehe", "Modulhöhe in cm", &TrackerParameter::ParModulH, 0, 65535},
    {"Modulbreite", "Modulbreite in cm", &TrackerParameter::ParModulL, 0, 65535},
    {"Modulabstand", "Lichter Modulabstand in cm", &TrackerParameter::ParModulA, 0, 65535},
    {"Modulneigung", "Modulneigung in °", &TrackerParameter::ParModulN, 0, 90},
    {"AnschlagOst", "Winkel des Anschlag Ost in °", &TrackerParameter::ParAnschlagOst, 0, 360},
    {"AnschlagWest", "Winkel des Anschlag West in °", &TrackerParameter::ParAnschlagWest, 0, 360},
    {"Reserve", "Reservefeld, wie gelesen", &TrackerParameter::ParReserve, 0, 65535},
};
struct Gradfeld {
    const char* schluessel;
    const char* kommentar;
    std::int16_t TrackerParameter::*feld;
};
const Gradfeld Gradfelder[] = {
    {"Breitengrad", "Breitengrad in °", &TrackerParameter::ParBreite},
    {"Laengengrad", "Längengrad in °, östliche Länge negativ", &TrackerParameter::ParLaenge},
};
struct Tausendstelfeld {
    const char* schluessel;
    const char* kommentar;
    double TrackerParameter::*feld;
    long long min, max; // thousandths
};
const Tausendstelfeld Tausendstelfelder[] = {
    {"Winkelgeschwindigkeit", "Winkelgeschwindigkeit in °/s x1000",
     &TrackerParameter::ParWinkelSpeed, 10, 10000},
    {"Korrekturfaktor", "Winkelkorrektur-Faktor x1000", &TrackerParameter::ParKorrekturFaktor, 0,
     std::numeric_limits<std::uint32_t>::max()},
};
constexpr const char* Intervall = "Trackintervall";
constexpr const char* IntervallZehntel = "TrackintervallZehntelsekunden";
constexpr const char* Rest = "Rest";

// The line and key are put in front by the caller.
QString Bereichsfehler(const QString& wert, const QString& min, const QString& max) {
    return QCoreApplication::translate("Parameterdatei", "%1 liegt nicht zwischen %2 und %3")
        .arg(wert, min, max);
}
QString Bereichsfehler(const QString& wert, long long min, long long max) {
    return Bereichsfehler(wert, QString::number(min), QString::number(max));
}

} // namespace

QString Schreibe(const TrackerParameter& p, const QString& kopf) {
    const MitPunkt punkt;
    const messages::Parametertexte t = messages::ParameterTexte(p);
    QStringList z;
    if (!kopf.isEmpty())
        for (const QString& k : kopf.split(u'\n'))
            z << QStringLiteral("; ") + k;
    z << QStringLiteral("; Einheiten wie im Fenster \"Trackerinitialisierung\", Dezimalzahlen mit "
                        "Punkt.");
    z << QStringLiteral("[Parameter]");
    const auto eintrag = [&](const char* kommentar, const char* schluessel, const QString& wert) {
        z << QStringLiteral("; ") + QString::fromUtf8(kommentar);
        z << QString::fromLatin1(schluessel) + u'=' + wert;
    };
    for (const Gradfeld& f : Gradfelder)
        eintrag(f.kommentar, f.schluessel, messages::HundertstelText(p.*f.feld));
    for (const Ganzfeld& f : Ganzfelder)
        eintrag(f.kommentar, f.schluessel, QString::number(p.*f.feld));
    if (p.ParIntervall % 600 == 0)
        eintrag("Trackintervall in min", Intervall, t.Intervall);
    else
        eintrag("Trackintervall in Zehntelsekunden (keine ganze Zahl von Minuten)",
                IntervallZehntel, QString::number(p.ParIntervall));
    for (const Tausendstelfeld& f : Tausendstelfelder)
        eintrag(f.kommentar, f.schluessel, messages::Tausendstel(p.*f.feld));
    QString rest;
    for (const std::uint8_t b : p.ParRest)
        rest += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    eintrag("Bytes 36 bis 39, hexadezimal; nur zur Kenntnis, sie werden nicht gesendet", Rest,
            QStringLiteral("0x") + rest);
    return z.join(u'\n') + u'\n';
}

TrackerParameter Lies(const QString& text) {
    const MitPunkt punkt;
    TrackerParameter p;
    QStringList gesehen;
    bool intervallGesehen = false;
    const QStringList zeilen = text.split(u'\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        const int nr = i + 1;
        const QString zeile = zeilen[i].trimmed();
        if (zeile.isEmpty() || zeile.startsWith(u';') || zeile.startsWith(u'#')) continue;
        if (zeile.startsWith(u'[')) {
            if (zeile.compare(QLatin1String("[Parameter]"), Qt::CaseInsensitive) != 0)
                throw BenutzerFehler(QCoreApplication::translate(
                                         "Parameterdatei", "Zeile %1: unbekannter Abschnitt %2")
                                         .arg(nr)
                                         .arg(zeile));
            continue;
        }
        const qsizetype gleich = zeile.indexOf(u'=');
        if (gleich <= 0)
            throw BenutzerFehler(QCoreApplication::translate(
                                     "Parameterdatei", "Zeile %1: \"Schlüssel=Wert\" erwartet: %2")
                                     .arg(nr)
                                     .arg(zeile));
        const QString schluessel = zeile.left(gleich).trimmed();
        const QString wert = zeile.mid(gleich + 1).trimmed();
        if (gesehen.contains(schluessel, Qt::CaseInsensitive))
            throw BenutzerFehler(QCoreApplication::translate(
                                     "Parameterdatei", "Zeile %1: %2 steht zweimal in der Datei")
                                     .arg(nr)
                                     .arg(schluessel));
        gesehen << schluessel;
        const auto ist = [&](const char* name) {
            return schluessel.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
        };
        // The window's conversions and messages, with the line in front.
        const auto mitZeile = [&](const std::function<void()>& lies) {
            try {
                lies();
            } catch (const BenutzerFehler& f) {
                throw BenutzerFehler(
                    QCoreApplication::translate("Parameterdatei", "Zeile %1 (%2): %3")
                        .arg(nr)
                        .arg(schluessel, f.meldung()));
            }
        };
        bool bekannt = false;
        for (const Ganzfeld& f : Ganzfelder) {
            if (!ist(f.schluessel)) continue;
            bekannt = true;
            mitZeile([&] {
                const int v = zahltext::AlsGanzzahl(wert);
                if (v < f.min || v > f.max)
                    throw BenutzerFehler(Bereichsfehler(wert, f.min, f.max));
                p.*f.feld = static_cast<std::uint16_t>(v);
            });
        }
        for (const Gradfeld& f : Gradfelder) {
            if (!ist(f.schluessel)) continue;
            bekannt = true;
            mitZeile([&] {
                const long long v = zahltext::AlsGanzzahlSkaliert(wert, 2);
                if (v < std::numeric_limits<std::int16_t>::min() ||
                    v > std::numeric_limits<std::int16_t>::max())
                    throw BenutzerFehler(
                        Bereichsfehler(wert, QStringLiteral("-327.68"), QStringLiteral("327.67")));
                p.*f.feld = static_cast<std::int16_t>(v);
            });
        }
        for (const Tausendstelfeld& f : Tausendstelfelder) {
            if (!ist(f.schluessel)) continue;
            bekannt = true;
            mitZeile([&] {
                const long long tausendstel = zahltext::AlsGanzzahlSkaliert(wert, 0);
                if (tausendstel < f.min || tausendstel > f.max)
                    throw BenutzerFehler(Bereichsfehler(wert, f.min, f.max));
                p.*f.feld = messages::AusTausendsteln(wert);
            });
        }
        if (ist(Intervall) || ist(IntervallZehntel)) {
            bekannt = true;
            if (intervallGesehen)
                throw BenutzerFehler(QCoreApplication::translate(
                                         "Parameterdatei", "Zeile %1: das Trackintervall steht "
                                                           "zweimal in der Datei")
                                         .arg(nr));
            intervallGesehen = true;
            const bool minuten = ist(Intervall);
            mitZeile([&] {
                const int v = zahltext::AlsGanzzahl(wert);
                const int max = minuten ? 60 : 65535;
                if (v < 0 || v > max) throw BenutzerFehler(Bereichsfehler(wert, 0, max));
                p.ParIntervall = static_cast<std::uint16_t>(minuten ? v * 600 : v);
            });
        }
        if (ist(Rest)) {
            bekannt = true;
            bool ok =
                wert.size() == 10 && wert.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
            const uint v = ok ? wert.mid(2).toUInt(&ok, 16) : 0;
            if (!ok)
                throw BenutzerFehler(QCoreApplication::translate("Parameterdatei",
                                                                 "Zeile %1: Rest=%2 ist keine "
                                                                 "Hexadezimalzahl mit acht Ziffern "
                                                                 "(0x00000000)")
                                         .arg(nr)
                                         .arg(wert));
            for (int k = 0; k < 4; ++k)
                p.ParRest[static_cast<std::size_t>(k)] =
                    static_cast<std::uint8_t>(v >> (24 - 8 * k));
        }
        if (!bekannt)
            throw BenutzerFehler(
                QCoreApplication::translate("Parameterdatei", "Zeile %1: unbekannter Schlüssel %2")
                    .arg(nr)
                    .arg(schluessel));
    }
    // Every field must be given: a forgotten key must not send a zero.
    QStringList fehlend;
    const auto pruefe = [&](const QString& name) {
        if (!gesehen.contains(name, Qt::CaseInsensitive)) fehlend << name;
    };
    for (const Gradfeld& f : Gradfelder)
        pruefe(QString::fromLatin1(f.schluessel));
    for (const Ganzfeld& f : Ganzfelder)
        pruefe(QString::fromLatin1(f.schluessel));
    for (const Tausendstelfeld& f : Tausendstelfelder)
        pruefe(QString::fromLatin1(f.schluessel));
    if (!gesehen.contains(QLatin1String(Intervall), Qt::CaseInsensitive) &&
        !gesehen.contains(QLatin1String(IntervallZehntel), Qt::CaseInsensitive))
        fehlend << QString::fromLatin1(Intervall);
    if (!fehlend.isEmpty())
        throw BenutzerFehler(QCoreApplication::translate("Parameterdatei", "Es fehlt: %1")
                                 .arg(fehlend.join(QStringLiteral(", "))));
    return p;
}

} // namespace parameterdatei
