#pragma once

#include <QString>

/// The numbers a spoken task may name.
inline constexpr int kMinSpokenNumber = 0;
inline constexpr int kMaxSpokenNumber = 999;

/// The words for `n` in `language`, a BCP 47 tag ("ro": "treizeci şi şapte"), or in Italian
/// when it is empty ("ventitré", "centottanta", "novecentonovantanove"): from ICU's spell-out
/// rules of that language, without the soft hyphens those rules put between the parts. An
/// empty string when `n` lies outside kMinSpokenNumber..kMaxSpokenNumber or ICU has no rules
/// of that language (it would spell in another). Safe to call from any thread.
QString numberWords(int n, const QString& language = {});

/// The other words of a spoken task: "7 più 3", "12 meno 2", "fa 10".
enum class TaskWord { Piu, Meno, Fa };

/// The Italian word for `word`: "più", "meno", "fa".
QString taskWord(TaskWord word);
