#pragma once
// The notes a firmware transfer gives when the bootloader's reply is overdue: the same in the
// firmware window's monitor and in the service tool.
#include <QString>

namespace bootloaderhinweise {

// The port was lost while a reply was awaited.
QString PortVerloren();
// The erase got no reply: most likely no bootloader runs, or the port is the wrong one.
QString LoeschenOhneAntwort();

} // namespace bootloaderhinweise
