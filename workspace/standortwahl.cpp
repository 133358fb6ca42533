// Site selection of the main window: the combo box of site names, the popup items "Edit" and
// "Insert" with the site dialog, and the home-site preset.
#include "workspace/standortwahl.h"

#include "basis/fehler.h"
#include "basis/produkt.h"
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "widgets/dialoge.h"
#include "widgets/handlerlauf.h"
#include "workspace/Position.h"
#include "workspace/standorte.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <optional>

using zahltext::Allgemein;

namespace {

QString Unbekannt() {
    return QCoreApplication::translate("Standortwahl", "--unbekannt---");
}

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
    const TPositionDlg::Eintrag gelesen = dlg.LeseEintrag();
    const auto eingabe = standorte::LeseEingabe(gelesen.Breite, gelesen.Laenge);
    for (const QString& f : eingabe.fehler)
        dialoge::Meldung(eltern, produkt::Titel(), f);
    const QString name = gelesen.Name;
    const QString namensFehler = standorte::NamensFehler(name);
    if (!namensFehler.isEmpty())
        dialoge::Meldung(eltern, QCoreApplication::translate("Standortwahl", "WARNUNG"),
                         namensFehler);
    if (!eingabe.fehler.isEmpty() || !namensFehler.isEmpty()) {
        dialoge::Piep();
        return std::nullopt;
    }
    return DialogEintrag{name, eingabe.werte};
}

} // namespace

Standortwahl::Standortwahl(QWidget* fenster, QWidget* eltern, Handlerlauf& lauf,
                           Koordinatenschreiber schreibe)
    : QObject(fenster), fenster_(fenster), lauf_(lauf), schreibe_(std::move(schreibe)) {
    ComboBoxPosition = new QComboBox(eltern);
    ComboBoxPosition->setObjectName(QStringLiteral("ComboBoxPosition"));
    ComboBoxPosition->setEditable(true);
    ComboBoxPosition->setInsertPolicy(QComboBox::NoInsert);
    ZeigeUnbekannt();
    ComboBoxPosition->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenuPosition = new QMenu(fenster);
    PopupMenuPosition->setObjectName(QStringLiteral("PopupMenuPosition"));
    // A menu is a window of its own and does not take the window's font by itself.
    PopupMenuPosition->setFont(fenster->font());
    E1 = PopupMenuPosition->addAction(QStringLiteral("Edit"));
    E1->setObjectName(QStringLiteral("E1"));
    Insert1 = PopupMenuPosition->addAction(QStringLiteral("Insert"));
    Insert1->setObjectName(QStringLiteral("Insert1"));

    auto bei = [this](auto* sender, auto signal, auto handler) {
        lauf_.Bei(sender, signal, this, handler);
    };
    bei(ComboBoxPosition, &QComboBox::activated, &Standortwahl::ComboBoxPositionClick);
    connect(ComboBoxPosition, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        PopupMenuPosition->popup(ComboBoxPosition->mapToGlobal(p));
    });
    bei(E1, &QAction::triggered, &Standortwahl::E1Click);
    bei(Insert1, &QAction::triggered, &Standortwahl::Insert1Click);
}

void Standortwahl::LadeStandorte() {
    ComboBoxPosition->clear();
    ComboBoxPosition->addItems(standorte::Namen(programmdateien::Standortdatei()));
    // Filling an empty combo box selects its first entry; at start no site is chosen.
    ZeigeUnbekannt();
}

void Standortwahl::ZeigeUnbekannt() {
    ComboBoxPosition->setCurrentIndex(-1);
    ComboBoxPosition->setEditText(Unbekannt());
}

void Standortwahl::Heimatstandort() {
    // Written with the user's decimal separator, so the preset converts under any locale.
    schreibe_(Allgemein(50.53), Allgemein(-14.48));
}

void Standortwahl::ComboBoxPositionClick() {
    const int index = ComboBoxPosition->currentIndex();
    if (index < 0) return;
    const QString name = ComboBoxPosition->itemText(index);
    standorte::Koordinaten k;
    try {
        k = standorte::Lese(programmdateien::Standortdatei(), name);
    } catch (const BenutzerFehler&) {
        // The edits keep the site they show, so the name chosen must not stand beside them.
        ZeigeUnbekannt();
        throw;
    }
    schreibe_(Allgemein(k.Breite), Allgemein(k.Laenge));
    // The change handling has shown "--unbekannt---"; the edits now hold this site. Not
    // reached when a recalculation failed, so the name never stands beside other values.
    ComboBoxPosition->setCurrentIndex(index);
    ComboBoxPosition->setEditText(name);
}

void Standortwahl::E1Click() {
    if (!PositionDlg) return;
    const QString datei = programmdateien::Standortdatei();
    const int index = SichtbarerEintrag(ComboBoxPosition);
    QString name;
    standorte::Koordinaten k;
    if (index >= 0) {
        name = ComboBoxPosition->itemText(index);
        k = standorte::Lese(datei, name);
    }
    PositionDlg->SetzeEintrag({name, Allgemein(k.Breite), Allgemein(k.Laenge)});
    if (dialoge::Modal(PositionDlg) != QDialog::Accepted) return;
    const auto eintrag = LeseDialog(fenster_, *PositionDlg);
    if (!eintrag) return;
    standorte::Schreibe(datei, eintrag->name, eintrag->werte);
    schreibe_(Allgemein(eintrag->werte.Breite), Allgemein(eintrag->werte.Laenge));
}

void Standortwahl::Insert1Click() {
    if (!PositionDlg) return;
    PositionDlg->SetzeEintrag({});
    if (dialoge::Modal(PositionDlg) != QDialog::Accepted) return;
    const auto eintrag = LeseDialog(fenster_, *PositionDlg);
    if (!eintrag) return;
    standorte::Schreibe(programmdateien::Standortdatei(), eintrag->name, eintrag->werte);

    // Appended, not chosen: an empty combo box would select its first entry by itself.
    const int index = ComboBoxPosition->currentIndex();
    const QString text = ComboBoxPosition->currentText();
    ComboBoxPosition->addItem(eintrag->name);
    ComboBoxPosition->setCurrentIndex(index);
    ComboBoxPosition->setEditText(text);
}
