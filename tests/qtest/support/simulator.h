#pragma once
// The simulated controller (or its bootloader) on a pseudo-terminal, for tests of the composed
// application: started with a link in the test's folder that the settings file pins as
// "COM5", and the application's start-up tick run so the interface dialog lists it. Header
// only: the test that includes it defines HW_TRACKERSIM, the simulator's path.
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "linkfenster/InitSIO.h"
#include "support/bedienung.h"
#include "support/testordner.h"
#include "workspace/SDIMAIN.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

class Simulator {
public:
    QProcess prozess;

    ~Simulator() { Beende(); }

    // Starts it with these options and waits for the device it reports; false when it
    // does not come up or the settings file cannot be written.
    bool Starte(const TestOrdner& ordner, const QStringList& optionen) {
        const QString link = ordner.filePath(QStringLiteral("trackersim"));
        prozess.setProgram(QStringLiteral(HW_TRACKERSIM));
        prozess.setArguments(QStringList{QStringLiteral("--link"), link} + optionen);
        prozess.start();
        if (!prozess.waitForStarted()) return false;
        QElapsedTimer warte;
        warte.start();
        while (!prozess.canReadLine() && warte.elapsed() < 10000)
            prozess.waitForReadyRead(100);
        if (!QString::fromLocal8Bit(prozess.readLine()).startsWith(QLatin1String("/dev/")))
            return false;
        QFile ini(programmdateien::Einstellungsdatei());
        if (!ini.open(QIODevice::WriteOnly)) return false;
        ini.write("[Ports]\r\nCOM5=" + QFile::encodeName(link) + "\r\n");
        return true;
    }
    // Ends it (it writes its flash dump then, when asked for one); false when it hangs.
    bool Beende() {
        if (prozess.state() == QProcess::NotRunning) return true;
        prozess.terminate();
        return prozess.waitForFinished(10000);
    }
};

// The start-up tick, with the interface dialog listing the settings file's ports only (no
// system devices).
inline void Hochfahren(Anwendung& a, const TestOrdner& ordner) {
    QDir().mkpath(ordner.filePath(QStringLiteral("sys")));
    a.PagesDlg->SetzePortquelle(programmdateien::Einstellungsdatei(),
                                ordner.filePath(QStringLiteral("sys")));
    Tick(Zeitgeber(*a.SDIAppForm, "TimerStartSioInit"));
}

// Answers the interface dialog: "COM5", "Schnittstelle initialisieren" as given, OK.
inline int WaehleCom5(QDialog* d, bool initialisieren = true) {
    d->show();
    auto* liste = Kind<QComboBox>(*d, "ComboBoxPortS1");
    liste->setCurrentIndex(liste->findText(QStringLiteral("COM5")));
    Kind<QCheckBox>(*d, "CheckBoxCOMS1Enabled")->setChecked(initialisieren);
    Knopf(*d, "OKBtn")->click();
    return d->result();
}
