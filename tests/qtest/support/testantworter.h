#pragma once
// Answers every modal question of the application in tests: records message boxes and
// answers them from a queue, returns prepared file names, and lets a test fill a modal
// dialog before it "closes" with a chosen result.
#include "widgets/dialoge.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

class TestAntworter : public dialoge::Antworter {
public:
    TestAntworter() { dialoge::SetzeAntworter(this); }
    ~TestAntworter() override { dialoge::SetzeAntworter(nullptr); }

    QMessageBox::StandardButton frage(QWidget*, const dialoge::Nachricht& n) override {
        meldungen.append(n);
        if (!antworten.isEmpty()) return antworten.takeFirst();
        return QMessageBox::Ok;
    }
    // An empty prepared name cancels, as does running out of names.
    QString dateiOeffnen(QWidget*, const QString& titel, const QString& vorgabe,
                         const QString& filter) override {
        dateiDialoge.append(titel + "|" + filter);
        dateiVorgaben.append(vorgabe);
        return dateinamen.isEmpty() ? QString() : dateinamen.takeFirst();
    }
    QString dateiSpeichern(QWidget*, const QString& titel, const QString& vorgabe,
                           const QString& filter) override {
        dateiDialoge.append(titel + "|" + filter);
        dateiVorgaben.append(vorgabe);
        return dateinamen.isEmpty() ? QString() : dateinamen.takeFirst();
    }
    // Without a prepared handler a modal dialog is rejected (as by Esc).
    int modal(QDialog* d) override {
        modaleDialoge.append(d);
        if (dialogHandler.isEmpty()) return QDialog::Rejected;
        return dialogHandler.takeFirst()(d);
    }
    void piep() override { ++pieptoene; }

    QStringList texte() const {
        QStringList t;
        for (const auto& m : meldungen)
            t << m.text;
        return t;
    }

    QList<dialoge::Nachricht> meldungen;
    QList<QMessageBox::StandardButton> antworten;
    QStringList dateinamen;
    QStringList dateiDialoge;
    QStringList dateiVorgaben; // the name each file dialog started with
    QList<QDialog*> modaleDialoge;
    QList<std::function<int(QDialog*)>> dialogHandler;
    int pieptoene = 0;
};
