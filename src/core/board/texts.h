#pragma once

#include <QString>

/// The program's fixed texts shared by several windows.
namespace texts {

inline constexpr auto kTitle = u"Uso delle quadene dei numeri";
inline constexpr auto kExitProgram = u"Vuoi uscire dal programma?";
inline constexpr auto kBackToMenu = u"Vuoi tornare al menù?";
inline constexpr auto kRefused = u"Scelta non accettabile";
inline constexpr auto kMaximumPrompt = u"Scrivi un numero da 20 a 99";
/// What the two counters show before the board's set-up has written them.
inline constexpr auto kEsattiUnset = u"quantiesatti";
inline constexpr auto kErratiUnset = u"quantierrati";

/// The four lines of the information box, separated by CR LF: author, a rule of 23
/// hyphens, web address, mail address.
QString information();

} // namespace texts
