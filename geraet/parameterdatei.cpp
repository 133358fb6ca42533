#include "geraet/parameterdatei.h"

#include "basis/fehler.h"
#include "basis/zahltext.h"
#include "geraet/parameterfelder.h"
#include "geraet/sichtbar.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace parameterdatei {

namespace {

using messages::TrackerParameter;
using parameterfelder::Feld;
using parameterfelder::Umrechnung;

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

// The keys of the file that are no edit of the window.
constexpr const char* IntervallZehntel = "TrackintervallZehntelsekunden";
constexpr const char* Reserve = "Reserve";
constexpr const char* Rest = "Rest";

// The line and key are put in front by the caller.
BenutzerFehler Bereichsfehler(const QString& wert, const QString& min, const QString& max) {
    return BenutzerFehler(
        QCoreApplication::translate("Parameterdatei", "%1 liegt nicht zwischen %2 und %3")
            .arg(wert, min, max));
}
BenutzerFehler Bereichsfehler(const QString& wert, long long min, long long max) {
    return Bereichsfehler(wert, QString::number(min), QString::number(max));
}
// A value within the bounds that the field cannot hold as written; haelt is what it would.
BenutzerFehler Ungenau(const QString& wert, const QString& haelt) {
    return BenutzerFehler(
        QCoreApplication::translate("Parameterdatei",
                                    "%1 kann das Feld nicht genau halten (es hielte %2)")
            .arg(wert, haelt));
}

// The double nearest to a whole number of thousandths.
double AusTausendsteln(long long tausendstel) {
    return messages::AusTausendsteln(QString::number(tausendstel));
}

// One field from its text in the file, checked by the window's conversion, the window's
// bounds and what the field holds. Throws BenutzerFehler with the window's message.
void LiesFeld(const Feld& f, const QString& wert, TrackerParameter& p) {
    const long long min = parameterfelder::Kleinster(f).value_or(0);
    const long long max = parameterfelder::Groesster(f).value_or(0);
    switch (f.umrechnung) {
    case Umrechnung::Ganz:
    case Umrechnung::Minuten: {
        const int v = zahltext::AlsGanzzahl(wert);
        if (v < min || v > max) throw Bereichsfehler(wert, min, max);
        p.*f.u16 = static_cast<std::uint16_t>(f.umrechnung == Umrechnung::Minuten ? v * 600 : v);
        return;
    }
    case Umrechnung::Hundertstel: {
        const long long v = zahltext::AlsGanzzahlSkaliert(wert, 2);
        if (v < min || v > max)
            throw Bereichsfehler(wert, zahltext::AllgemeinSkaliert(min, 2),
                                 zahltext::AllgemeinSkaliert(max, 2));
        const QString haelt = zahltext::AllgemeinSkaliert(v, 2);
        if (!parameterfelder::GleicherWert(wert, haelt)) throw Ungenau(wert, haelt);
        p.*f.i16 = static_cast<std::int16_t>(v);
        return;
    }
    case Umrechnung::Tausendstel: {
        // A number in thousandths beyond the doubles is no number to the window's conversion.
        double x = 0;
        if (parameterfelder::IstDezimalzahl(wert) && !zahltext::VersucheGleitkomma(wert, x))
            throw BenutzerFehler(
                QCoreApplication::translate("Parameterdatei", "%1 ist für das Feld zu groß")
                    .arg(wert));
        x = messages::AusTausendsteln(wert);
        const auto unten = parameterfelder::Kleinster(f), oben = parameterfelder::Groesster(f);
        if (unten && oben && !(x >= AusTausendsteln(*unten) && x <= AusTausendsteln(*oben)))
            throw Bereichsfehler(wert, *unten, *oben);
        if (!std::isfinite(x))
            throw BenutzerFehler(
                QCoreApplication::translate("Parameterdatei", "%1 ist für das Feld zu groß")
                    .arg(wert));
        // The double holds this number only where its shortest text is the number again.
        const QString haelt = parameterfelder::Exakt(x, 3);
        if (!parameterfelder::GleicherWert(wert, haelt)) throw Ungenau(wert, haelt);
        p.*f.dbl = x;
        return;
    }
    }
}

QString Wert(const Feld& f, const TrackerParameter& p) {
    switch (f.umrechnung) {
    case Umrechnung::Ganz:
        return QString::number(p.*f.u16);
    case Umrechnung::Minuten:
        return QString::number(p.*f.u16 / 600);
    case Umrechnung::Hundertstel:
        return zahltext::AllgemeinSkaliert(p.*f.i16, 2);
    case Umrechnung::Tausendstel:
        return parameterfelder::Exakt(p.*f.dbl, 3);
    }
    return {};
}

} // namespace

QString Schreibe(const TrackerParameter& p, const QString& kopf) {
    const MitPunkt punkt;
    QStringList z;
    if (!kopf.isEmpty())
        for (const QString& k : kopf.split(u'\n'))
            z << QStringLiteral("; ") + k;
    z << QStringLiteral("; Einheiten wie im Fenster \"Trackerinitialisierung\", Dezimalzahlen mit "
                        "Punkt; jeder Wert genau, wie die Steuerung ihn hält.");
    z << QStringLiteral("[Parameter]");
    const auto eintrag = [&](const char* kommentar, const char* schluessel, const QString& wert) {
        z << QStringLiteral("; ") + QString::fromUtf8(kommentar);
        z << QString::fromLatin1(schluessel) + u'=' + wert;
    };
    for (const Feld& f : parameterfelder::Felder) {
        if (f.umrechnung == Umrechnung::Minuten && p.*f.u16 % 600 != 0)
            eintrag("Trackintervall in Zehntelsekunden (keine ganze Zahl von Minuten)",
                    IntervallZehntel, QString::number(p.*f.u16));
        else
            eintrag(f.bedeutung, f.schluessel, Wert(f, p));
    }
    eintrag("Reservefeld, wie gelesen", Reserve, QString::number(p.ParReserve));
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
    QStringList zeilen = text.split(u'\n');
    // A byte-order mark an editor may put in front.
    if (!zeilen.isEmpty() && zeilen[0].startsWith(QChar(0xFEFF))) zeilen[0].remove(0, 1);
    for (int i = 0; i < zeilen.size(); ++i) {
        const int nr = i + 1;
        const QString zeile = zeilen[i].trimmed();
        // Whatever a message repeats of the file must print as itself.
        if (!sichtbar::Druckbar(zeile))
            throw BenutzerFehler(QCoreApplication::translate(
                                     "Parameterdatei", "Zeile %1: %2 enthält ein Steuerzeichen")
                                     .arg(nr)
                                     .arg(sichtbar::Text(zeile)));
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
        // The window's conversions and messages, with the line and the key in front.
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
        const Feld* feld = nullptr;
        for (const Feld& f : parameterfelder::Felder)
            if (ist(f.schluessel)) feld = &f;
        if (feld || ist(IntervallZehntel)) {
            const bool intervall =
                ist(IntervallZehntel) || feld->id == parameterfelder::Id::Trackintervall;
            if (intervall && intervallGesehen)
                throw BenutzerFehler(
                    QCoreApplication::translate(
                        "Parameterdatei", "Zeile %1: das Trackintervall steht zweimal in der Datei")
                        .arg(nr));
            intervallGesehen = intervallGesehen || intervall;
        }
        if (feld) {
            mitZeile([&] { LiesFeld(*feld, wert, p); });
        } else if (ist(IntervallZehntel)) {
            // In tenths of a second, within the window's bound on the minutes.
            const auto& f = parameterfelder::Zu(parameterfelder::Id::Trackintervall);
            mitZeile([&] {
                const int v = zahltext::AlsGanzzahl(wert);
                const long long max = *parameterfelder::Groesster(f) * 600;
                if (v < 0 || v > max) throw Bereichsfehler(wert, 0, max);
                p.ParIntervall = static_cast<std::uint16_t>(v);
            });
        } else if (ist(Reserve)) {
            mitZeile([&] {
                const int v = zahltext::AlsGanzzahl(wert);
                if (v < 0 || v > 65535) throw Bereichsfehler(wert, 0, 65535);
                p.ParReserve = static_cast<std::uint16_t>(v);
            });
        } else if (ist(Rest)) {
            bool ok =
                wert.size() == 10 && wert.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
            const uint v = ok ? wert.mid(2).toUInt(&ok, 16) : 0;
            if (!ok)
                throw BenutzerFehler(QCoreApplication::translate(
                                         "Parameterdatei",
                                         "Zeile %1: Rest=%2 ist keine Hexadezimalzahl mit acht "
                                         "Ziffern (0x00000000)")
                                         .arg(nr)
                                         .arg(wert));
            for (int k = 0; k < 4; ++k)
                p.ParRest[static_cast<std::size_t>(k)] =
                    static_cast<std::uint8_t>(v >> (24 - 8 * k));
        } else {
            throw BenutzerFehler(
                QCoreApplication::translate("Parameterdatei", "Zeile %1: unbekannter Schlüssel %2")
                    .arg(nr)
                    .arg(schluessel));
        }
    }
    // Every field must be given: a forgotten key must not send a zero.
    QStringList fehlend;
    for (const Feld& f : parameterfelder::Felder) {
        const bool da = gesehen.contains(QLatin1String(f.schluessel), Qt::CaseInsensitive) ||
                        (f.umrechnung == Umrechnung::Minuten && intervallGesehen);
        if (!da) fehlend << QString::fromLatin1(f.schluessel);
    }
    if (!gesehen.contains(QLatin1String(Reserve), Qt::CaseInsensitive))
        fehlend << QString::fromLatin1(Reserve);
    if (!fehlend.isEmpty())
        throw BenutzerFehler(QCoreApplication::translate("Parameterdatei", "Es fehlt: %1")
                                 .arg(fehlend.join(QStringLiteral(", "))));
    return p;
}

} // namespace parameterdatei
