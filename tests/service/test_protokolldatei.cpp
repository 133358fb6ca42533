// The record file of heliowendler-service when the tool is ended by a signal: what the receiver
// was still collecting is written before the tool ends, by that signal.
#include "dienst.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

namespace {

using namespace diensttest;

class Signal : public testing::TestWithParam<int> {};

// The first response has a wrong checksum: the receiver keeps collecting it, and the tool waits
// ten seconds for a valid one when the signal comes.
TEST_P(Signal, SchreibtWasOffenIst) {
    QTemporaryDir ordner;
    Sim sim(ordner.path(), "tty", {"--bad-checksum", "1"});
    const QString protokoll = ordner.filePath(QStringLiteral("prot.txt"));
    QProcess p;
    p.start(QStringLiteral(DIENST_PROGRAMM),
            {"info", "--port", sim.Pfad(), "--frist", "10", "--protokoll", protokoll,
             "--einstellungen", ordner.filePath(QStringLiteral("leer.INI"))});
    ASSERT_TRUE(p.waitForStarted());
    QElapsedTimer uhr;
    uhr.start();
    while (!Lies(protokoll).contains(QStringLiteral(" TX ")) && uhr.elapsed() < 10000)
        QThread::msleep(20);
    ASSERT_TRUE(Lies(protokoll).contains(QStringLiteral(" TX "))) << Lies(protokoll).toStdString();
    QThread::msleep(500); // the response has come by now
    ::kill(static_cast<pid_t>(p.processId()), GetParam());
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit); // ended by the signal, as without a record
    const QStringList zeilen = Lies(protokoll).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 2) << Lies(protokoll).toStdString();
    EXPECT_TRUE(zeilen[1].contains(QStringLiteral(" RX 55 0B ")) &&
                zeilen[1].contains(QStringLiteral("| Rahmenanfang ohne Ende, ")) &&
                zeilen[1].endsWith(QStringLiteral(" Bytes (der Empfänger sammelt noch)")))
        << zeilen[1].toStdString();
}

INSTANTIATE_TEST_SUITE_P(SigintUndSigterm, Signal, testing::Values(SIGINT, SIGTERM),
                         [](const auto& info) {
                             return std::string(info.param == SIGINT ? "SIGINT" : "SIGTERM");
                         });

} // namespace
