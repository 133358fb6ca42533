// heliowendler-service flash against the simulated bootloader: what it says when a reply is
// overdue (the real wait, advice for the tool), a slow erase, lines the transfer does not know,
// refused frames with their count and the limit, and the progress when standard error is no
// terminal.
#include "dienst.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>

namespace {

using namespace diensttest;

class Flash : public testing::Test {
protected:
    QTemporaryDir ordner_;
    QString Datei(const char* name) const { return ordner_.filePath(QString::fromLatin1(name)); }
    // flash with an empty settings file (no [Ports] from the user's) of a small image.
    Lauf Flashe(const Sim& sim, const QStringList& optionen, int zeilen = 8) {
        const QString image = Datei("image.txt");
        Schreib(image, QString::fromLatin1(Image(zeilen)));
        return Dienst(QStringList{"flash", image, "--port", sim.Pfad(), "--einstellungen",
                                  Datei("leer.INI")} +
                      optionen);
    }
};

// What the tool says and how it ends, for the bootloader's faults: the result line on standard
// output, the progress and its messages on standard error.
TEST_F(Flash, Meldungen) {
    const struct {
        const char* name;
        QStringList sim, optionen;
        int ende;
        QStringList aus, fehler, nichtFehler, nichtAus;
    } faelle[] = {
        {"a frame lost: the wait given, no Start",
         {"--silent", "3"},
         {"--frist", "0.5"},
         3,
         {"Keine Antwort des Bootloaders seit 0.5 s auf Zeile 3 (16 Bytes ab Adresse C010). "
          "Übertragung abgebrochen; ein neuer Aufruf löscht und beginnt von vorn."},
         {},
         {},
         {"Start"}},
        {"a slow erase is no port fault",
         {"--slow-erase", "1500"},
         {"--frist", "0.5"},
         3,
         {"Der Bootloader löscht seit 0.5 s (\"Flash clear start\"), \"Flash clear OK\" fehlt "
          "noch. Mit einer längeren --frist erneut aufrufen."},
         {},
         {},
         {"Schnittstelle", "Start"}},
        {"a slow erase within the wait",
         {"--slow-erase", "800"},
         {"--frist", "3"},
         0,
         {": fertig, 14 Zeilen"},
         {},
         {},
         {}},
        {"a reply not known is shown",
         {"--akn-blank", "3"},
         {"--frist", "0.5"},
         3,
         {"seit 0.5 s auf Zeile 3"},
         {": Bootloader: \"AKN \"\n"},
         {},
         {}},
        {"a reply before the erase has ended is shown",
         {"--early-akn"},
         {},
         0,
         {": fertig, 14 Zeilen"},
         {": Bootloader: \"AKN\"\n"},
         {},
         {}},
        {"every frame refused: ten repeats, then the end",
         {"--notakn-rate", "1"},
         {},
         3,
         {"Zeile 1 nach 10 Wiederholungen noch abgelehnt (NotAKN); Übertragung abgebrochen."},
         {": Zeile 1 abgelehnt (NotAKN), Wiederholung 1 von 10\n",
          ": Zeile 1 abgelehnt (NotAKN), Wiederholung 10 von 10\n"},
         {"Wiederholung 11"},
         {}},
        {"every frame refused, --wiederholungen 2",
         {"--notakn-rate", "1"},
         {"--wiederholungen", "2"},
         3,
         {"Zeile 1 nach 2 Wiederholungen noch abgelehnt (NotAKN)"},
         {": Zeile 1 abgelehnt (NotAKN), Wiederholung 2 von 2\n"},
         {"Wiederholung 3"},
         {}},
        {"one line refused twice: counted per line",
         {"--notakn", "2,3,5"},
         {},
         0,
         {", 3 Wiederholungen, "},
         {": Zeile 2 abgelehnt (NotAKN), Wiederholung 1 von 10\n",
          ": Zeile 2 abgelehnt (NotAKN), Wiederholung 2 von 10\n",
          ": Zeile 3 abgelehnt (NotAKN), Wiederholung 1 von 10\n"},
         {},
         {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Sim sim(ordner_.path(), "tty", QStringList{"--bootloader"} + f.sim);
        const Lauf l = Flashe(sim, f.optionen);
        EXPECT_EQ(l.ende, f.ende) << l.aus.toStdString() << l.fehler.toStdString();
        for (const QString& t : f.aus)
            EXPECT_TRUE(l.aus.contains(t)) << t.toStdString() << "\n" << l.aus.toStdString();
        for (const QString& t : f.nichtAus)
            EXPECT_FALSE(l.aus.contains(t)) << t.toStdString() << "\n" << l.aus.toStdString();
        for (const QString& t : f.fehler)
            EXPECT_TRUE(l.fehler.contains(t)) << t.toStdString() << "\n" << l.fehler.toStdString();
        for (const QString& t : f.nichtFehler)
            EXPECT_FALSE(l.fehler.contains(t)) << t.toStdString() << "\n" << l.fehler.toStdString();
    }
}

// No bootloader on the port (the controller does not answer the erase): the wait given, and
// the port named as the likely cause.
TEST_F(Flash, LoeschenOhneBootloader) {
    Sim sim(ordner_.path(), "tty", {});
    const Lauf l = Flashe(sim, {"--frist", "0.5"});
    EXPECT_EQ(l.ende, 3);
    EXPECT_TRUE(l.aus.contains(QStringLiteral(
        "Keine Antwort des Bootloaders seit 0.5 s auf das Löschen. Läuft die Steuerung im "
        "Bootloader (beim Einschalten Servicetaste gedrückt und Kippschalter auf Ost oder West)? "
        "Nennt --port die richtige Schnittstelle?\n")))
        << l.aus.toStdString();
}

// Standard error a pipe: a plain line at every tenth of the way, with its own percentage.
TEST_F(Flash, FortschrittInEineRoehre) {
    Sim sim(ordner_.path(), "tty", {"--bootloader", "--baud", "4800", "--rx-baud", "4800"});
    const Lauf l = Flashe(sim, {}, 60);
    ASSERT_EQ(l.ende, 0) << l.aus.toStdString() << l.fehler.toStdString();
    static const QRegularExpression zeile(QStringLiteral("^\\S.* +(\\d+) % Zeile (\\d+)/66 "));
    std::set<int> zehntel;
    for (const QString& z : l.fehler.split(u'\n', Qt::SkipEmptyParts)) {
        // The version line the simulator sent when it started, or its tail the port got.
        if (z.contains(QStringLiteral(": Bootloader: \""))) continue;
        const auto m = zeile.match(z);
        ASSERT_TRUE(m.hasMatch()) << z.toStdString();
        EXPECT_FALSE(z.contains(u'[')) << z.toStdString(); // no bar
        zehntel.insert(m.captured(1).toInt() / 10);
    }
    // About three seconds at 4800 baud, drawn every 0.1 s: most tenths are seen.
    EXPECT_GE(zehntel.size(), 6u) << l.fehler.toStdString();
    EXPECT_TRUE(zehntel.count(10)) << l.fehler.toStdString();
}

} // namespace
