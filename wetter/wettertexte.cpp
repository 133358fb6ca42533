#include "wetter/wettertexte.h"

#include "basis/zahltext.h"

#include <QCoreApplication>
#include <cmath>

namespace wetter {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("wetter", text);
}

QString Erwartet(Erwartung e) {
    switch (e) {
    case Erwartung::Nichts:
        return {};
    case Erwartung::Zahl:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Zahl"));
    case Erwartung::Jahr:
        return Tr(QT_TRANSLATE_NOOP("wetter", "ein Jahr"));
    case Erwartung::Monat:
        return Tr(QT_TRANSLATE_NOOP("wetter", "ein Monat 1 … 12"));
    case Erwartung::Tag:
        return Tr(QT_TRANSLATE_NOOP("wetter", "ein Tag des Monats"));
    case Erwartung::Stunde:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Stunde 1 … 24"));
    case Erwartung::Minute:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Minute 0 … 60"));
    case Erwartung::Datum:
        return Tr(QT_TRANSLATE_NOOP("wetter", "ein Datum MM/TT/JJJJ"));
    case Erwartung::Uhrzeit:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Uhrzeit hh:mm bis 24:00"));
    case Erwartung::Zeitstempel:
        return Tr(QT_TRANSLATE_NOOP("wetter", "ein Zeitstempel JJJJMMTT:hhmm"));
    case Erwartung::Breite:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Breite -90 … 90°"));
    case Erwartung::Laenge:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Länge -180 … 180°"));
    case Erwartung::Zeitzone:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Zeitzone -12 … 14 h"));
    case Erwartung::Hoehe:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Höhe in m"));
    case Erwartung::Schritt:
        return Tr(QT_TRANSLATE_NOOP("wetter", "eine Zahl der Datensätze je Stunde, die 60 teilt"));
    case Erwartung::Feld:
        return Tr(QT_TRANSLATE_NOOP("wetter", "ein weiteres Feld"));
    case Erwartung::Json:
        return Tr(QT_TRANSLATE_NOOP("wetter", "gültiges JSON"));
    case Erwartung::JsonObjekt:
        return Tr(QT_TRANSLATE_NOOP("wetter", "ein JSON-Objekt"));
    }
    return {};
}

QString Kurzname(Groesse g) {
    switch (g) {
    case Groesse::Keine:
        return {};
    case Groesse::GHI:
        return QStringLiteral("GHI");
    case Groesse::DNI:
        return QStringLiteral("DNI");
    case Groesse::DHI:
        return QStringLiteral("DHI");
    case Groesse::Albedo:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Albedo"));
    }
    return {};
}

QString Langname(Groesse g) {
    switch (g) {
    case Groesse::Keine:
        return {};
    case Groesse::GHI:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Globalstrahlung (GHI)"));
    case Groesse::DNI:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Direktnormalstrahlung (DNI)"));
    case Groesse::DHI:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Diffusstrahlung (DHI)"));
    case Groesse::Albedo:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Albedo"));
    }
    return {};
}

// "Zeile 12, Spalte 15 (DNI)", "Zeile 1, Zeichen 3456", "Zeile 12", or empty.
QString Ort(const Ablehnung& a, bool mitStelle = true) {
    QString ort;
    if (a.zeile <= 0) return ort;
    if (mitStelle && a.spalte > 0)
        ort = Tr(QT_TRANSLATE_NOOP("wetter", "Zeile %1, Spalte %2")).arg(a.zeile).arg(a.spalte);
    else if (mitStelle && a.zeichen > 0)
        ort = Tr(QT_TRANSLATE_NOOP("wetter", "Zeile %1, Zeichen %2")).arg(a.zeile).arg(a.zeichen);
    else
        ort = Tr(QT_TRANSLATE_NOOP("wetter", "Zeile %1")).arg(a.zeile);
    if (a.groesse != Groesse::Keine) ort += QStringLiteral(" (") + Kurzname(a.groesse) + u')';
    return ort;
}

// "<place>: erwartet wird <what>, gefunden „<text>“." or, with nothing there, "<place>: es
// fehlt <what>."
QString Erwartung_(const Ablehnung& a) {
    const QString ort = Ort(a);
    const QString was =
        a.gefunden.isEmpty()
            ? Tr(QT_TRANSLATE_NOOP("wetter", "es fehlt %1.")).arg(Erwartet(a.erwartet))
            : Tr(QT_TRANSLATE_NOOP("wetter", "erwartet wird %1, gefunden „%2“."))
                  .arg(Erwartet(a.erwartet), a.gefunden);
    return ort.isEmpty() ? was : ort + QStringLiteral(": ") + was;
}

} // namespace

QString FormatName(Format format) {
    switch (format) {
    case Format::EPW:
        return QStringLiteral("EPW");
    case Format::PvgisCsv:
        return QStringLiteral("PVGIS-CSV");
    case Format::PvgisJson:
        return QStringLiteral("PVGIS-JSON");
    case Format::TMY3:
        return QStringLiteral("TMY3");
    }
    return {};
}

QString Text(const Ablehnung& a) {
    switch (a.grund) {
    case Grund::NichtLesbar:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Die Datei kann nicht gelesen werden."));
    case Grund::ZuGross:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Die Datei ist größer als %1 MiB."))
            .arg(GroessteDatei >> 20);
    case Grund::KeineWetterdatei:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Keine Wetterdatei (EPW, PVGIS-TMY als CSV oder "
                                              "JSON, TMY3): Zeile 1 beginnt mit „%1“."))
            .arg(a.gefunden);
    case Grund::AngabeFehlt:
    case Grund::ZeileDefekt:
        if (a.erwartet == Erwartung::Feld && a.groesse != Groesse::Keine) {
            Ablehnung b = a;
            b.groesse = Groesse::Keine;
            return Tr(QT_TRANSLATE_NOOP("wetter", "%1: die Angabe %2 fehlt."))
                .arg(Ort(b), Kurzname(a.groesse));
        }
        if (a.erwartet == Erwartung::Feld)
            return Tr(QT_TRANSLATE_NOOP("wetter", "%1: die Zeile endet vorzeitig.")).arg(Ort(a));
        return Erwartung_(a);
    case Grund::SpalteFehlt: {
        Ablehnung b = a;
        b.groesse = Groesse::Keine;
        return Tr(QT_TRANSLATE_NOOP("wetter", "%1: die Spalte der %2 fehlt."))
            .arg(Ort(b, a.spalte > 0), Langname(a.groesse));
    }
    case Grund::KeineZeilen:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Die Datei enthält keine Datenzeile."));
    case Grund::KeineWerte:
        return Tr(QT_TRANSLATE_NOOP("wetter", "Keine Zeile der Datei enthält alle drei "
                                              "Einstrahlungswerte (GHI, DNI, DHI)."));
    case Grund::Schritt: {
        const QString satz =
            Tr(QT_TRANSLATE_NOOP("wetter", "Die Zeilen folgen keinem regelmäßigen Schritt von 1 "
                                           "bis 60 Minuten (häufigster Abstand: %1 min)."))
                .arg(static_cast<long long>(std::llround(a.wert)));
        return a.zeile > 0 ? Ort(a) + QStringLiteral(": ") + satz : satz;
    }
    case Grund::Zeitversatz:
        return Tr(QT_TRANSLATE_NOOP("wetter",
                                    "Der Zeitversatz muss zwischen -24 und 24 Stunden liegen."));
    }
    return {};
}

QString Hinweis(const Ausrichtung& a) {
    if (!a.auffaellig) return {};
    const long long minuten = 5 * std::llround(std::abs(a.versatzMinuten) / 5);
    const QString h = QString::number(minuten / 60);
    const QString m = QStringLiteral("%1").arg(minuten % 60, 2, 10, QLatin1Char('0'));
    return a.versatzMinuten > 0
               ? Tr(QT_TRANSLATE_NOOP("wetter", "Die Einstrahlung dieser Datei liegt um %1 h %2 "
                                                "min früher als der Sonnenstand: ist die "
                                                "Zeitzone richtig?"))
                     .arg(h, m)
               : Tr(QT_TRANSLATE_NOOP("wetter", "Die Einstrahlung dieser Datei liegt um %1 h %2 "
                                                "min später als der Sonnenstand: ist die "
                                                "Zeitzone richtig?"))
                     .arg(h, m);
}

QStringList Qualitaetstexte(const Qualitaet& q) {
    QStringList t;
    if (q.fehlwertZeilen > 0)
        t << Tr(QT_TRANSLATE_NOOP("wetter", "Zeilen mit fehlenden Werten (ausgelassen): %1 (GHI "
                                            "%2, DNI %3, DHI %4), geschätzt %5 % der "
                                            "Globalstrahlung"))
                 .arg(q.fehlwertZeilen)
                 .arg(q.fehlwerte[0])
                 .arg(q.fehlwerte[1])
                 .arg(q.fehlwerte[2])
                 .arg(zahltext::Fest(100 * q.fehlwertAnteil, 1));
    if (q.negativ > 0)
        t << Tr(QT_TRANSLATE_NOOP("wetter", "Negative Einstrahlungswerte (auf 0 gesetzt): %1"))
                 .arg(q.negativ);
    if (q.dniUeberExtraterrestrisch > 0)
        t << Tr(QT_TRANSLATE_NOOP(
                    "wetter", "Zeilen mit Direktnormalstrahlung über der extraterrestrischen: %1"))
                 .arg(q.dniUeberExtraterrestrisch);
    if (q.dhiUeberGhi > 0)
        t << Tr(QT_TRANSLATE_NOOP("wetter",
                                  "Zeilen mit Diffusstrahlung über der Globalstrahlung: %1"))
                 .arg(q.dhiUeberGhi);
    if (q.unterHorizont > 0)
        t << Tr(QT_TRANSLATE_NOOP("wetter", "Zeilen mit Einstrahlung bei Sonne unter dem "
                                            "Horizont: %1 (Direktstrahlung %2 kWh/m² ausgelassen)"))
                 .arg(q.unterHorizont)
                 .arg(zahltext::Fest(q.unterHorizontDirekt, 2));
    if (q.ohneAlbedo > 0)
        t << Tr(QT_TRANSLATE_NOOP("wetter", "Zeilen ohne Albedo: %1")).arg(q.ohneAlbedo);
    if (q.luecken > 0)
        t << Tr(QT_TRANSLATE_NOOP("wetter",
                                  "Lücken in der Zeitfolge innerhalb eines Monats: %1 (%2 h)"))
                 .arg(q.luecken)
                 .arg(zahltext::Fest(q.lueckenStunden, 1));
    if (t.isEmpty()) t << Tr(QT_TRANSLATE_NOOP("wetter", "Keine Auffälligkeiten in den Daten."));
    return t;
}

} // namespace wetter
