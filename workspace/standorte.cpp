#include "workspace/standorte.h"

#include "basis/inidatei.h"
#include "basis/zahltext.h"

#include <QCoreApplication>

namespace standorte {

namespace {

const QString Breite = QStringLiteral("Breite");
const QString Laenge = QStringLiteral("Länge");

bool IstSteuerzeichen(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

bool InCodepage(char32_t c) {
    const QString zeichen = QString::fromUcs4(&c, 1);
    return AusCp1252(NachCp1252(zeichen)) == zeichen;
}

double Lies(const QString& text, QStringList& fehler) {
    try {
        return zahltext::AlsGleitkomma(text);
    } catch (const zahltext::KonvertierFehler& e) {
        fehler << QStringLiteral("EConvertError\n") + e.meldung();
        return 0;
    }
}

} // namespace

QStringList Namen(const QString& datei) {
    return IniDatei(datei).Abschnitte();
}

Koordinaten Lese(const QString& datei, const QString& name) {
    const IniDatei ini(datei);
    ini.LeseVoraus(name, {Breite, Laenge});
    return {ini.LeseGleitkomma(name, Breite, 0), ini.LeseGleitkomma(name, Laenge, 0)};
}

void Schreibe(const QString& datei, const QString& name, const Koordinaten& k) {
    // Both in one replacement of the file: a failure must not leave a site with a new latitude
    // and its old longitude.
    IniDatei(datei).SchreibeTexte(
        name, {{Breite, zahltext::Allgemein(k.Breite)}, {Laenge, zahltext::Allgemein(k.Laenge)}});
}

QString NamensFehler(const QString& name) {
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("Standorte", "Bitte eine Ortsbezeichnung eingeben.");
    QList<char32_t> zeichen;
    for (const auto c : name.toUcs4())
        zeichen << static_cast<char32_t>(c);
    for (char32_t c : zeichen)
        if (IstSteuerzeichen(c))
            return QCoreApplication::translate(
                "Standorte", "Die Ortsbezeichnung darf keinen Zeilenumbruch, Tabulator "
                             "oder andere Steuerzeichen enthalten.");
    if (name.contains(u']'))
        return QCoreApplication::translate(
            "Standorte", "Die Ortsbezeichnung darf das Zeichen \"]\" nicht enthalten.");
    if (name != name.trimmed())
        return QCoreApplication::translate(
            "Standorte",
            "Die Ortsbezeichnung darf nicht mit einem Leerzeichen beginnen oder enden.");
    for (char32_t c : zeichen)
        if (!InCodepage(c))
            return QCoreApplication::translate(
                       "Standorte", "Die Ortsbezeichnung enthält das Zeichen \"%1\", das in der "
                                    "Positionsdatei nicht gespeichert werden kann.")
                .arg(QString::fromUcs4(&c, 1));
    return {};
}

Eingabe LeseEingabe(const QString& breite, const QString& laenge) {
    Eingabe e;
    e.werte.Breite = Lies(breite, e.fehler);
    e.werte.Laenge = Lies(laenge, e.fehler);
    return e;
}

} // namespace standorte
