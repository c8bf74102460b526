#pragma once

#include <QString>

/// The numbers a spoken task may name.
inline constexpr int kMinSpokenNumber = 0;
inline constexpr int kMaxSpokenNumber = 999;

/// The Italian words for `n` ("ventitré", "centottanta", "novecentonovantanove"), from ICU's
/// Italian spell-out rules, without the soft hyphens those rules put between the parts. An
/// empty string when `n` lies outside kMinSpokenNumber..kMaxSpokenNumber or ICU cannot spell
/// it. Safe to call from any thread.
QString numberWords(int n);

/// The other words of a spoken task: "7 più 3", "12 meno 2", "fa 10".
enum class TaskWord { Piu, Meno, Fa };

/// The Italian word for `word`: "più", "meno", "fa".
QString taskWord(TaskWord word);
