// Site list of the main window: the combo box of site names, the popup items "Edit" and
// "Insert" with the site dialog, and the home-site preset.
#include "workspace/SDIMAIN.h"

#include "basis/produkt.h"
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "widgets/dialoge.h"
#include "widgets/updownedit.h"
#include "workspace/Position.h"
#include "workspace/standorte.h"

#include <QComboBox>
#include <QLineEdit>
#include <optional>

using zahltext::Allgemein;

namespace {

const QString Unbekannt = QStringLiteral("--unbekannt---");

// The list entry the combo box shows, or -1: once the text shows something else (the
// coordinates were changed, or the user typed over it) no site counts as chosen.
int SichtbarerEintrag(const QComboBox* c) {
    const int i = c->currentIndex();
    return i >= 0 && c->itemText(i) == c->currentText() ? i : -1;
}

struct DialogEintrag {
    QString name;
    standorte::Koordinaten werte;
};

// Checks every field of the confirmed dialog and says what is wrong with each one; after
// any failure one beep and nothing to store.
std::optional<DialogEintrag> LeseDialog(QWidget* eltern, const TPositionDlg& dlg) {
    const auto eingabe = standorte::LeseEingabe(dlg.EditBreite->text(), dlg.EditLaenge->text());
    for (const QString& f : eingabe.fehler)
        dialoge::Meldung(eltern, produkt::Titel(), f);
    const QString name = dlg.EditOrt->text();
    const QString namensFehler = standorte::NamensFehler(name);
    if (!namensFehler.isEmpty()) dialoge::Meldung(eltern, QStringLiteral("WARNUNG"), namensFehler);
    if (!eingabe.fehler.isEmpty() || !namensFehler.isEmpty()) {
        dialoge::Piep();
        return std::nullopt;
    }
    return DialogEintrag{name, eingabe.werte};
}

void FuelleDialog(TPositionDlg& dlg, const QString& name, const QString& breite,
                  const QString& laenge) {
    dlg.EditOrt->setText(name);
    dlg.EditBreite->setText(breite);
    dlg.EditLaenge->setText(laenge);
}

} // namespace

void TSDIAppForm::LadeStandorte() {
    ComboBoxPosition->clear();
    ComboBoxPosition->addItems(standorte::Namen(programmdateien::Positionsdatei()));
    // Filling an empty combo box selects its first entry; at start no site is chosen.
    ZeigeUnbekannt();
}

void TSDIAppForm::ZeigeUnbekannt() {
    ComboBoxPosition->setCurrentIndex(-1);
    ComboBoxPosition->setEditText(Unbekannt);
}

void TSDIAppForm::Heimatstandort() {
    // Written with the user's decimal separator, so the preset converts under any locale.
    SetzeText(EditPhi, Allgemein(50.53));
    SetzeText(EditLam, Allgemein(-14.48));
}

void TSDIAppForm::ComboBoxPositionClick() {
    const int index = ComboBoxPosition->currentIndex();
    if (index < 0) return;
    const QString name = ComboBoxPosition->itemText(index);
    const standorte::Koordinaten k = standorte::Lese(programmdateien::Positionsdatei(), name);
    SetzeText(EditPhi, Allgemein(k.Breite));
    SetzeText(EditLam, Allgemein(k.Laenge));
    // The change handling has shown "--unbekannt---"; the edits now hold this site. Not
    // reached when a recalculation failed, so the name never stands beside other values.
    ComboBoxPosition->setCurrentIndex(index);
    ComboBoxPosition->setEditText(name);
}

void TSDIAppForm::E1Click() {
    if (!PositionDlg) return;
    const QString datei = programmdateien::Positionsdatei();
    const int index = SichtbarerEintrag(ComboBoxPosition);
    QString name;
    standorte::Koordinaten k;
    if (index >= 0) {
        name = ComboBoxPosition->itemText(index);
        k = standorte::Lese(datei, name);
    }
    FuelleDialog(*PositionDlg, name, Allgemein(k.Breite), Allgemein(k.Laenge));
    if (dialoge::Modal(PositionDlg) != QDialog::Accepted) return;
    const auto eintrag = LeseDialog(this, *PositionDlg);
    if (!eintrag) return;
    standorte::Schreibe(datei, eintrag->name, eintrag->werte);
    SetzeText(EditPhi, Allgemein(eintrag->werte.Breite));
    SetzeText(EditLam, Allgemein(eintrag->werte.Laenge));
}

void TSDIAppForm::Insert1Click() {
    if (!PositionDlg) return;
    FuelleDialog(*PositionDlg, QString(), QString(), QString());
    if (dialoge::Modal(PositionDlg) != QDialog::Accepted) return;
    const auto eintrag = LeseDialog(this, *PositionDlg);
    if (!eintrag) return;
    standorte::Schreibe(programmdateien::Positionsdatei(), eintrag->name, eintrag->werte);

    // Appended, not chosen: an empty combo box would select its first entry by itself.
    const int index = ComboBoxPosition->currentIndex();
    const QString text = ComboBoxPosition->currentText();
    ComboBoxPosition->addItem(eintrag->name);
    ComboBoxPosition->setCurrentIndex(index);
    ComboBoxPosition->setEditText(text);
}
