#pragma once
// Site dialog: name, latitude and longitude of one site. It holds no logic of its own: the
// main window fills the edits, shows it modally and reads them back.
#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TPositionDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPositionDlg(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QLabel *Label1, *Label2, *Label3;
    QLineEdit *EditOrt, *EditBreite, *EditLaenge;
    QPushButton *OKBtn, *CancelBtn;

protected:
    void showEvent(QShowEvent* ev) override;
};
