#pragma once
// Reading and writing whole test files.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// The file's bytes, or "<fehlt>" when it cannot be read.
inline QByteArray LiesDatei(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

inline void SchreibeDatei(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(inhalt), inhalt.size());
}
