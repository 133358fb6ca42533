#pragma once
// The controller's parameter set as a text a person can read and edit: one key per field, in
// the units of the parametrization window, with a point as the decimal separator.
//
//   [Parameter]
//   ; Breitengrad in °
//   Breitengrad=51.53
//   ...
//
// The fields, their units, conversions and bounds are the window's (geraet/parameterfelder.h).
// Each value is written exactly as the controller holds it: a double as the shortest decimal
// number that reads back as that very double (a speed of 2.2365 °/s as 2236.5 thousandths),
// so a set written and read back gives the same 40 bytes. The interval is written in whole
// minutes, as the window shows it, and in tenths of a second (TrackintervallZehntelsekunden)
// when it is no whole number of minutes. Rest (bytes 36 ... 39, not part of "SET Parameter")
// is written as hexadecimal for the record and not sent.
//
// What the reader takes, the writer writes back as the same number: a value beyond the
// window's bounds, or one the field cannot hold exactly (more decimals than hundredths of a
// degree, more digits than a double keeps), is refused.
#include "geraet/messages.h"

#include <QString>

namespace parameterdatei {

// The text for p; each line of kopf becomes a comment line at the top.
QString Schreibe(const messages::TrackerParameter& p, const QString& kopf = {});

// Reads a text written by Schreibe (edited or not). Every value is converted and checked by
// the window's rules and against what its field holds; a failure throws BenutzerFehler naming
// the line and the key, with the window's message for a number that does not convert. A line
// with a control character is refused as a whole (its text shown escaped). Rest keeps what the
// text says.
messages::TrackerParameter Lies(const QString& text);

} // namespace parameterdatei
