#pragma once
// The simulation inputs as a value: texts of the main window's input edits, each with the
// field it belongs to, in the order they are to be written. The order matters: every write
// fires the edit's change handling, which recalculates, and "SET Sim Daten" and the
// simulation file write their own subsets in their own orders.
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

// The input edits, named after them without "Edit" (EditJahr: Jahr).
enum class SimFeld {
    Jahr,
    Monat,
    Tag,
    Stunde,
    Minute,
    Phi,
    Lam,
    ModulH,
    ModulL,
    ModulA,
    ModulN,
    Scale,
    Intervall,
    EndlageStart,
    EndlageStop,
    Modulpos,
    ModulHErr,
    ModulAErr,
    ModulNErr,
    EndlageStartErr,
};
inline constexpr int SimFeldAnzahl = static_cast<int>(SimFeld::EndlageStartErr) + 1;

class SimEingaben {
public:
    struct Eintrag {
        SimFeld feld;
        QString text;
        friend bool operator==(const Eintrag&, const Eintrag&) = default;
    };

    SimEingaben() = default;
    // In this order; a field named twice keeps its first place and its last text.
    SimEingaben(std::initializer_list<Eintrag> eintraege);

    // A field's text: in its place when the field is there, else at the end.
    void Setze(SimFeld feld, const QString& text);
    // The text of a field, if it is there.
    std::optional<QString> Text(SimFeld feld) const;
    const std::vector<Eintrag>& Eintraege() const { return eintraege_; }

    friend bool operator==(const SimEingaben&, const SimEingaben&) = default;

private:
    std::vector<Eintrag> eintraege_;
};
