#pragma once
// "Tracker" > "Protokollmonitor": the link's traffic as it happens, one line per frame, line or
// run of noise, as the service tool's --protokoll writes it. The record runs only while the
// window is shown; it keeps the newest GroessteZahl entries (the oldest go first), can be
// held, cleared, filtered by command, and saved in the record's format.
#include "seriallink/mitschnitt.h"

#include <QDialog>
#include <deque>
#include <mutex>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

class TFormProtokollmonitor : public QDialog {
    Q_OBJECT
public:
    // Entries kept and shown; older ones go first.
    static constexpr int GroessteZahl = 5000;
    // How often what came meanwhile is shown.
    static constexpr int Takt = 100; // ms

    explicit TFormProtokollmonitor(Mitschnitt& mitschnitt, QWidget* parent = nullptr);
    ~TFormProtokollmonitor() override;

    // The lines shown now.
    QStringList Zeilen() const;
    // Takes what came since the last tick (the timer's work; tests call it directly).
    void Abholen();

protected:
    void showEvent(QShowEvent* ev) override;
    void hideEvent(QHideEvent* ev) override;

private:
    void Baue();
    void Zeichne();
    bool Passt(const Mitschnitt::Eintrag& e) const;
    void Speichern();

    Mitschnitt& mitschnitt_;
    Mitschnitt::Uhr::time_point anfang_;
    int senke_ = 0; // this window's sink while it is shown
    // Filled on the link's threads, emptied by the timer. Bounded like the list.
    std::mutex m_;
    std::vector<Mitschnitt::Eintrag> wartend_;
    qint64 uebersprungen_ = 0;
    std::deque<Mitschnitt::Eintrag> eintraege_;
    qint64 weggefallen_ = 0; // entries that made room for newer ones or were skipped

    QPlainTextEdit* Liste = nullptr;
    QComboBox* Filter = nullptr;
    QPushButton *Anhalten = nullptr, *Leeren = nullptr, *Sichern = nullptr;
    QLabel* Zaehler = nullptr;
    QTimer* Uhr = nullptr;
};
