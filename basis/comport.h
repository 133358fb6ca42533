#pragma once
// The COM port numbers the application knows: "COM1" to "COM999999", as the settings file's
// section "Ports" may name them and as "[COMs] Sender1" keeps the chosen one (its number plus
// one). One bound for both, so a port chosen from the list is still chosen at the next start.
namespace comport {

inline constexpr int HoechsteNummer = 999999;

} // namespace comport
