#pragma once
// A folder of its own for the settings and site files of one test, and a comma as the
// decimal separator (a test that needs a point sets it itself).
#include "basis/programmdateien.h"
#include "basis/zahltext.h"

#include <QTemporaryDir>

class TestOrdner {
public:
    TestOrdner() {
        programmdateien::SetzeOrdner(dir_.path());
        zahltext::SetzeDezimaltrenner(QLatin1Char(','));
    }
    ~TestOrdner() { programmdateien::SetzeOrdner(QString()); }
    TestOrdner(const TestOrdner&) = delete;
    TestOrdner& operator=(const TestOrdner&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};
