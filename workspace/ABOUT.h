#pragma once
// About box: the product, its version from the executable's own version block, the rights
// holder and where the project lives.
#include "basis/versioninfo.h"

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // programm: the executable whose version is shown; tests name another one.
    explicit TAboutBox(QWidget* parent = nullptr,
                       const std::string& programm = MyVersionInfo::EigenesProgramm);

protected:
    void showEvent(QShowEvent* ev) override;

private:
    void FormCreate();
    void OKButtonClick();

    QFrame* Panel1;
    QLabel *ProgramIcon, *ProductName, *Label1, *Version, *Copyright;
    QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QPushButton* OKButton;
    std::string programm_;
};

// The caption of the version label for the executable's "FileVersion" text; without one the
// label keeps "Version: 1.1".
QString VersionBeschriftung(const std::optional<std::string>& dateiversion);
