#pragma once
// The site selection of the main window: the combo box ComboBoxPosition with the names of
// the site file, its popup menu PopupMenuPosition with "Edit" (E1) and "Insert" (Insert1),
// which open the site dialog, and the home-site preset. A chosen or edited site reaches the
// window's latitude and longitude edits through the window's writer.
#include <QObject>
#include <QString>
#include <functional>

class Handlerlauf;
class QAction;
class QComboBox;
class QMenu;
class QWidget;
class TPositionDlg;

class Standortwahl : public QObject {
    Q_OBJECT
public:
    // Writes the latitude and then the longitude text into the window's edits, each firing
    // its change handling; a failure there is thrown on.
    using Koordinatenschreiber = std::function<void(const QString& breite, const QString& laenge)>;

    // The combo box goes into eltern, the popup menu and the message boxes belong to fenster.
    Standortwahl(QWidget* fenster, QWidget* eltern, Handlerlauf& lauf,
                 Koordinatenschreiber schreibe);

    // For the window's layout.
    QComboBox* Auswahl() const { return ComboBoxPosition; }
    // The site dialog, created after the window.
    void SetzeDialog(TPositionDlg* dialog) { PositionDlg = dialog; }

    // The names of the site file, none of them chosen.
    void LadeStandorte();
    // The home-site preset of the start-up.
    void Heimatstandort();
    // Shows "--unbekannt---" with no list entry chosen, so "Edit" cannot open a site the
    // combo box no longer shows.
    void ZeigeUnbekannt();

private:
    void ComboBoxPositionClick();
    void E1Click();
    void Insert1Click();

    QWidget* fenster_;
    Handlerlauf& lauf_;
    Koordinatenschreiber schreibe_;
    QComboBox* ComboBoxPosition;
    QMenu* PopupMenuPosition;
    QAction *E1, *Insert1;
    TPositionDlg* PositionDlg = nullptr;
};
