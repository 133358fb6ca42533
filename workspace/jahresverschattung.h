#pragma once
// "Ansicht" > "Jahresverschattung": the year study of the main window's inputs (its year,
// site, geometry, errors, "Backtrack immer nach Osten"): the month table three ways side by
// side, the monthly losses as bars, and one error input swept over a range. It computes on a
// thread of its own with a progress bar and a cancel button; the window stays responsive.
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"

#include <QDialog>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class QBarSet;
class QChart;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

class TFormJahresverschattung : public QDialog {
    Q_OBJECT
public:
    explicit TFormJahresverschattung(QWidget* parent = nullptr);
    ~TFormJahresverschattung() override; // cancels and waits for a running study

    // The main window's inputs of its last calculation.
    void Berechnet(const RechenlaufEingabe& e, bool anschlaege);

    // Starts the study (Rechnen) or the sweep (Variieren) of the current inputs.
    void Rechne();
    void Variiere();
    bool Laeuft() const { return thread_.joinable() && !fertig_; }
    // The month table as CSV, in the columns of heliowendler-calc --jahresstudie.
    QString Csv() const;
    const jahresstudie::Ergebnis& Ergebnis() const { return ergebnis_; }
    QString VariationCsv() const;

signals:
    void fertig(); // a study or sweep ended (also when cancelled)

private:
    void Baue();
    void Warte();
    // The thread's start: the state reset, the progress bar to schritte, the buttons.
    void Beginne(int schritte);
    void Zeige();
    void ZeigeVariation();
    void Ende();

    RechenlaufEingabe eingabe_;
    jahresstudie::Ergebnis ergebnis_;
    std::vector<std::pair<double, jahresstudie::Summe>> variation_;
    QString variationsGroesse_; // the swept input's caption, for the chart's axis
    std::thread thread_;
    std::atomic<bool> abbruch_{false}, fertig_{true};
    std::atomic<int> tage_{0}; // days (study) or values (sweep) done

    QSpinBox* Schritt = nullptr;
    QPushButton *Start = nullptr, *Abbrechen = nullptr, *Variieren = nullptr, *Sichern = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QTableWidget* Tabelle = nullptr;
    QTableWidget* Variationstabelle = nullptr;
    QComboBox* Groesse = nullptr;
    QLineEdit *Von = nullptr, *Bis = nullptr, *Weite = nullptr;
    QChart *Balken = nullptr, *Kurve = nullptr;
    QTabWidget* Seiten = nullptr; // "Monate", "Empfindlichkeit"
    QLabel* Extreme = nullptr;
};
