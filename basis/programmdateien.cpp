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
    // Permission bits say nothing for root and nothing about read-only mounts; only an
    // actual file tells whether the folder takes one.
    QTemporaryFile probe(programmordner + QStringLiteral("/.schreibprobe-XXXXXX"));
    if (!programmordner.isEmpty() && probe.open()) return programmordner;
    return AusweichOrdner();
}

QString Datenordner(const QString& programmordner) {
    return QDir::cleanPath(programmordner + QStringLiteral("/../share/heliowendler"));
}

QString OrdnerFuerProgramm(const QString& programmdatei) {
    const QString programmordner = QFileInfo(programmdatei).absolutePath();
    const QString daten = Datenordner(programmordner);
    // An installed program never writes beside itself, not even when it could (run by root):
    // files of its own under /usr belong to no package.
    const bool installiert = QFileInfo(daten).isDir();
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
    QString basis = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (basis.isEmpty() || QDir::isRelativePath(basis))
        basis = QDir::homePath() + QStringLiteral("/.config");
    const QString ordner = QDir::cleanPath(basis + QStringLiteral("/heliowendler"));
    QDir().mkpath(ordner); // failing here shows up as a write error on the file itself
    return ordner;
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
