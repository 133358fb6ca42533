#include "linkfenster/InitSIO.h"

#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "seriallink/portliste.h"
#include "widgets/handlerlauf.h"
#include "widgets/schriften.h"
#include "widgets/spinknopf.h"
#include "widgets/zentrieren.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

namespace {

// Applied first, then the dialog's own members overwrite what it sets; its 38400 never takes
// effect.
constexpr std::string_view Einstellstring = "baud=38400 parity=N data=8 stop=1";
constexpr int StandardBaud = 5, StandardDatenbits = 3;
constexpr int StandardPuffer = 4096;
// Doubling stops here, so a size never passes 0x100000.
constexpr int GroessterVerdoppelbarer = 0x80001;

template <class W> W* Platziere(W* w, const char* name, int x, int y, int breite = 0) {
    w->setObjectName(QString::fromLatin1(name));
    w->move(x, y);
    if (breite > 0) w->resize(breite, w->sizeHint().height());
    return w;
}

QLabel* Beschriftung(const QString& text, int x, int y, QWidget* eltern, QWidget* fuer) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    l->adjustSize();
    l->setBuddy(fuer);
    return l;
}

void Fuelle(QComboBox* c, const QStringList& eintraege, int auswahl) {
    c->clear();
    c->addItems(eintraege);
    c->setCurrentIndex(auswahl);
}

} // namespace

TPagesDlg::TPagesDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      einstellungsdatei_(programmdateien::Einstellungsdatei()),
      sysKlasse_(QStringLiteral("/sys/class/tty")), lauf_(new Handlerlauf(this)) {
    setObjectName(QStringLiteral("PagesDlg"));
    setWindowTitle(tr("Schnittstelleneinstellungen"));
    setFont(schriften::Fenster());
    setFixedSize(454, 355);

    PageControl1 = Platziere(new QTabWidget(this), "PageControl1", 8, 8);
    PageControl1->resize(438, 302);
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(seite, tr("Schnitstelle zum Tracker"));

    constexpr int LabelX = 12, FeldX = 120, Feldbreite = 130;
    ComboBoxPortS1 = Platziere(new QComboBox(seite), "ComboBoxPortS1", FeldX, 10, Feldbreite);
    Beschriftung(tr("&Schnittstelle"), LabelX, 14, seite, ComboBoxPortS1);
    LabelGeraet = Platziere(new QLabel(seite), "LabelGeraet", FeldX, 36);
    LabelGeraet->resize(300, LabelGeraet->sizeHint().height());

    ComboBoxBaudrateS1 =
        Platziere(new QComboBox(seite), "ComboBoxBaudrateS1", FeldX, 60, Feldbreite);
    Beschriftung(tr("&Übertragungsrate"), LabelX, 64, seite, ComboBoxBaudrateS1);
    ComboBoxDatabitS1 = Platziere(new QComboBox(seite), "ComboBoxDatabitS1", FeldX, 88, Feldbreite);
    Beschriftung(tr("&Datenbit"), LabelX, 92, seite, ComboBoxDatabitS1);
    ComboBoxParityS1 = Platziere(new QComboBox(seite), "ComboBoxParityS1", FeldX, 116, Feldbreite);
    Beschriftung(tr("&Paritätsbit"), LabelX, 120, seite, ComboBoxParityS1);
    ComboBoxStopS1 = Platziere(new QComboBox(seite), "ComboBoxStopS1", FeldX, 144, Feldbreite);
    Beschriftung(tr("Sto&ppbits"), LabelX, 148, seite, ComboBoxStopS1);
    for (QComboBox* c : {ComboBoxBaudrateS1, ComboBoxDatabitS1, ComboBoxParityS1, ComboBoxStopS1})
        c->setEnabled(false);

    auto puffer = [&](const char* editName, const char* knopfName, const QString& text, int y,
                      QLineEdit*& edit, TCSpinButton*& knopf) {
        edit = Platziere(new QLineEdit(seite), editName, FeldX, y, 90);
        edit->setReadOnly(true);
        edit->setEnabled(false);
        knopf = Platziere(new TCSpinButton(seite), knopfName, FeldX + 92, y);
        knopf->resize(18, edit->height());
        Beschriftung(text, LabelX, y + 4, seite, edit);
    };
    puffer("EditBufRS1", "CSpinButtonBufRS1", tr("&Empfangspuffer"), 184, EditBufRS1,
           CSpinButtonBufRS1);
    puffer("EditBufTS1", "CSpinButtonBufTS1", tr("S&endepuffer"), 212, EditBufTS1,
           CSpinButtonBufTS1);

    auto* handshake =
        Platziere(new QGroupBox(tr("Handshake"), seite), "GroupBoxHandshake", 268, 60);
    handshake->resize(156, 104);
    CheckBoxRTSCTSS1 = Platziere(new QCheckBox(tr("&RTS/CTS-Handshake"), handshake),
                                 "CheckBoxRTSCTSS1", 10, 22, 140);
    CheckBoxRTSCTSS1->setEnabled(false);
    CheckBoxDTRDSRS1 = Platziere(new QCheckBox(tr("D&TR/DSR-Handshake"), handshake),
                                 "CheckBoxDTRDSRS1", 10, 48, 140);
    CheckBoxSoftS1 = Platziere(new QCheckBox(tr("&XOn/XOff-Protokoll"), handshake),
                               "CheckBoxSoftS1", 10, 74, 140);
    CheckBoxSoftS1->setEnabled(false);

    CheckBoxCOMS1Enabled = Platziere(new QCheckBox(tr("Schnittstelle initialisieren"), seite),
                                     "CheckBoxCOMS1Enabled", LabelX, 250, 200);
    CheckBoxCOMS1Enabled->setChecked(true);

    OKBtn = Platziere(new QPushButton(tr("OK"), this), "OKBtn", 290, 320);
    OKBtn->resize(75, 25);
    OKBtn->setDefault(true);
    CancelBtn = Platziere(new QPushButton(tr("Abbrechen"), this), "CancelBtn", 371, 320);
    CancelBtn->resize(75, 25);

    connect(OKBtn, &QPushButton::clicked, this,
            [this] { lauf_->Ereignis([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(CSpinButtonBufRS1, &TCSpinButton::DownClick, this,
            &TPagesDlg::CSpinButtonBufRS1DownClick);
    connect(CSpinButtonBufRS1, &TCSpinButton::UpClick, this, &TPagesDlg::CSpinButtonBufRS1UpClick);
    connect(CSpinButtonBufTS1, &TCSpinButton::DownClick, this,
            &TPagesDlg::CSpinButtonBufTS1DownClick);
    connect(CSpinButtonBufTS1, &TCSpinButton::UpClick, this, &TPagesDlg::CSpinButtonBufTS1UpClick);
    connect(ComboBoxPortS1, &QComboBox::currentIndexChanged, this, &TPagesDlg::ZeigeGeraet);
    ZeigePuffer();
    ZeigeGeraet();
}

TPagesDlg::~TPagesDlg() {
    delete lauf_;
}

void TPagesDlg::SetzePortquelle(const QString& einstellungsdatei, const QString& sysKlasse) {
    einstellungsdatei_ = einstellungsdatei;
    sysKlasse_ = sysKlasse;
}

void TPagesDlg::PortListeLesen() {
    QList<PortEintrag> ports = portliste::Ports(einstellungsdatei_, sysKlasse_);
    // Sorted as text, so COM10 stands before COM2.
    std::sort(ports.begin(), ports.end(),
              [](const PortEintrag& a, const PortEintrag& b) { return a.Name < b.Name; });
    // Each entry carries its device for the device line.
    for (const PortEintrag& e : ports)
        ComboBoxPortS1->addItem(e.Name, e.Geraet);
    ComboBoxPortS1->setCurrentIndex(-1);
}

void TPagesDlg::DialogVorbelegen() {
    ComboBoxPortS1->clear();
    PortListeLesen();
    QStringList baud;
    for (int b : Baudraten)
        baud << QString::number(b);
    Fuelle(ComboBoxBaudrateS1, baud, StandardBaud);
    Fuelle(ComboBoxDatabitS1, {"5", "6", "7", "8"}, StandardDatenbits);
    Fuelle(ComboBoxParityS1, {"none", "odd", "even", "mark", "space"}, 0);
    // The entries' order is what the settings store; the one and a half in the numbers' format.
    Fuelle(ComboBoxStopS1, {"1", u'1' + QString(zahltext::Dezimaltrenner()) + u'5', "2"}, 0);
    CheckBoxRTSCTSS1->setChecked(false);
    CheckBoxDTRDSRS1->setChecked(false);
    CheckBoxSoftS1->setChecked(false);
    comPortNr_ = 0;
    WendeEinstellstringAn(dcb_, Einstellstring);
    empfangspuffer_ = sendepuffer_ = StandardPuffer;
    ZeigePuffer();
    comPortNr_ = PortNrAusListe();
    DcbAusDialog();
}

int TPagesDlg::PortNrAusListe() const {
    const int i = ComboBoxPortS1->currentIndex();
    if (i < 0) return 0;
    // The first three characters ("COM") are not examined.
    return zahltext::AlsGanzzahl(ComboBoxPortS1->itemText(i).mid(3));
}

void TPagesDlg::PortInListeWaehlen(int n) {
    const int i = ComboBoxPortS1->findText(QStringLiteral("COM%1").arg(n), Qt::MatchExactly);
    if (i >= 0) ComboBoxPortS1->setCurrentIndex(i);
}

void TPagesDlg::DcbAusDialog() {
    // A list without a selection (before the lists are filled) leaves its member as it is;
    // the open that follows fails on the missing port in any case.
    if (const int i = ComboBoxBaudrateS1->currentIndex(); i >= 0 && i < int(std::size(Baudraten)))
        dcb_.BaudRate = static_cast<std::uint32_t>(Baudraten[i]);
    if (const int i = ComboBoxDatabitS1->currentIndex(); i >= 0)
        dcb_.ByteSize = static_cast<std::uint8_t>(i + 5);
    if (const int i = ComboBoxParityS1->currentIndex(); i >= 0) {
        dcb_.Parity = static_cast<std::uint8_t>(i);
        dcb_.fParity = i > 0;
    }
    if (const int i = ComboBoxStopS1->currentIndex(); i >= 0)
        dcb_.StopBits = static_cast<std::uint8_t>(i);
    dcb_.fBinary = true;
    const bool rtscts = CheckBoxRTSCTSS1->isChecked();
    dcb_.fOutxCtsFlow = rtscts;
    dcb_.fRtsControl = rtscts ? Porteinstellungen::RtsHandshake : Porteinstellungen::RtsDisable;
    const bool dtrdsr = CheckBoxDTRDSRS1->isChecked();
    dcb_.fOutxDsrFlow = dtrdsr;
    dcb_.fDtrControl = dtrdsr ? Porteinstellungen::DtrHandshake : Porteinstellungen::DtrDisable;
    dcb_.fOutX = dcb_.fInX = CheckBoxSoftS1->isChecked();
    dcb_.XonChar = 0x11;
    dcb_.XoffChar = 0x13;
    dcb_.fAbortOnError = false;
}

bool TPagesDlg::Initialisieren() const {
    return CheckBoxCOMS1Enabled->isChecked();
}

Oeffnung TPagesDlg::OeffnungFuer(int comPortNr) const {
    Oeffnung o;
    o.ComPortNr = comPortNr;
    o.Einstellungen = dcb_;
    o.Empfangspuffer = empfangspuffer_;
    o.Sendepuffer = sendepuffer_;
    o.Initialisieren = Initialisieren();
    o.Baudtext = ComboBoxBaudrateS1->currentText();
    return o;
}

void TPagesDlg::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    ZentriereAufBildschirm(this);
    FormShow();
}

void TPagesDlg::FormShow() {
    PortInListeWaehlen(comPortNr_);
    kopie_ = {ComboBoxPortS1->currentIndex(),
              ComboBoxBaudrateS1->currentIndex(),
              ComboBoxDatabitS1->currentIndex(),
              ComboBoxParityS1->currentIndex(),
              ComboBoxStopS1->currentIndex(),
              CheckBoxRTSCTSS1->isChecked(),
              CheckBoxDTRDSRS1->isChecked(),
              CheckBoxSoftS1->isChecked(),
              empfangspuffer_,
              sendepuffer_};
}

void TPagesDlg::OKBtnClick() {
    // A failing conversion ends here: the dialog stays open and nothing has changed.
    const int nr = PortNrAusListe();
    comPortNr_ = nr;
    DcbAusDialog();
    accept();
}

void TPagesDlg::CancelBtnClick() {
    ComboBoxPortS1->setCurrentIndex(kopie_.port);
    ComboBoxBaudrateS1->setCurrentIndex(kopie_.baud);
    ComboBoxDatabitS1->setCurrentIndex(kopie_.daten);
    ComboBoxParityS1->setCurrentIndex(kopie_.paritaet);
    ComboBoxStopS1->setCurrentIndex(kopie_.stop);
    CheckBoxRTSCTSS1->setChecked(kopie_.rtscts);
    CheckBoxDTRDSRS1->setChecked(kopie_.dtrdsr);
    CheckBoxSoftS1->setChecked(kopie_.soft);
    empfangspuffer_ = kopie_.empfang;
    sendepuffer_ = kopie_.sende;
    ZeigePuffer();
}

void TPagesDlg::reject() {
    // "Abbrechen", Esc and the close box alike put back what the dialog showed when opened.
    CancelBtnClick();
    QDialog::reject();
}

namespace {
void Halbiere(int& groesse) {
    if (groesse > 1) groesse /= 2;
}
void Verdopple(int& groesse) {
    if (groesse < GroessterVerdoppelbarer) groesse *= 2;
}
} // namespace

void TPagesDlg::CSpinButtonBufRS1DownClick() {
    Halbiere(empfangspuffer_);
    ZeigePuffer();
}
void TPagesDlg::CSpinButtonBufRS1UpClick() {
    Verdopple(empfangspuffer_);
    ZeigePuffer();
}
void TPagesDlg::CSpinButtonBufTS1DownClick() {
    Halbiere(sendepuffer_);
    ZeigePuffer();
}
void TPagesDlg::CSpinButtonBufTS1UpClick() {
    Verdopple(sendepuffer_);
    ZeigePuffer();
}

void TPagesDlg::ZeigePuffer() {
    EditBufRS1->setText(QString::number(empfangspuffer_));
    EditBufTS1->setText(QString::number(sendepuffer_));
}

void TPagesDlg::ZeigeGeraet() {
    const QString geraet = ComboBoxPortS1->currentData().toString();
    LabelGeraet->setText(geraet.isEmpty() ? QString() : tr("Gerät: ") + geraet);
}
