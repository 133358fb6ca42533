#pragma once
// The decimal separator for one test or one scope: the one before is restored at its end, so
// no suite leaves its separator to the next.
#include "basis/zahltext.h"

class MitTrenner {
public:
    explicit MitTrenner(QChar trenner) : alt_(zahltext::Dezimaltrenner()) {
        zahltext::SetzeDezimaltrenner(trenner);
    }
    ~MitTrenner() { zahltext::SetzeDezimaltrenner(alt_); }
    MitTrenner(const MitTrenner&) = delete;
    MitTrenner& operator=(const MitTrenner&) = delete;

private:
    QChar alt_;
};
