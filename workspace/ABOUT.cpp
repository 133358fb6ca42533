#include "workspace/ABOUT.h"

#include "basis/produkt.h"
#include "widgets/schriften.h"
#include "widgets/zentrieren.h"

#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

namespace {

const QString VersionVorgabe = QStringLiteral("Version: 1.1");

QLabel* NeuesLabel(QWidget* eltern, const char* name, const QString& text, QPoint ort,
                   bool fett = false) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->move(ort);
    l->adjustSize();
    return l;
}

// Decoded at run time; without a JPEG decoder the box shows no picture instead of failing.
QPixmap Produktbild() {
    QImageReader leser(QStringLiteral(":/bilder/produktbild.jpg"));
    const QImage bild = leser.read();
    return bild.isNull() ? QPixmap() : QPixmap::fromImage(bild);
}

} // namespace

QString VersionBeschriftung(const std::optional<std::string>& dateiversion) {
    return dateiversion ? QString::fromStdString(VersionsText(*dateiversion)) : VersionVorgabe;
}

TAboutBox::TAboutBox(QWidget* parent, const std::string& programm)
    : QDialog(parent), programm_(programm) {
    Q_INIT_RESOURCE(bilder); // the picture lives in a static library
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Programm Info"));
    setFont(schriften::Fenster());
    setFixedSize(547, 298);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 529, 250);
    QPalette weiss = Panel1->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    weiss.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(weiss);
    Panel1->setAutoFillBackground(true);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 16, 164, 164);
    ProgramIcon->setScaledContents(true); // stretched, proportions not kept
    ProgramIcon->setPixmap(Produktbild());

    // The name runs across both labels as one headline: the first ends where the second begins.
    ProductName =
        NeuesLabel(Panel1, "ProductName", QStringLiteral("Heliowendler-"), {208, 16}, true);
    Label1 = NeuesLabel(Panel1, "Label1", QStringLiteral("Simulation"), {422, 16}, true);
    for (QLabel* l : {ProductName, Label1}) {
        QFont f = l->font();
        f.setPixelSize(15); // 11 points at 96 dpi
        l->setFont(f);
        l->adjustSize();
    }
    ProductName->setGeometry(208, 16, 422 - 208, ProductName->height());
    ProductName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Version = NeuesLabel(Panel1, "Version", VersionVorgabe, {208, 64}, true);
    Copyright = NeuesLabel(Panel1, "Copyright", tr("© Die Entwickler von ") + produkt::Titel(),
                           {208, 118}, true);
    Label2 = NeuesLabel(Panel1, "Label2", tr("Quelltext: im Projektarchiv"), {208, 136});
    Label3 =
        NeuesLabel(Panel1, "Label3", tr("Lizenz: siehe Lizenzdatei im Projektarchiv"), {208, 152});
    Label4 =
        NeuesLabel(Panel1, "Label4", tr("Fehler melden: Issue-Tracker des Projekts"), {208, 168});
    Label5 = NeuesLabel(Panel1, "Label5", tr("Fragen und Vorschläge: ebenfalls im Issue-Tracker"),
                        {208, 184});
    Label6 = NeuesLabel(Panel1, "Label6", tr("Mitwirken: Hinweise im Projektarchiv"), {208, 200});
    Label7 = NeuesLabel(Panel1, "Label7",
                        tr("Die Ergebnisse der Simulation ersetzen keine Planung "
                           "und Prüfung der Anlage vor Ort."),
                        {0, 219});
    Label7->setGeometry(0, 219, Panel1->width(), Label7->height());
    Label7->setAlignment(Qt::AlignCenter);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(246, 264, 65, 26);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    FormCreate();
}

void TAboutBox::FormCreate() {
    const MyVersionInfo info(programm_);
    Version->setText(VersionBeschriftung(info.Dateiversion()));
    Version->adjustSize();
}

void TAboutBox::OKButtonClick() {
    accept();
}

void TAboutBox::showEvent(QShowEvent* ev) {
    ZentriereAufBildschirm(this);
    QDialog::showEvent(ev);
}
