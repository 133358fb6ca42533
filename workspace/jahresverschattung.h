#pragma once
// "Ansicht" > "Jahresverschattung": the year study of the main window's inputs (its year,
// site, geometry, errors, "Backtrack immer nach Osten"): the month table three ways side by
// side, the monthly losses and partly shaded hours as bars, and one error input swept over a
// range. It computes on a thread of its own with a progress bar and a cancel button; the
// window stays responsive, and while nothing runs no timer of it runs either.
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"

#include <QDialog>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

class QChart;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTimer;

class TFormJahresverschattung : public QDialog {
    Q_OBJECT
public:
    explicit TFormJahresverschattung(QWidget* parent = nullptr);
    ~TFormJahresverschattung() override; // cancels and waits for a running study

    // The main window's inputs of its last calculation.
    void Berechnet(const RechenlaufEingabe& e, bool anschlaege);

    // Starts the study (Rechnen) or the sweep (Variieren) of the current inputs. A sweep whose
    // values cannot be formed is refused with a message before anything starts.
    void Rechne();
    void Variiere();
    bool Laeuft() const { return thread_.joinable() && !fertig_; }
    // The month table and the extremes as heliowendler-calc --jahresstudie prints them, and
    // the sweep as --variiere prints it; empty before the first study or sweep.
    QString Csv() const;
    QString VariationCsv() const;
    const jahresstudie::Ergebnis& Ergebnis() const { return studie_ ? studie_->ergebnis : leer_; }
    // Writes what has been computed under basis: the study as .csv, .png, .svg, the sweep as
    // _variation.csv, .png, .svg. The message of the first file that failed, else empty.
    QString Speichere(const QString& basis);

signals:
    void fertig(); // a study or sweep ended (also when cancelled)

private:
    struct Studie {
        jahresstudie::Ergebnis ergebnis;
        int jahr = 0;
    };
    struct Variation {
        std::vector<double> werte;
        std::vector<jahresstudie::Summe> summen;
        int groesse = 0; // index into variation::Groessen
    };

    void Baue();
    void Warte();
    // The thread's start: the state reset, the progress bar to schritte, the buttons, the
    // progress timer.
    void Beginne(int schritte);
    void Ende();
    void Zeige();
    void ZeigeVariation();
    void Speichern();

    RechenlaufEingabe eingabe_;
    std::optional<Studie> studie_;
    std::optional<Variation> variation_;
    const jahresstudie::Ergebnis leer_{};
    std::thread thread_;
    std::atomic<bool> abbruch_{false}, fertig_{true};
    std::atomic<int> tage_{0}; // days (study) or values (sweep) done

    QSpinBox* Schritt = nullptr;
    QPushButton *Start = nullptr, *Abbrechen = nullptr, *Variieren = nullptr, *Sichern = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QTimer* Uhr = nullptr; // the progress bar's, only while a study or sweep runs
    QTableWidget *Tabelle = nullptr, *Variationstabelle = nullptr;
    QComboBox* Groesse = nullptr;
    QLineEdit *Von = nullptr, *Bis = nullptr, *Weite = nullptr;
    QChart *Balken = nullptr, *Stunden = nullptr, *Kurve = nullptr;
    QWidget* Monatsbilder = nullptr; // both month charts, saved as one picture
    QTabWidget* Seiten = nullptr;    // "Monate", "Empfindlichkeit"
    QLabel* Extreme = nullptr;
};
