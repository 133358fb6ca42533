// Site list of the main window: the combo box filled from the site file, choosing a site,
// the popup items "Edit" and "Insert" with the site dialog, and every failure on the way.
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "basis/zahltext.h"
#include "support/bedienung.h"
#include "support/dateien.h"
#include "support/testantworter.h"
#include "support/testordner.h"
#include "widgets/updownedit.h"
#include "workspace/Position.h"
#include "workspace/SDIMAIN.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>

namespace {

const QString Unbekannt = QStringLiteral("--unbekannt---");
const QByteArray DreiStandorte = "[B]\r\nBreite=48,1\r\nL\xE4nge=-11,6\r\n"
                                 "[A]\r\nBreite=51\r\n"
                                 "[C]\r\nBreite=x\r\nL\xE4nge=-7,25\r\n";

struct Eingabe {
    QString name, breite, laenge;
};

QStringList Eintraege(const QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

} // namespace

class TestStandorte : public QObject {
    Q_OBJECT

    std::unique_ptr<TestOrdner> ordner;
    std::unique_ptr<TestAntworter> antworter;
    std::unique_ptr<Anwendung> anwendung;

    static QString datei() { return programmdateien::Standortdatei(); }

    static void SchreibeDatei(const QByteArray& inhalt) { ::SchreibeDatei(datei(), inhalt); }

    TSDIAppForm& Starte() {
        anwendung = std::make_unique<Anwendung>();
        return *anwendung->SDIAppForm;
    }

    // The next modal dialog shows what it was filled with in *gezeigt, then takes the
    // entry (when given) and closes with the result.
    void Dialog(std::optional<Eingabe> eingabe, int ergebnis = QDialog::Accepted,
                Eingabe* gezeigt = nullptr) {
        antworter->dialogHandler.append([=](QDialog* d) {
            auto* dlg = qobject_cast<TPositionDlg*>(d);
            if (!dlg) return int(QDialog::Rejected);
            if (gezeigt) {
                const TPositionDlg::Eintrag e = dlg->LeseEintrag();
                *gezeigt = {e.Name, e.Breite, e.Laenge};
            }
            if (eingabe) dlg->SetzeEintrag({eingabe->name, eingabe->breite, eingabe->laenge});
            return ergebnis;
        });
    }

    // What the user does when picking an entry from the list.
    static void Waehle(TSDIAppForm& w, const QString& name) {
        const int i = Standortliste(w)->findText(name);
        QVERIFY(i >= 0);
        Standortliste(w)->setCurrentIndex(i);
        emit Standortliste(w)->activated(i);
    }

    static QAction* Weg(TSDIAppForm& w, const QString& weg) {
        return Aktion(w, weg == QLatin1String("Insert") ? "Insert1" : "E1");
    }

private slots:
    void init() {
        ordner = std::make_unique<TestOrdner>();
        QVERIFY(ordner->isValid());
        antworter = std::make_unique<TestAntworter>();
    }
    void cleanup() {
        anwendung.reset();
        antworter.reset();
        ordner.reset();
    }

    void startZustand_data() {
        QTest::addColumn<QChar>("trenner");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<QString>("phi");
        QTest::addColumn<QString>("lam");
        QTest::newRow("ohne Datei") << QChar(u',') << QByteArray() << QStringList() << "50,53"
                                    << "-14,48";
        QTest::newRow("B vor A") << QChar(u',') << DreiStandorte << QStringList{"B", "A", "C"}
                                 << "50,53"
                                 << "-14,48";
        QTest::newRow("Punkt als Trenner") << QChar(u'.') << QByteArray("[Ost]\r\n[West]\r\n")
                                           << QStringList{"Ost", "West"} << "50.53"
                                           << "-14.48";
    }
    void startZustand() {
        QFETCH(QChar, trenner);
        QFETCH(QByteArray, inhalt);
        zahltext::SetzeDezimaltrenner(trenner);
        if (!inhalt.isEmpty()) SchreibeDatei(inhalt);
        TSDIAppForm& w = Starte();
        QFETCH(QStringList, liste);
        QFETCH(QString, phi);
        QFETCH(QString, lam);
        QCOMPARE(Eintraege(Standortliste(w)), liste);
        QCOMPARE(Edit(w, "EditPhi")->text(), phi);
        QCOMPARE(Edit(w, "EditLam")->text(), lam);
        QCOMPARE(Standortliste(w)->currentText(), Unbekannt);
        QCOMPARE(Standortliste(w)->currentIndex(), -1);
        QVERIFY(anwendung->PositionDlg);
        QVERIFY(antworter->meldungen.isEmpty());
        QVERIFY(!QFile::exists(datei()) || !inhalt.isEmpty()); // start-up never writes it
    }

    void kontextmenue() {
        TSDIAppForm& w = Starte();
        emit Standortliste(w)->customContextMenuRequested(QPoint(5, 5));
        QMenu* popup = Kind<QMenu>(w, "PopupMenuPosition");
        QVERIFY(popup->isVisible());
        QStringList texte;
        for (QAction* a : popup->actions())
            texte << a->text();
        QCOMPARE(texte, QStringList({"Edit", "Insert"}));
        QCOMPARE(popup->actions(), (QList<QAction*>{Aktion(w, "E1"), Aktion(w, "Insert1")}));
        popup->hide();
    }

    // Choosing fills both edits, shows the name, and "Edit" then opens that site.
    void waehlen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("phi");
        QTest::addColumn<QString>("lam");
        QTest::newRow("beide Werte") << "B"
                                     << "48,1"
                                     << "-11,6";
        QTest::newRow("ohne Länge") << "A"
                                    << "51"
                                    << "0";
        QTest::newRow("Breite unlesbar") << "C"
                                         << "0"
                                         << "-7,25";
        QTest::newRow("Umlaut") << QStringLiteral("Görlitz") << "51,15"
                                << "-14,99";
    }
    void waehlen() {
        QFETCH(QString, name);
        SchreibeDatei(DreiStandorte + "[G\xF6rlitz]\r\nBreite=51,15\r\nL\xE4nge=-14,99\r\n");
        TSDIAppForm& w = Starte();
        const int index = Standortliste(w)->findText(name);
        Waehle(w, name);
        QFETCH(QString, phi);
        QFETCH(QString, lam);
        QCOMPARE(Edit(w, "EditPhi")->text(), phi);
        QCOMPARE(Edit(w, "EditLam")->text(), lam);
        QCOMPARE(Standortliste(w)->currentText(), name);
        QCOMPARE(Standortliste(w)->currentIndex(), index);
        QVERIFY(antworter->meldungen.isEmpty());

        Eingabe gezeigt;
        Dialog(std::nullopt, QDialog::Rejected, &gezeigt);
        Aktion(w, "E1")->trigger();
        QCOMPARE(gezeigt.name, name);
        QCOMPARE(gezeigt.breite, Edit(w, "EditPhi")->text());
        QCOMPARE(gezeigt.laenge, Edit(w, "EditLam")->text());
    }

    void waehlenMitTastatur() {
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        QTest::keyClick(Standortliste(w), Qt::Key_Down);
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("B"));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("48,1"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("-11,6"));
    }

    // A failing recalculation stops the pick: the name is not shown beside other values.
    void waehlenBeiRechenfehler() {
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        Edit(w, "EditModulH")->setText(QStringLiteral("160,5"));
        antworter->meldungen.clear();
        Waehle(w, QStringLiteral("B"));
        QCOMPARE(antworter->texte(),
                 QStringList{QStringLiteral("''160,5'' ist kein gültiger Integer-Wert")});
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("48,1"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("-14,48"));
        QCOMPARE(Standortliste(w)->currentText(), Unbekannt);
        QCOMPARE(Standortliste(w)->currentIndex(), -1);
    }

    // "Edit" opens only the site the combo box shows; otherwise an empty name and zeros.
    void editOhneSichtbareAuswahl_data() {
        QTest::addColumn<int>("fall");
        QTest::newRow("nichts gewählt") << 0;
        QTest::newRow("Breite von Hand geändert") << 1;
        QTest::newRow("Länge von Hand geändert") << 2;
        QTest::newRow("Name überschrieben") << 3;
    }
    void editOhneSichtbareAuswahl() {
        QFETCH(int, fall);
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        if (fall > 0) Waehle(w, QStringLiteral("B"));
        if (fall == 1) Edit(w, "EditPhi")->setText(QStringLiteral("49"));
        if (fall == 2) Edit(w, "EditLam")->setText(QStringLiteral("-12"));
        if (fall == 3) Standortliste(w)->setEditText(QStringLiteral("Bx"));
        if (fall == 1 || fall == 2) {
            QCOMPARE(Standortliste(w)->currentText(), Unbekannt);
            QCOMPARE(Standortliste(w)->currentIndex(), -1);
        }
        Eingabe gezeigt{"?", "?", "?"};
        Dialog(std::nullopt, QDialog::Rejected, &gezeigt);
        Aktion(w, "E1")->trigger();
        QCOMPARE(gezeigt.name, QString());
        QCOMPARE(gezeigt.breite, QStringLiteral("0"));
        QCOMPARE(gezeigt.laenge, QStringLiteral("0"));
    }

    void einfuegenOhneDatei() {
        TSDIAppForm& w = Starte();
        Eingabe gezeigt{"?", "?", "?"};
        Dialog(Eingabe{QStringLiteral("Görlitz"), "51,15", " -14,99 "}, QDialog::Accepted,
               &gezeigt);
        Aktion(w, "Insert1")->trigger();
        QCOMPARE(gezeigt.name, QString());
        QCOMPARE(gezeigt.breite, QString());
        QCOMPARE(gezeigt.laenge, QString());
        QCOMPARE(LiesDatei(datei()),
                 QByteArray("[G\xF6rlitz]\r\nBreite=51,15\r\nL\xE4nge=-14,99\r\n"));
        QCOMPARE(Eintraege(Standortliste(w)), QStringList{QStringLiteral("Görlitz")});
        // Added, not chosen; the coordinates stay.
        QCOMPARE(Standortliste(w)->currentText(), Unbekannt);
        QCOMPARE(Standortliste(w)->currentIndex(), -1);
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("50,53"));
        QVERIFY(antworter->meldungen.isEmpty());
        QCOMPARE(antworter->pieptoene, 0);
        // The new entry can be chosen at once.
        Waehle(w, QStringLiteral("Görlitz"));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("51,15"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("-14,99"));
    }

    void einfuegenLaesstAuswahlStehen() {
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        Waehle(w, QStringLiteral("A"));
        Dialog(Eingabe{"D", "1", "2"});
        Aktion(w, "Insert1")->trigger();
        QCOMPARE(Eintraege(Standortliste(w)), QStringList({"B", "A", "C", "D"}));
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("A"));
        QCOMPARE(Standortliste(w)->currentIndex(), 1);
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("51"));
    }

    void doppelterName() {
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        Dialog(Eingabe{"B", "10,5", "-20"});
        Aktion(w, "Insert1")->trigger();
        QCOMPARE(Eintraege(Standortliste(w)), QStringList({"B", "A", "C", "B"}));
        const QByteArray inhalt = LiesDatei(datei());
        QVERIFY(inhalt.startsWith("[B]\r\nBreite=10,5\r\nL\xE4nge=-20\r\n[A]\r\n"));
        QCOMPARE(inhalt.count("[B]"), 1);
        QVERIFY(antworter->meldungen.isEmpty());
    }

    void falscheEingaben_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<QString>("breite");
        QTest::addColumn<QString>("laenge");
        QTest::addColumn<QStringList>("texte");
        const QString m = QStringLiteral("EConvertError\n'%1' ist kein gültiger Gleitkommawert");
        for (const char* weg : {"Insert", "Edit"}) {
            QTest::addRow("%s abc x", weg) << weg << "abc"
                                           << "x" << QStringList{m.arg("abc"), m.arg("x")};
            QTest::addRow("%s nur Länge", weg) << weg << "1"
                                               << "x" << QStringList{m.arg("x")};
            QTest::addRow("%s leer", weg) << weg << ""
                                          << "" << QStringList{m.arg(""), m.arg("")};
            QTest::addRow("%s Punkt", weg) << weg << "50.5"
                                           << "1" << QStringList{m.arg("50.5")};
        }
    }
    void falscheEingaben() {
        QFETCH(QString, weg);
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        Waehle(w, QStringLiteral("B"));
        QFETCH(QString, breite);
        QFETCH(QString, laenge);
        QFETCH(QStringList, texte);
        Dialog(Eingabe{"B", breite, laenge});
        Weg(w, weg)->trigger();
        QCOMPARE(antworter->texte(), texte);
        QCOMPARE(antworter->pieptoene, 1);
        QCOMPARE(LiesDatei(datei()), DreiStandorte);
        QCOMPARE(Eintraege(Standortliste(w)), QStringList({"B", "A", "C"}));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("48,1"));
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("B"));
    }

    void editSchreibtUndSetztKoordinaten() {
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        Waehle(w, QStringLiteral("A"));
        Dialog(Eingabe{"A", "51,5", "-13,25"});
        Aktion(w, "E1")->trigger();
        QVERIFY(LiesDatei(datei()).contains("[A]\r\nBreite=51,5\r\nL\xE4nge=-13,25\r\n[C]"));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("51,5"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("-13,25"));
        QCOMPARE(Standortliste(w)->currentText(), Unbekannt);
        QVERIFY(antworter->meldungen.isEmpty());
    }

    void umbenennen() {
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        Waehle(w, QStringLiteral("A"));
        Dialog(Eingabe{"D", "1,5", "2"});
        Aktion(w, "E1")->trigger();
        const QByteArray inhalt = LiesDatei(datei());
        QVERIFY(inhalt.startsWith(DreiStandorte));
        QVERIFY(inhalt.endsWith("[D]\r\nBreite=1,5\r\nL\xE4nge=2\r\n"));
        QCOMPARE(Eintraege(Standortliste(w)), QStringList({"B", "A", "C"}));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("1,5"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("2"));
        QCOMPARE(Standortliste(w)->currentText(), Unbekannt);
    }

    void abbrechen_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Insert") << "Insert";
        QTest::newRow("Edit") << "Edit";
    }
    void abbrechen() {
        QFETCH(QString, weg);
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        Waehle(w, QStringLiteral("B"));
        Dialog(Eingabe{"Neu", "1", "2"}, QDialog::Rejected);
        Weg(w, weg)->trigger();
        QCOMPARE(antworter->modaleDialoge.size(), 1);
        QCOMPARE(LiesDatei(datei()), DreiStandorte);
        QCOMPARE(Eintraege(Standortliste(w)), QStringList({"B", "A", "C"}));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("48,1"));
        QCOMPARE(Standortliste(w)->currentText(), QStringLiteral("B"));
        QVERIFY(antworter->meldungen.isEmpty());
        QCOMPARE(antworter->pieptoene, 0);
    }

    // A directory in the site file's place cannot be written, also by root.
    void unbeschreibbar_data() { abbrechen_data(); }
    void unbeschreibbar() {
        QFETCH(QString, weg);
        QVERIFY(QDir().mkpath(datei()));
        TSDIAppForm& w = Starte();
        QCOMPARE(Standortliste(w)->count(), 0);
        Dialog(Eingabe{"Neu", "1", "2"});
        Weg(w, weg)->trigger();
        QCOMPARE(antworter->texte(),
                 QStringList{QStringLiteral("In %1 kann nicht geschrieben werden").arg(datei())});
        QCOMPARE(Standortliste(w)->count(), 0);
        QCOMPARE(Standortliste(w)->currentText(), Unbekannt);
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("50,53"));
        QCOMPARE(Edit(w, "EditLam")->text(), QStringLiteral("-14,48"));
    }

    void verweigerteNamen_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("breite");
        QTest::addColumn<QString>("teil");
        QTest::addColumn<int>("meldungen");
        for (const char* weg : {"Insert", "Edit"}) {
            QTest::addRow("%s leer", weg) << weg << ""
                                          << "1"
                                          << "Ortsbezeichnung eingeben" << 1;
            QTest::addRow("%s Klammer", weg) << weg << "Halle]Saale"
                                             << "1"
                                             << "\"]\"" << 1;
            QTest::addRow("%s Zeilenumbruch", weg) << weg << "Halle\nSaale"
                                                   << "1"
                                                   << "Zeilenumbruch" << 1;
            QTest::addRow("%s Blank vorn", weg) << weg << " Halle"
                                                << "1"
                                                << "Leerzeichen" << 1;
            QTest::addRow("%s Blank hinten", weg) << weg << "Halle "
                                                  << "1"
                                                  << "Leerzeichen" << 1;
            QTest::addRow("%s Codepage", weg) << weg << "Łódź"
                                              << "1"
                                              << "\"Ł\"" << 1;
            QTest::addRow("%s und Zahl falsch", weg) << weg << "Halle]"
                                                     << "abc"
                                                     << "\"]\"" << 2;
        }
    }
    void verweigerteNamen() {
        QFETCH(QString, weg);
        QFETCH(int, meldungen);
        SchreibeDatei(DreiStandorte);
        TSDIAppForm& w = Starte();
        QFETCH(QString, name);
        QFETCH(QString, breite);
        QFETCH(QString, teil);
        Dialog(Eingabe{name, breite, "2"});
        Weg(w, weg)->trigger();
        QCOMPARE(antworter->meldungen.size(), meldungen);
        const dialoge::Nachricht& n = antworter->meldungen.last();
        QCOMPARE(n.titel, QStringLiteral("WARNUNG"));
        QVERIFY2(n.text.contains(teil), qPrintable(n.text));
        QCOMPARE(antworter->pieptoene, 1);
        QCOMPARE(LiesDatei(datei()), DreiStandorte);
        QCOMPARE(Eintraege(Standortliste(w)), QStringList({"B", "A", "C"}));
        QCOMPARE(Edit(w, "EditPhi")->text(), QStringLiteral("50,53"));
    }

    // Every showing starts at the first field, wherever the focus was left.
    void dialogFokusBeimZeigen() {
        TPositionDlg d;
        for (int mal = 0; mal < 2; ++mal) {
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QCOMPARE(d.focusWidget(), Kind<QWidget>(d, "EditOrt"));
            Kind<QWidget>(d, "EditLaenge")->setFocus();
            d.hide();
        }
    }

    void dialogAufbau() {
        TPositionDlg d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Position Editieren"));
        QCOMPARE(d.size(), QSize(384, 179));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        struct Soll {
            const char* name;
            QPoint ort;
            int breite; // 0: not checked
        };
        for (const Soll& s : {Soll{"Bevel1", {8, 8}, 281}, Soll{"Label1", {24, 16}, 0},
                              Soll{"EditOrt", {24, 32}, 121}, Soll{"Label2", {24, 64}, 0},
                              Soll{"EditBreite", {24, 80}, 121}, Soll{"Label3", {24, 112}, 0},
                              Soll{"EditLaenge", {24, 128}, 121}, Soll{"OKBtn", {300, 8}, 75},
                              Soll{"CancelBtn", {300, 38}, 75}}) {
            QWidget* w = Kind<QWidget>(d, s.name);
            QCOMPARE(w->pos(), s.ort);
            if (s.breite) QCOMPARE(w->width(), s.breite);
            // Everything fits inside the client area.
            QVERIFY2(d.rect().contains(w->geometry()), s.name);
        }
        QFrame* bevel = Kind<QFrame>(d, "Bevel1");
        QLabel *label1 = Label(d, "Label1"), *label2 = Label(d, "Label2"),
               *label3 = Label(d, "Label3");
        auto* ort = Kind<QLineEdit>(d, "EditOrt");
        auto* breite = Kind<QLineEdit>(d, "EditBreite");
        auto* laenge = Kind<QLineEdit>(d, "EditLaenge");
        QCOMPARE(bevel->height(), 161);
        QCOMPARE(Knopf(d, "OKBtn")->height(), 25);
        QCOMPARE(label1->text(), QStringLiteral("Ortsbezeichnung"));
        QCOMPARE(label2->text(), QStringLiteral("Breitengrad °"));
        QCOMPARE(label3->text(), QStringLiteral("Längengrad ° (östliche Länge ist negativ!)"));
        QCOMPARE(ort->text(), QString());
        QCOMPARE(breite->text(), QStringLiteral("0"));
        QCOMPARE(laenge->text(), QStringLiteral("0"));
        QCOMPARE(label1->buddy(), ort);
        QCOMPARE(label2->buddy(), breite);
        QCOMPARE(label3->buddy(), laenge);
        QCOMPARE(Knopf(d, "OKBtn")->text(), QStringLiteral("OK"));
        QCOMPARE(Knopf(d, "CancelBtn")->text(), QStringLiteral("Abbrechen"));
        QVERIFY(Knopf(d, "OKBtn")->isDefault());
        // The long label stays inside the frame.
        QVERIFY(label3->geometry().right() < bevel->geometry().right());
    }

    // One entry in, the same entry out; what the user types is read back.
    void dialogEintrag() {
        TPositionDlg d;
        const TPositionDlg::Eintrag e{QStringLiteral("Görlitz"), "51,15", " -14,99 "};
        d.SetzeEintrag(e);
        QCOMPARE(Kind<QLineEdit>(d, "EditOrt")->text(), e.Name);
        QCOMPARE(Kind<QLineEdit>(d, "EditBreite")->text(), e.Breite);
        QCOMPARE(Kind<QLineEdit>(d, "EditLaenge")->text(), e.Laenge);
        QCOMPARE(d.LeseEintrag(), e);
        Kind<QLineEdit>(d, "EditBreite")->clear();
        QTest::keyClicks(Kind<QLineEdit>(d, "EditBreite"), "50");
        QCOMPARE(d.LeseEintrag(), (TPositionDlg::Eintrag{e.Name, "50", e.Laenge}));
        d.SetzeEintrag({});
        QCOMPARE(d.LeseEintrag(), TPositionDlg::Eintrag{});
    }

    void dialogSchliessen_data() {
        QTest::addColumn<int>("wie");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("Enter") << 0 << int(QDialog::Accepted);
        QTest::newRow("OK") << 1 << int(QDialog::Accepted);
        QTest::newRow("Esc") << 2 << int(QDialog::Rejected);
        QTest::newRow("Abbrechen") << 3 << int(QDialog::Rejected);
    }
    void dialogSchliessen() {
        QFETCH(int, wie);
        TPositionDlg d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto* breite = Kind<QLineEdit>(d, "EditBreite");
        breite->setFocus();
        switch (wie) {
        case 0:
            QTest::keyClick(breite, Qt::Key_Return);
            break;
        case 1:
            QTest::mouseClick(Knopf(d, "OKBtn"), Qt::LeftButton);
            break;
        case 2:
            QTest::keyClick(breite, Qt::Key_Escape);
            break;
        default:
            QTest::mouseClick(Knopf(d, "CancelBtn"), Qt::LeftButton);
            break;
        }
        QVERIFY(!d.isVisible());
        QFETCH(int, ergebnis);
        QCOMPARE(d.result(), ergebnis);
    }
};

QTEST_MAIN(TestStandorte)
#include "tst_standorte.moc"
