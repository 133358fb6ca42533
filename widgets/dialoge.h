#pragma once
// Every modal question of the application goes through here, so tests can answer message
// boxes, file dialogs and modal windows without a box ever waiting for a hand. GUI thread
// only: the receiver thread of the serial link hands its work to the GUI thread first.
#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace dialoge {

struct Nachricht {
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QMessageBox::StandardButtons knoepfe = QMessageBox::Ok;
};

// What answers the questions. The default shows real boxes; tests install their own.
// The text as the real box shows it: every line one line (preformatted rich text).
QString AlsZeilen(const QString& text);

class Antworter {
public:
    virtual ~Antworter() = default;
    virtual QMessageBox::StandardButton frage(QWidget* eltern, const Nachricht& n);
    // Empty text: cancelled.
    virtual QString dateiOeffnen(QWidget* eltern, const QString& titel, const QString& vorgabe,
                                 const QString& filter);
    virtual QString dateiSpeichern(QWidget* eltern, const QString& titel, const QString& vorgabe,
                                   const QString& filter);
    // Shows a modal dialog; returns QDialog::Accepted or QDialog::Rejected.
    virtual int modal(QDialog* dialog);
    virtual void piep();
};

// Installs a different answerer (nullptr restores the default). Not owned.
void SetzeAntworter(Antworter* a);
Antworter& Aktuell();

// Convenience forms used by the windows.
QMessageBox::StandardButton Frage(QWidget* eltern, const Nachricht& n);
void Meldung(QWidget* eltern, const QString& titel, const QString& text,
             QMessageBox::Icon symbol = QMessageBox::Warning);
QString DateiOeffnen(QWidget* eltern, const QString& titel, const QString& vorgabe,
                     const QString& filter);
QString DateiSpeichern(QWidget* eltern, const QString& titel, const QString& vorgabe,
                       const QString& filter);
int Modal(QDialog* dialog);
void Piep();

} // namespace dialoge
