#pragma once
// "Ansicht" > "Jahresverschattung": the year study of the main window's inputs (its year,
// site, geometry, errors, "Backtrack immer nach Osten"): the month table three ways side by
// side, the monthly losses and partly shaded hours as bars, and one error input swept over a
// range. It computes on a thread of its own with a progress bar and a cancel button; the
// window stays responsive, and while nothing runs no timer of it runs either.
//
// With a weather file ("Wetterdatei…") the study and the sweep run on the file's rows at the
// file's site (wetterjahr), with the diffuse light, the sky the rows hide and the bypass-diode
// blocks; without one (clear sky) everything is as before. The file is read on the GUI thread
// under a busy cursor: a one-minute year takes well under a second.
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"
#include "geometry/wetterjahr.h"
#include "wetter/wetterdatei.h"

#include <QDialog>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QChart;
class QComboBox;
class QDoubleSpinBox;
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
    // Reads the weather file at pfad with the window's zeitversatz and takes it for the
    // following studies; a refused file is said and changes nothing. True when taken.
    bool WaehleWetterdatei(const QString& pfad);
    // Back to the clear sky.
    void KlarerHimmel();
    std::shared_ptr<const wetter::Datei> Wetterdatei() const { return datei_; }
    wetterjahr::Optionen WetterOptionen() const;

    // The month table and the extremes as heliowendler-calc --jahresstudie prints them, and
    // the sweep as --variiere prints it (with a weather file: as --jahresstudie --wetter and
    // --variiere --wetter print them); empty before the first study or sweep.
    QString Csv() const;
    QString VariationCsv() const;
    const jahresstudie::Ergebnis& Ergebnis() const { return studie_ ? studie_->ergebnis : leer_; }
    const std::optional<wetterjahr::Ergebnis>& WetterErgebnis() const { return wetterStudie_; }
    // Writes what has been computed under basis: the study as .csv, .png, .svg, the sweep as
    // _variation.csv, .png, .svg. The message of the first file that failed, else empty.
    QString Speichere(const QString& basis);

signals:
    void fertig(); // a study or sweep ended (also when cancelled)
    // The weather file or its options changed (nullptr: the clear sky).
    void wetterGewaehlt(std::shared_ptr<const wetter::Datei> datei, wetterjahr::Optionen optionen);
    // "Ort der Datei übernehmen": the file's site in the main window's convention (longitude
    // west positive).
    void ortUebernehmen(double phi, double lamWestPositiv);

private slots:
    // On the GUI thread, once a worker has finished: joins it and runs what it handed over.
    void Abschliessen();

private:
    struct Studie {
        jahresstudie::Ergebnis ergebnis;
        int jahr = 0;
    };
    struct Variation {
        std::vector<double> werte;
        std::vector<jahresstudie::Summe> summen;      // clear sky
        std::vector<wetterjahr::Summe> wetterSummen;  // on a weather file
        std::optional<wetterjahr::Optionen> optionen; // set: on a weather file
        int groesse = 0;                              // index into variation::Groessen
    };

    void Baue();
    QWidget* BaueWetterseite();
    void ZeigeWetterdatei();
    void ZeigeOrt();
    void OptionenGeaendert();
    void Zeitversatz();
    std::optional<wetter::Datei> Lies(const QString& pfad, double zeitversatz);
    void ZeigeWetter();
    // The month charts: per way (with, without errors, without backtracking) and month.
    using Monatswerte = std::array<std::array<double, 12>, 3>;
    void ZeigeBalken(const Monatswerte& verlust, const Monatswerte& teilverschattet);
    void Warte();
    // The thread's start: the state reset, the progress bar to schritte, the buttons, the
    // progress timer.
    void Beginne(int schritte);
    void Ende();
    void Zeige();
    void ZeigeVariation();
    void Speichern();

    RechenlaufEingabe eingabe_;
    std::shared_ptr<const wetter::Datei> datei_;
    QString pfad_; // of datei_
    std::optional<Studie> studie_;
    std::optional<wetterjahr::Ergebnis> wetterStudie_; // the last study, on a weather file
    std::optional<Variation> variation_;
    const jahresstudie::Ergebnis leer_{};
    std::thread thread_;
    // A worker's last act: what the GUI thread does with its result, then fertig_ and the
    // queued call of Abschliessen.
    void Liefere(std::function<void()> abschluss);
    std::function<void()> abschluss_; // written by the worker before fertig_, read after it
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
    QLabel *Extreme = nullptr, *Erklaerung = nullptr;
    QString KlarErklaerung; // the table's explanation under the clear sky
    QLabel *Gewinn = nullptr, *Quelle = nullptr, *Dateiangaben = nullptr, *Orte = nullptr;
    QPushButton *Waehlen = nullptr, *Klar = nullptr, *Uebernehmen = nullptr;
    QDoubleSpinBox *Versatz = nullptr, *Albedo = nullptr;
    QComboBox* Himmel = nullptr;
    QSpinBox *Uebereinander = nullptr, *Nebeneinander = nullptr;
    QTableWidget* Wettertabelle = nullptr; // the month table on a weather file
};
