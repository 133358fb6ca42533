#include "workspace/Position.h"

#include "widgets/schriften.h"
#include "widgets/zentrieren.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <class W> W* Platziere(W* w, const char* name, int x, int y) {
    w->setObjectName(QString::fromLatin1(name));
    w->move(x, y);
    return w;
}

QLabel* Beschriftung(const char* name, const QString& text, int x, int y, QWidget* eltern) {
    auto* l = Platziere(new QLabel(text, eltern), name, x, y);
    l->adjustSize();
    return l;
}

QLineEdit* Eingabefeld(const char* name, const QString& text, int x, int y, QLabel* label,
                       QWidget* eltern) {
    auto* e = Platziere(new QLineEdit(text, eltern), name, x, y);
    e->resize(121, e->sizeHint().height());
    label->setBuddy(e);
    return e;
}

QPushButton* Knopf(const char* name, const QString& text, int x, int y, QWidget* eltern) {
    auto* b = Platziere(new QPushButton(text, eltern), name, x, y);
    b->resize(75, 25);
    return b;
}

} // namespace

TPositionDlg::TPositionDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("PositionDlg"));
    setWindowTitle(tr("Position Editieren"));
    setFont(schriften::Fenster());
    setFixedSize(384, 179);

    Bevel1 = Platziere(new QFrame(this), "Bevel1", 8, 8);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->resize(281, 161);

    Label1 = Beschriftung("Label1", tr("Ortsbezeichnung"), 24, 16, this);
    EditOrt = Eingabefeld("EditOrt", QString(), 24, 32, Label1, this);
    Label2 = Beschriftung("Label2", tr("Breitengrad °"), 24, 64, this);
    EditBreite = Eingabefeld("EditBreite", QStringLiteral("0"), 24, 80, Label2, this);
    Label3 =
        Beschriftung("Label3", tr("Längengrad ° (östliche Länge ist negativ!)"), 24, 112, this);
    EditLaenge = Eingabefeld("EditLaenge", QStringLiteral("0"), 24, 128, Label3, this);

    // Esc rejects through QDialog itself; Enter presses the default button.
    OKBtn = Knopf("OKBtn", tr("OK"), 300, 8, this);
    OKBtn->setDefault(true);
    CancelBtn = Knopf("CancelBtn", tr("Abbrechen"), 300, 38, this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TPositionDlg::SetzeEintrag(const Eintrag& e) {
    EditOrt->setText(e.Name);
    EditBreite->setText(e.Breite);
    EditLaenge->setText(e.Laenge);
}

TPositionDlg::Eintrag TPositionDlg::LeseEintrag() const {
    return {EditOrt->text(), EditBreite->text(), EditLaenge->text()};
}

void TPositionDlg::showEvent(QShowEvent* ev) {
    ZentriereAufBildschirm(this);
    QDialog::showEvent(ev);
    // Every showing starts at the first field, wherever the focus was when it closed.
    EditOrt->setFocus();
}
