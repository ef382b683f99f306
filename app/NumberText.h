// Numbers in text, read as the C library's atoi and atof read them but whatever the locale:
// leading blanks, an optional sign, then as many characters as make a number ("1e2", ".5").
// One reading serves the settings file, where anything else reads as 0, and what the user
// types for the device, where text that is not a number is refused instead of sent as 0.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

// The leading number of `text` (0 when there is none; an integer beyond the range of long
// long is clamped as strtoll does). `whole` tells whether nothing but blanks follows it.
long long ReadCInteger(std::string_view text, bool* whole = nullptr);
double ReadCReal(std::string_view text, bool* whole = nullptr);

// A typed number: nullopt when the text is not a number at all (empty, letters, "1,5",
// "12abc", "inf"); blanks around it are fine. TypedFloat also refuses what a single-precision
// float cannot hold.
std::optional<double> TypedReal(const QString& text);
std::optional<float> TypedFloat(const QString& text);
std::optional<long long> TypedInteger(const QString& text);
