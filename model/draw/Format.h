#pragma once

#include <string>

// printf-style formatting into a string, for the label and status texts whose formats
// are part of the program's look ("%.3f", "B%d to B%d: ..."). The compiler checks the
// arguments against the format.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
