#include "basis/programmdateien.h"

#include "basis/dateizugriff.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <mutex>

namespace programmdateien {

namespace {

std::mutex gSperre;
QString gOrdner; // chosen or set folder; empty until first use

// $XDG_CONFIG_HOME/heliowendler or ~/.config/heliowendler, as it stands.
QString Ausweichpfad() {
    QString basis = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (basis.isEmpty() || QDir::isRelativePath(basis))
        basis = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(basis + QStringLiteral("/heliowendler"));
}

// Only an actual file tells whether a folder takes one: permission bits say nothing for root
// and nothing about read-only mounts.
bool Beschreibbar(const QString& ordner) {
    QTemporaryFile probe(ordner + QStringLiteral("/.schreibprobe-XXXXXX"));
    return !ordner.isEmpty() && probe.open();
}

// An installed program never writes beside itself, not even when it could (run by root):
// files of its own under /usr belong to no package.
bool Installiert(const QString& programmordner) {
    return QFileInfo(Datenordner(programmordner)).isDir();
}

QString Datei(const QString& endung) {
    return Ordner() + u'/' + Basisname(Programmdatei()) + endung;
}

} // namespace

QString Programmdatei() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

QString Basisname(const QString& programmdatei) {
    const QString name = QFileInfo(programmdatei).fileName();
    if (name.isEmpty()) return QStringLiteral("heliowendler");
    const auto punkt = name.lastIndexOf(u'.');
    // A leading dot marks a hidden file, not an extension.
    return punkt > 0 ? name.left(punkt) : name;
}

QString OrdnerFuer(const QString& programmordner) {
    return Beschreibbar(programmordner) ? programmordner : AusweichOrdner();
}

QString Datenordner(const QString& programmordner) {
    return QDir::cleanPath(programmordner + QStringLiteral("/../share/heliowendler"));
}

QString OrdnerFuerProgramm(const QString& programmdatei) {
    const QString programmordner = QFileInfo(programmdatei).absolutePath();
    const QString daten = Datenordner(programmordner);
    const bool installiert = Installiert(programmordner);
    const QString ordner = installiert ? AusweichOrdner() : OrdnerFuer(programmordner);
    if (ordner != programmordner) {
        // An administrator's file beside the program goes before the package's.
        UebernimmVorlagen(programmordner, ordner, Basisname(programmdatei));
        if (installiert) UebernimmVorlagen(daten, ordner, Basisname(programmdatei));
    }
    return ordner;
}

void UebernimmVorlagen(const QString& programmordner, const QString& ordner, const QString& basis) {
    for (const QString& endung : {QStringLiteral(".INI"), QStringLiteral(".POS")})
        // Failing here is no error: without a copy the application starts as without a file.
        dateizugriff::KopiereWennFehlt(programmordner + u'/' + basis + endung,
                                       ordner + u'/' + basis + endung);
}

QString AusweichOrdner() {
    const QString ordner = Ausweichpfad();
    QDir().mkpath(ordner); // failing here shows up as a write error on the file itself
    return ordner;
}

QString EinstellungsdateiZumLesen(const QString& programmdatei) {
    const QString programmordner = QFileInfo(programmdatei).absolutePath();
    const QString daten = Datenordner(programmordner);
    const QString name = Basisname(programmdatei) + QStringLiteral(".INI");
    if (!Installiert(programmordner) && Beschreibbar(programmordner))
        return programmordner + u'/' + name;
    const QString eigene = Ausweichpfad() + u'/' + name;
    // Not yet seeded: what the first start would copy.
    for (const QString& vorlage : {eigene, programmordner + u'/' + name, daten + u'/' + name})
        if (QFileInfo(vorlage).isFile()) return vorlage;
    return eigene;
}

QString Ordner() {
    const std::lock_guard sperre(gSperre);
    if (gOrdner.isEmpty()) {
        const QString programm = Programmdatei();
        gOrdner = programm.isEmpty() ? AusweichOrdner() : OrdnerFuerProgramm(programm);
    }
    return gOrdner;
}

QString Einstellungsdatei() {
    return Datei(QStringLiteral(".INI"));
}

QString Standortdatei() {
    return Datei(QStringLiteral(".POS"));
}

void SetzeOrdner(const QString& ordner) {
    const std::lock_guard sperre(gSperre);
    gOrdner = ordner;
}

} // namespace programmdateien
