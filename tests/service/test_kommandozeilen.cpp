// The other command-line tools on the shared option reader: each one's help and every kind of
// wrong call, with the exit code its help documents, in German and in English (no German left
// in English, the parser's own messages included). They answer without a display.
#include "dienst.h"

#include <QProcess>

namespace {

using namespace diensttest;

struct Fall {
    const char* programm;
    QStringList argumente;
    int ende;
    const char* deutsch;  // a part of the German output
    const char* englisch; // a part of the English output
};

Lauf Starte(const char* programm, const QStringList& argumente, const QProcessEnvironment& u) {
    QProcess p;
    QProcessEnvironment ohneAnzeige = u;
    ohneAnzeige.remove("DISPLAY");
    ohneAnzeige.remove("WAYLAND_DISPLAY");
    ohneAnzeige.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(ohneAnzeige);
    p.start(QString::fromLocal8Bit(programm), argumente);
    Lauf l;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return l;
    }
    l.ende = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    l.aus = QString::fromUtf8(p.readAllStandardOutput());
    l.fehler = QString::fromUtf8(p.readAllStandardError());
    return l;
}

TEST(Kommandozeilen, HilfeUndFalscheAufrufeInBeidenSprachen) {
    const Fall faelle[] = {
        {TRACKERSIM_PROGRAMM, {"--help"}, 0, "Ende: 0 nach SIGINT", "Exit: 0 after SIGINT"},
        {TRACKERSIM_PROGRAMM,
         {"--gibtsnicht"},
         2,
         "unbekannte Option '--gibtsnicht'",
         "unknown option '--gibtsnicht'"},
        {TRACKERSIM_PROGRAMM,
         {"--baud", "1"},
         2,
         "'1' ist für --baud nicht eine Baudrate",
         "'1' is not a baud rate from 50 to 4000000 for --baud"},
        {TRACKERSIM_PROGRAMM, {"--baud"}, 2, "braucht einen Wert", "needs a value"},
        {TRACKERSIM_PROGRAMM, {"--log=1"}, 2, "nimmt keinen Wert", "takes no value"},
        {TRACKERSIM_PROGRAMM, {"wort"}, 2, "unerwartetes Argument", "unexpected argument"},
        {TRACKERSIM_PROGRAMM,
         {"--baud", "4800", "--baud", "9600"},
         2,
         "mehr als einmal",
         "more than once"},
        {TRACKERSIM_PROGRAMM, {"--bootloader", "--stuck"}, 2, "gilt nur", "only applies"},
        {HELIOWENDLER_PROGRAMM,
         {"--help"},
         0,
         "Ende: 0 Fenster geschlossen, 1 falscher Aufruf",
         "Exit: 0 window closed, 1 wrong call"},
        {HELIOWENDLER_PROGRAMM, {"--protokoll"}, 1, "braucht einen Wert", "needs a value"},
        {HELIOWENDLER_PROGRAMM,
         {"--protokoll="},
         1,
         "ist für --protokoll nicht ein Dateiname",
         "is not a file name for --protokoll"},
        {HELIOWENDLER_PROGRAMM, {"--version"}, 0, "heliowendler ", "heliowendler "},
        {SIOLEERLAUF_PROGRAMM, {"--help"}, 0, "Ende: 0 gemessen", "Exit: 0 measured"},
        {SIOLEERLAUF_PROGRAMM,
         {"--sekunden", "x"},
         1,
         "nicht eine Zahl von Sekunden",
         "is not a number of seconds"},
        {SIOLEERLAUF_PROGRAMM, {"--gibtsnicht"}, 1, "unbekannte Option", "unknown option"},
        {FIRMWAREMESSUNG_PROGRAMM, {"--help"}, 0, "Ende: 0 gemessen", "Exit: 0 measured"},
        {FIRMWAREMESSUNG_PROGRAMM, {}, 2, "--geraet fehlt", "--geraet is missing"},
        {FIRMWAREMESSUNG_PROGRAMM,
         {"--geraet", "x", "--baud", "0"},
         2,
         "nicht eine Baudrate",
         "is not a baud rate"},
    };
    for (const Fall& f : faelle) {
        const QString name =
            QString::fromLocal8Bit(f.programm).section(u'/', -1) + u' ' + f.argumente.join(u' ');
        QProcessEnvironment deutsch = QProcessEnvironment::systemEnvironment();
        deutsch.insert("LANG", "de_DE.UTF-8");
        deutsch.remove("LANGUAGE");
        deutsch.remove("LC_ALL");
        deutsch.remove("LC_MESSAGES");
        const Lauf de = Starte(f.programm, f.argumente, deutsch);
        EXPECT_EQ(de.ende, f.ende) << name.toStdString() << ": " << de.fehler.toStdString();
        EXPECT_TRUE((de.aus + de.fehler).contains(QString::fromUtf8(f.deutsch)))
            << name.toStdString() << ":\n"
            << (de.aus + de.fehler).toStdString();
        const Lauf en = Starte(f.programm, f.argumente, Englisch());
        const QString alles = en.aus + en.fehler;
        EXPECT_EQ(en.ende, f.ende) << name.toStdString();
        EXPECT_TRUE(alles.contains(QString::fromUtf8(f.englisch))) << name.toStdString() << ":\n"
                                                                   << alles.toStdString();
        const auto m = Deutsch().match(alles);
        EXPECT_FALSE(m.hasMatch())
            << name.toStdString() << ": \"" << m.captured().toStdString() << "\" in\n"
            << alles.toStdString();
    }
}

// Every help line fits an 80-column terminal and a manual page, in both languages.
TEST(Kommandozeilen, HilfeZeilenPassenIn80Spalten) {
    for (const char* programm : {DIENST_PROGRAMM, TRACKERSIM_PROGRAMM, HELIOWENDLER_PROGRAMM,
                                 SIOLEERLAUF_PROGRAMM, FIRMWAREMESSUNG_PROGRAMM})
        for (const auto& u : {QProcessEnvironment::systemEnvironment(), Englisch()})
            for (const QString& z : Starte(programm, {"--help"}, u).aus.split(u'\n'))
                EXPECT_LE(z.size(), 80) << programm << ": " << z.toStdString();
}

} // namespace
