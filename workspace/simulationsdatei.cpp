// Simulation files: the twelve keys of the section "Parameter", "Öffnen" and "Speichern".
#include "workspace/simulationsdatei.h"

#include "basis/fehler.h"
#include "basis/inidatei.h"
#include "basis/produkt.h"
#include "basis/simdaten.h"
#include "basis/trackerwerte.h"
#include "basis/zahltext.h"
#include "widgets/dialoge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace simulationsdatei {

namespace {

const QString Abschnitt = QStringLiteral("Parameter");
const QString Endung = QStringLiteral(".TRD");
const QString Trackspeed = QStringLiteral("Trackspeed");
const QString Trackergruppe = QStringLiteral("Trackergruppe");

// The keys of the edits in the order of the file; Trackspeed and Trackergruppe follow.
struct Feldschluessel {
    const char16_t* name;
    SimFeld feld;
    bool gleitkomma; // else a whole number
};
constexpr Feldschluessel Felder[] = {
    {u"Modulbreite", SimFeld::ModulL, false},       {u"Modulhöhe", SimFeld::ModulH, false},
    {u"Modulabstand", SimFeld::ModulA, false},      {u"Modulneigung", SimFeld::ModulN, false},
    {u"Trackintervall", SimFeld::Intervall, false}, {u"Längengrad", SimFeld::Lam, true},
    {u"Breitengrad", SimFeld::Phi, true},           {u"EndlageStart", SimFeld::EndlageStart, false},
    {u"EndlageStop", SimFeld::EndlageStop, false},  {u"Modulpos", SimFeld::Modulpos, false}};

QString Name(const Feldschluessel& f) {
    return QString::fromUtf16(f.name);
}

} // namespace

Inhalt Lies(const QString& pfad) {
    const IniDatei ini(pfad);
    QStringList namen;
    for (const Feldschluessel& f : Felder)
        namen << Name(f);
    ini.LeseVoraus(Abschnitt, namen << Trackspeed << Trackergruppe);
    Inhalt inhalt;
    for (const Feldschluessel& f : Felder) {
        const QString text = f.gleitkomma
                                 ? zahltext::Allgemein(ini.LeseGleitkomma(Abschnitt, Name(f), 0))
                                 : QString::number(ini.LeseGanzzahl(Abschnitt, Name(f), 0));
        inhalt.eingaben.Setze(f.feld, text);
    }
    inhalt.winkelSpeed = ini.LeseGleitkomma(Abschnitt, Trackspeed, 0);
    inhalt.gruppe = ini.LeseGanzzahl(Abschnitt, Trackergruppe, 0);
    return inhalt;
}

void Schreibe(const QString& pfad, const SimEingaben& eingaben, double winkelSpeed, int gruppe) {
    // All values converted before the first byte is written: a text that does not convert
    // must not leave a file half old, half new.
    QList<QPair<QString, QString>> werte;
    for (const Feldschluessel& f : Felder) {
        const QString text = eingaben.Text(f.feld).value_or(QString());
        werte.append({Name(f), f.gleitkomma ? zahltext::Allgemein(zahltext::AlsGleitkomma(text))
                                            : QString::number(zahltext::AlsGanzzahl(text))});
    }
    werte.append({Trackspeed, zahltext::Allgemein(winkelSpeed)});
    werte.append({Trackergruppe, QString::number(gruppe)});
    IniDatei(pfad).SchreibeTexte(Abschnitt, werte);
}

QString MitEndung(const QString& gewaehlt, bool zumOeffnen) {
    const QFileInfo info(gewaehlt);
    if (info.fileName().contains(u'.')) return gewaehlt;
    if (zumOeffnen && info.isFile()) return gewaehlt;
    return gewaehlt + Endung;
}

} // namespace simulationsdatei

Simulationsdatei::Simulationsdatei(QWidget* fenster, SimDaten& daten)
    : fenster_(fenster), daten_(daten) {}

void Simulationsdatei::FileOpen1Execute() {
    const QString gewaehlt = dialoge::DateiOeffnen(
        fenster_, QCoreApplication::translate("Simulationsdatei", "Öffnen"), nameOeffnen_,
        QCoreApplication::translate("Simulationsdatei", "Alle Dateien (*.TRD)"));
    if (gewaehlt.isEmpty()) return;
    const QString pfad = simulationsdatei::MitEndung(gewaehlt, true);
    // A file that is not there would load as zeros without a word.
    if (!QFileInfo(pfad).isFile()) {
        const QString name = QDir::toNativeSeparators(QFileInfo(gewaehlt).absoluteFilePath());
        throw BenutzerFehler(
            pfad == gewaehlt
                ? QCoreApplication::translate("Simulationsdatei", "Die Datei %1 gibt es nicht.")
                      .arg(name)
                : QCoreApplication::translate("Simulationsdatei",
                                              "Die Datei %1 gibt es nicht (auch nicht mit der "
                                              "Endung .TRD).")
                      .arg(name));
    }
    nameOeffnen_ = pfad;

    // Read whole before anything is taken: a value it refuses leaves the windows as they were.
    const simulationsdatei::Inhalt inhalt = simulationsdatei::Lies(pfad);
    // Each edit whose text changes recalculates; a failure there ends the load.
    daten_.UebernimmSimEingaben(inhalt.eingaben);
    if (werte_) werte_->UebernimmAusDatei(inhalt.winkelSpeed, inhalt.gruppe);
    fenster_->setWindowTitle(produkt::Titel() +
                             QCoreApplication::translate("Simulationsdatei", " File: ") +
                             QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()));
    daten_.Berechne();
    if (werte_) werte_->HoleSimDaten();
}

void Simulationsdatei::FileSave1Execute() {
    const QString gewaehlt = dialoge::DateiSpeichern(
        fenster_, QCoreApplication::translate("Simulationsdatei", "Speichern unter"),
        nameSpeichern_, QCoreApplication::translate("Simulationsdatei", "Alle Dateien (*.TRD)"));
    if (gewaehlt.isEmpty()) return;
    const QString pfad = simulationsdatei::MitEndung(gewaehlt, false);
    nameSpeichern_ = pfad;
    // The speed as the parameter block holds it now, not as its edit shows it.
    simulationsdatei::Schreibe(pfad, daten_.LeseSimEingaben(), werte_ ? werte_->WinkelSpeed() : 0,
                               werte_ ? werte_->Gruppe() : 0);
}
