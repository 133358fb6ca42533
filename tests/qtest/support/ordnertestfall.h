#pragma once
// The base of a test class whose every test function runs with a folder of its own
// (TestOrdner): made before the function, removed after it.
#include "support/testordner.h"

#include <QObject>
#include <QTest>
#include <memory>

class OrdnerTestfall : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestOrdner> ordner;

protected slots:
    // QTest runs these around every test function of the derived class.
    void init() {
        ordner = std::make_unique<TestOrdner>();
        QVERIFY(ordner->isValid());
    }
    void cleanup() { ordner.reset(); }
};
