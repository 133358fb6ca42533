#include "widgets/dialoge.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>

namespace dialoge {

QString AlsZeilen(const QString& text) {
    // A box wraps a long text at a width of its own, which breaks a text written line by line
    // (instructions, a report) raggedly. As preformatted rich text each line stays one line
    // and the box grows to the widest.
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\r|\n"));
    QStringList zeilen = text.split(zeilenende);
    for (QString& z : zeilen)
        z = z.toHtmlEscaped();
    return QStringLiteral("<p style=\"white-space:pre\">") + zeilen.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

QMessageBox::StandardButton Antworter::frage(QWidget* eltern, const Nachricht& n) {
    QMessageBox box(n.symbol, n.titel, QString(), n.knoepfe, eltern);
    box.setTextFormat(Qt::RichText);
    box.setText(AlsZeilen(n.text));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString Antworter::dateiOeffnen(QWidget* eltern, const QString& titel, const QString& vorgabe,
                                const QString& filter) {
    QFileDialog d(eltern, titel, vorgabe, filter);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    // A name typed without its extension is completed by the caller, which also says when
    // neither form exists: the dialog lets such a name through instead of refusing it.
    d.setFileMode(QFileDialog::AnyFile);
    // The desktop's own choosers refuse a name that does not exist whatever the mode.
    d.setOption(QFileDialog::DontUseNativeDialog);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().constFirst();
}

QString Antworter::dateiSpeichern(QWidget* eltern, const QString& titel, const QString& vorgabe,
                                  const QString& filter) {
    // Overwriting is not asked for: a save always goes to the chosen name.
    return QFileDialog::getSaveFileName(eltern, titel, vorgabe, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int Antworter::modal(QDialog* dialog) {
    return dialog->exec();
}

void Antworter::piep() {
    QApplication::beep();
}

namespace {
Antworter standard;
Antworter* aktuell = &standard;
} // namespace

void SetzeAntworter(Antworter* a) {
    aktuell = a ? a : &standard;
}
Antworter& Aktuell() {
    return *aktuell;
}

QMessageBox::StandardButton Frage(QWidget* eltern, const Nachricht& n) {
    return aktuell->frage(eltern, n);
}

void Meldung(QWidget* eltern, const QString& titel, const QString& text, QMessageBox::Icon symbol) {
    aktuell->frage(eltern, Nachricht{titel, text, symbol, QMessageBox::Ok});
}

QString DateiOeffnen(QWidget* eltern, const QString& titel, const QString& vorgabe,
                     const QString& filter) {
    return aktuell->dateiOeffnen(eltern, titel, vorgabe, filter);
}

QString DateiSpeichern(QWidget* eltern, const QString& titel, const QString& vorgabe,
                       const QString& filter) {
    return aktuell->dateiSpeichern(eltern, titel, vorgabe, filter);
}

int Modal(QDialog* dialog) {
    return aktuell->modal(dialog);
}

void Piep() {
    aktuell->piep();
}

} // namespace dialoge
