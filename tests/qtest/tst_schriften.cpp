// Faces and room for texts: the scene's labels and every window's captions fit the places the
// layouts give them, in the faces chosen for them, and those faces are really installed.
#include "support/ordnertestfall.h"
#include "support/platz.h"
#include "support/testantworter.h"
#include "widgets/schriften.h"
#include "workspace/ABOUT.h"
#include "workspace/Bemassungen.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"
#include "workspace/szene.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QtTest>
#include <memory>

namespace {

using Form = Aufzeichnung::Form;
using Art = Aufzeichnung::Art;

// Where a text of the scene lands: its cell, as the surface fills it.
QRect Zelle(const Form& t) {
    const QFontMetrics fm(QPainterFlaeche::Schrift());
    return QRect(t.punkte[0], QSize(fm.horizontalAdvance(t.text), fm.height()));
}

// Whether a pixel of the cell lies inside the disc inscribed in box (pixel centres count).
bool BeruehrtScheibe(const QRect& zelle, const QRect& box) {
    const QPointF mitte = QRectF(box).center();
    const double r = box.width() / 2.0;
    for (int y = zelle.top(); y <= zelle.bottom(); ++y)
        for (int x = zelle.left(); x <= zelle.right(); ++x)
            if (std::hypot(x + 0.5 - mitte.x(), y + 0.5 - mitte.y()) < r) return true;
    return false;
}

} // namespace

class TestSchriften : public OrdnerTestfall {
    Q_OBJECT

private slots:
    // The faces the layouts are measured in, not a look-alike the font system picked.
    void schriftenSindInstalliert_data() {
        QTest::addColumn<QFont>("schrift");
        QTest::addColumn<QString>("familie");
        QTest::newRow("Fenster") << schriften::Fenster()
                                 << QString::fromLatin1(schriften::FensterFamilie);
        QTest::newRow("Szene") << QPainterFlaeche::Schrift()
                               << QString::fromLatin1(schriften::SzenenFamilie);
    }
    void schriftenSindInstalliert() {
        QFETCH(QFont, schrift);
        QFETCH(QString, familie);
        const QFontInfo info(schrift);
        QCOMPARE(info.family(), familie);
        QVERIFY(info.exactMatch());
    }

    // Every label of the scene stays inside the box, off the travel-range disc drawn over
    // the compass, and off the other labels: "O=90°" has 40 pixels right of the disc,
    // "W=270°" 39 left of it.
    void szenentexteHabenPlatz_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("20 m") << 20.0;
        QTest::newRow("20,55 m") << 20.55;
    }
    void szenentexteHabenPlatz() {
        QFETCH(double, scale);
        Simulationszustand z = szene::Beispielzustand();
        z.Scale = scale;
        Aufzeichnung a;
        szene::PaintBox1Paint(z, a, false);
        std::vector<Form> texte;
        QRect scheibe;
        for (const Form& f : a.formen) {
            if (f.art == Art::Text) texte.push_back(f);
            if (f.art == Art::Ellipse && f.pinsel == szene::Rot)
                scheibe = QRect(f.punkte[0], f.punkte[1]).adjusted(0, 0, -1, -1);
        }
        QCOMPARE(texte.size(), size_t(6));
        QCOMPARE(scheibe, QRect(40, 40, 478, 478));
        const QRect box(0, 0, szene::Seite, szene::Seite);
        for (size_t i = 0; i < texte.size(); ++i) {
            const QRect zelle = Zelle(texte[i]);
            const QByteArray was = texte[i].text.toUtf8();
            QVERIFY2(box.contains(zelle), was.constData());
            QVERIFY2(!BeruehrtScheibe(zelle, scheibe), was.constData());
            for (size_t j = i + 1; j < texte.size(); ++j)
                QVERIFY2(!zelle.intersects(Zelle(texte[j])), was.constData());
        }
    }

    void fensterLassenTexteGanz() {
        TestAntworter antworter;
        TSDIAppForm haupt;
        haupt.Berechne();
        haupt.SetzePanel(0, QStringLiteral("Protokolle: 12345"));
        TPositionDlg position;
        position.SetzeEintrag({QString(), QStringLiteral("0"), QStringLiteral("-14,48")});
        TAboutBox about;
        TFormHilfe hilfe;
        for (QWidget* f : std::initializer_list<QWidget*>{&haupt, &position, &about, &hilfe}) {
            f->show();
            QVERIFY(QTest::qWaitForWindowExposed(f));
            QCOMPARE(QFontInfo(f->font()).family(), QString::fromLatin1(schriften::FensterFamilie));
            const QStringList probleme = Platzprobleme(f);
            QVERIFY2(probleme.isEmpty(), qPrintable(f->objectName() + QStringLiteral(": ") +
                                                    probleme.join(QStringLiteral("; "))));
        }
    }
};

QTEST_MAIN(TestSchriften)
#include "tst_schriften.moc"
