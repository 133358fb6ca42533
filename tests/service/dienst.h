#pragma once
// Helpers of the service tool's tests: a trackersim on a pseudo-terminal linked into the
// test's folder, and one run of the tool with its exit code and both outputs.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <signal.h>

namespace diensttest {

// One trackersim, its device linked to a path of the test's folder.
class Sim {
public:
    Sim(const QString& ordner, const QString& name, const QStringList& optionen) {
        link_ = QDir(ordner).filePath(name);
        p_.setProgram(QStringLiteral(TRACKERSIM_PROGRAMM));
        p_.setArguments(QStringList{"--link", link_} + optionen);
        p_.start();
        p_.waitForReadyRead(5000); // the device's path, once the link is there
    }
    ~Sim() { Beende(); }
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;
    const QString& Pfad() const { return link_; }
    void Beende() {
        if (p_.state() == QProcess::NotRunning) return;
        p_.terminate();
        if (!p_.waitForFinished(5000)) p_.kill(), p_.waitForFinished(5000);
    }

private:
    QProcess p_;
    QString link_;
};

struct Lauf {
    int ende = -1; // -1: killed or timed out
    QString aus, fehler;
};

// The tool with arguments; its standard error is a pipe, as in a script.
inline Lauf Dienst(const QStringList& argumente, int ms = 60000,
                   const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(DIENST_PROGRAMM), argumente);
    Lauf l;
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
        return l;
    }
    l.ende = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    l.aus = QString::fromUtf8(p.readAllStandardOutput());
    l.fehler = QString::fromUtf8(p.readAllStandardError());
    return l;
}

inline QString Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

inline bool Schreib(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(inhalt) == inhalt.size();
}

// A TI-TXT image of n data lines of 16 bytes at 0xC000, a table and the vectors: n + 6 lines.
inline QByteArray Image(int n) {
    QByteArray t = "@C000\n";
    for (int i = 0; i < n; ++i) {
        QByteArray z;
        for (int b = 0; b < 16; ++b)
            z += QByteArray::number((i * 16 + b) % 256 | 0x100, 16).right(2).toUpper() + ' ';
        t += z.trimmed() + '\n';
    }
    return t + "@E000\n01 02\n@FFFE\n00 C0\nq\n";
}

} // namespace diensttest
