#pragma once
// Site dialog: name, latitude and longitude of one site. It holds no logic of its own: the
// site selection fills it with one entry, shows it modally and reads the entry back.
#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TPositionDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPositionDlg(QWidget* parent = nullptr);

    // One site as the dialog's edits hold it: the name and the two coordinate texts.
    struct Eintrag {
        QString Name, Breite, Laenge;
        friend bool operator==(const Eintrag&, const Eintrag&) = default;
    };
    void SetzeEintrag(const Eintrag& e);
    Eintrag LeseEintrag() const;

protected:
    void showEvent(QShowEvent* ev) override;

private:
    QFrame* Bevel1;
    QLabel *Label1, *Label2, *Label3;
    QLineEdit *EditOrt, *EditBreite, *EditLaenge;
    QPushButton *OKBtn, *CancelBtn;
};
