#pragma once
// What the serial link's measuring tools share: they run without anyone to click a box, and
// they reach their device as COM1 through a settings file of their own.
#include "widgets/dialoge.h"

#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

// Prints each box's title and first line on stderr and answers OK; beeps stay silent.
class Druckantworter : public dialoge::Antworter {
public:
    QMessageBox::StandardButton frage(QWidget*, const dialoge::Nachricht& n) override {
        std::fprintf(stderr, "Meldung \"%s\": %s\n", qPrintable(n.titel),
                     qPrintable(n.text.section(u'\r', 0, 0)));
        return QMessageBox::Ok;
    }
    void piep() override {}
};

// A settings file in ordner whose section "Ports" names geraet as COM1; empty when it cannot
// be written.
inline QString Com1Datei(const QTemporaryDir& ordner, const QString& geraet) {
    const QString pfad = ordner.filePath(QStringLiteral("messung.INI"));
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return {};
    datei.write("[Ports]\r\nCOM1=" + QFile::encodeName(geraet) + "\r\n");
    return pfad;
}

// The process's CPU time so far (user + system) in seconds, from /proc/self/stat; -1 when it
// cannot be read.
inline double CpuSekunden() {
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray zeile = f.readAll();
    // Fields after the command name in parentheses; utime and stime are fields 14 and 15.
    const QList<QByteArray> felder = zeile.mid(zeile.lastIndexOf(')') + 2).split(' ');
    const double ticks = static_cast<double>(::sysconf(_SC_CLK_TCK));
    return (felder.value(11).toDouble() + felder.value(12).toDouble()) / ticks;
}
