#pragma once
// The interface settings dialog: the user picks the COM port that leads to the tracker
// controller; the line settings are fixed (4800 baud, 8 data bits, no parity, one stop bit)
// and shown disabled; the DTR/DSR handshake, the driver's queue sizes and whether the port is
// opened at all can be changed. It holds what the serial link applies at the next open; it
// reads and writes no file.
#include "seriallink/porteinstellungen.h"
#include "seriallink/sioverbindung.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Handlerlauf;
class TCSpinButton;

class TPagesDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPagesDlg(QWidget* parent = nullptr);
    ~TPagesDlg() override;

    // The baud-rate table, in list order.
    static constexpr int Baudraten[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                        19200, 38400, 56000, 57600, 115200, 128000, 256000};

    // Where the port list comes from: the settings file's section "Ports" and the system's
    // devices under sysKlasse (see portliste.h). Defaults: the program's settings file and
    // /sys/class/tty.
    void SetzePortquelle(const QString& einstellungsdatei, const QString& sysKlasse);

    // Fills the lists and sets every setting to its default (once, after start-up).
    void DialogVorbelegen();
    // The number of the selected port entry ("COM12" gives 12), 0 when none is selected.
    // Throws zahltext::KonvertierFehler when the entry's text from its fourth character on is
    // no whole number.
    int PortNrAusListe() const;
    // Selects the entry "COM<n>"; leaves the selection as it is when there is none.
    void PortInListeWaehlen(int n);
    // Writes the record's members from the lists and check boxes.
    void DcbAusDialog();

    int ComPortNr() const { return comPortNr_; }
    void SetzeComPortNr(int nr) { comPortNr_ = nr; }
    const Porteinstellungen& Einstellungen() const { return dcb_; }
    int Empfangspuffer() const { return empfangspuffer_; }
    int Sendepuffer() const { return sendepuffer_; }
    bool Initialisieren() const; // "Schnittstelle initialisieren" is checked
    // Everything one open takes from the dialog, for the port number given.
    Oeffnung OeffnungFuer(int comPortNr) const;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* ev) override;

private:
    void PortListeLesen();
    void FormShow();
    void OKBtnClick();
    void CancelBtnClick();
    void CSpinButtonBufRS1DownClick();
    void CSpinButtonBufRS1UpClick();
    void CSpinButtonBufTS1DownClick();
    void CSpinButtonBufTS1UpClick();
    void ZeigePuffer();
    void ZeigeGeraet();

    int comPortNr_ = 0;
    Porteinstellungen dcb_;
    int empfangspuffer_ = 4096, sendepuffer_ = 4096;
    QString einstellungsdatei_, sysKlasse_;

    // Taken when the dialog is shown, put back by "Abbrechen".
    struct Kopie {
        int port = -1, baud = -1, daten = -1, paritaet = -1, stop = -1;
        bool rtscts = false, dtrdsr = false, soft = false;
        int empfang = 4096, sende = 4096;
    } kopie_;

    Handlerlauf* lauf_;
    QTabWidget* PageControl1;
    QComboBox *ComboBoxPortS1, *ComboBoxBaudrateS1, *ComboBoxDatabitS1, *ComboBoxParityS1,
        *ComboBoxStopS1;
    QLabel* LabelGeraet;
    QCheckBox *CheckBoxRTSCTSS1, *CheckBoxDTRDSRS1, *CheckBoxSoftS1, *CheckBoxCOMS1Enabled;
    QLineEdit *EditBufRS1, *EditBufTS1;
    TCSpinButton *CSpinButtonBufRS1, *CSpinButtonBufTS1;
    QPushButton *OKBtn, *CancelBtn;
};
