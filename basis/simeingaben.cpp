#include "basis/simeingaben.h"

#include <algorithm>

SimEingaben::SimEingaben(std::initializer_list<Eintrag> eintraege) {
    for (const Eintrag& e : eintraege)
        Setze(e.feld, e.text);
}

void SimEingaben::Setze(SimFeld feld, const QString& text) {
    const auto da = std::find_if(eintraege_.begin(), eintraege_.end(),
                                 [feld](const Eintrag& e) { return e.feld == feld; });
    if (da != eintraege_.end())
        da->text = text;
    else
        eintraege_.push_back({feld, text});
}

std::optional<QString> SimEingaben::Text(SimFeld feld) const {
    for (const Eintrag& e : eintraege_)
        if (e.feld == feld) return e.text;
    return std::nullopt;
}
