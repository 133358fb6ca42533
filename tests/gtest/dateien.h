#pragma once
// Reading and writing whole test files.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

// The file's bytes, or "<fehlt>" when it cannot be read.
inline QByteArray LiesDatei(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

inline void SchreibDatei(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(datei.write(inhalt), inhalt.size());
}
