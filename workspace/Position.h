#pragma once
// Site dialog: name, latitude and longitude of one site.
#include <QDialog>

class TPositionDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPositionDlg(QWidget* parent = nullptr);
};
