#pragma once
// What the service tool's tests share: trackersim on a pseudo-terminal, the tool run as a
// process (with an environment of the test's, timed), and files.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
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
    void Signal(int sig) { ::kill(static_cast<pid_t>(p_.processId()), sig); }

private:
    QProcess p_;
    QString link_;
};

struct Lauf {
    int ende = -1; // -1: did not end within the time given, or crashed
    QString aus, fehler;
    qint64 ms = 0; // how long it ran
};

// The tool with the test's environment; German unless umgebung says otherwise.
inline Lauf Dienst(const QStringList& argumente, int ms = 60000,
                   const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(umgebung);
    QElapsedTimer uhr;
    uhr.start();
    p.start(QStringLiteral(DIENST_PROGRAMM), argumente);
    Lauf l;
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
        l.ms = uhr.elapsed();
        return l;
    }
    l.ms = uhr.elapsed();
    l.ende = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    l.aus = QString::fromUtf8(p.readAllStandardOutput());
    l.fehler = QString::fromUtf8(p.readAllStandardError());
    return l;
}

// The environment of an English user.
inline QProcessEnvironment Englisch() {
    QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
    u.insert("LANGUAGE", "en");
    u.insert("LANG", "en_US.UTF-8");
    u.insert("LC_ALL", "en_US.UTF-8");
    return u;
}

// German left in an English text: an umlaut, one of the words the tools' messages use, or a
// lamp shown "an" or "aus".
inline const QRegularExpression& Deutsch() {
    static const QRegularExpression d(
        QStringLiteral("[äöüÄÖÜß]|\\b(nicht|kein|keine|Datei|Zeile|Gruppe|Versuchen|Fehler|"
                       "erwartet|bestätigen|gesetzt|liegt|zwischen|Schlüssel|Gerät|Antwort|"
                       "Steuerung|Falsche|Fahrt|Befehl|Aufruf|Schnittstelle|gleich|"
                       "gesendet|Gesendet|unbekannt|unbekannte|Optionen|Option|fuer|gilt|"
                       "braucht|Wert|Zahl|ist|und|oder|diese|Hilfe|Ende)\\b|: (an|aus)$"),
        QRegularExpression::MultilineOption);
    return d;
}

inline QString Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
inline void Schreib(const QString& pfad, const QString& text) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}
// The file's text without its comment lines (the first says when it was read).
inline QString OhneKommentare(const QString& text) {
    QStringList z = text.split(u'\n');
    z.removeIf([](const QString& s) { return s.startsWith(u';'); });
    return z.join(u'\n');
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

class Service : public testing::Test {
protected:
    QTemporaryDir ordner_;
    QString Datei(const char* name) const { return ordner_.filePath(QString::fromLatin1(name)); }
    // The tool with an empty settings file: no [Ports] from the user's.
    Lauf Mit(const QStringList& argumente, int ms = 60000,
             const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
        return Dienst(argumente + QStringList{"--einstellungen", Datei("leer.INI")}, ms, umgebung);
    }
};

} // namespace diensttest
