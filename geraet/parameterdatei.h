#pragma once
// The controller's parameter set as a text a person can read and edit: one key per field, in
// the units of the parametrization window, with a point as the decimal separator.
//
//   [Parameter]
//   ; Breitengrad in °, Osten negativ
//   Breitengrad=51.53
//   ...
//
// Written and read back, a set gives the same 36 bytes that "SET Parameter" carries. The
// interval is written in whole minutes, as the window shows it, and in tenths of a second
// (TrackintervallZehntelsekunden) when it is no whole number of minutes. Rest (bytes 36 ... 39,
// not part of "SET Parameter") is written as hexadecimal for the record and not sent.
#include "geraet/messages.h"

#include <QString>

namespace parameterdatei {

// The text for p; each line of kopf becomes a comment line at the top.
QString Schreibe(const messages::TrackerParameter& p, const QString& kopf = {});

// Reads a text written by Schreibe (edited or not). Every value is converted and checked by
// the window's rules; a failure throws BenutzerFehler naming the line and the key, with the
// window's message for a number that does not convert. Rest keeps what the text says.
messages::TrackerParameter Lies(const QString& text);

} // namespace parameterdatei
