#pragma once

#include <QString>

// Re-cases names and publishers read from disk in all lower case or with underscores; names
// with deliberate mixed case ("FabFilter") are left alone.
[[nodiscard]] QString displayCase(const QString& text);
// Each word through titleCaseToken, joined with single blanks.
[[nodiscard]] QString titleCaseWords(const QString& text);
// Acronyms and model numbers upper-case ("SSL", "LA2A", "76LN"), other words capitalised.
[[nodiscard]] QString titleCaseToken(const QString& word);
