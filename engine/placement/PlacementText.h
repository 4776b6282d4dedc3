#pragma once

#include <cstdio>

// Small text helpers of the placement's readers: whole lines of a text file, fixed-column
// fields and free-format integers.
namespace tarvex::engine::placement {

inline constexpr int kLineLength = 256;

// Reads one line without its line end; false at the end of the file. A longer line is
// cut and the rest skipped.
bool readLine(std::FILE* file, char (&line)[kLineLength]);
// The integer in columns first..last (1-based); blank reads as 0. False when the field
// holds anything but an optional sign and digits.
bool fixedInteger(const char* line, int first, int last, int& value);
// The real in columns first..last with implied decimals: a field without a decimal point
// is scaled by 10^-decimals; blank reads as 0.
bool fixedReal(const char* line, int first, int last, int decimals, double& value);
// The next free-format integer (items separated by blanks, commas or line ends); false
// at the end of the file or on an item that is not an integer.
bool freeInteger(std::FILE* file, int& value);

} // namespace tarvex::engine::placement
