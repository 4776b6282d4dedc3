#include "engine/placement/PlacementText.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace tarvex::engine::placement {

namespace {
// Copies columns first..last into field, trimmed of blanks; columns past the end of the
// line are blank.
void column(const char* line, int first, int last, char (&field)[kLineLength]) {
    const int length = static_cast<int>(std::strlen(line));
    int n = 0;
    for (int c = first; c <= last && c <= length && n < kLineLength - 1; ++c) {
        const char ch = line[c - 1];
        if (ch != ' ' && ch != '\t' && ch != '\r') field[n++] = ch;
    }
    field[n] = '\0';
}
} // namespace

bool readLine(std::FILE* file, char (&line)[kLineLength]) {
    int n = 0;
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (n < kLineLength - 1) line[n++] = static_cast<char>(c);
    }
    line[n] = '\0';
    if (n > 0 && line[n - 1] == '\r') line[n - 1] = '\0';
    return any;
}

bool fixedInteger(const char* line, int first, int last, int& value) {
    char field[kLineLength];
    column(line, first, last, field);
    if (field[0] == '\0') {
        value = 0;
        return true;
    }
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(field, &end, 10);
    if (*end != '\0' || errno != 0 || v < -1000000 || v > 1000000) return false;
    value = static_cast<int>(v);
    return true;
}

bool fixedReal(const char* line, int first, int last, int decimals, double& value) {
    char field[kLineLength];
    column(line, first, last, field);
    if (field[0] == '\0') {
        value = 0.0;
        return true;
    }
    char* end = nullptr;
    const double v = std::strtod(field, &end);
    if (*end != '\0' || !std::isfinite(v)) return false;
    value = std::strchr(field, '.') ? v : v * std::pow(10.0, -decimals);
    return true;
}

bool freeInteger(std::FILE* file, int& value) {
    int c = 0;
    while ((c = std::fgetc(file)) != EOF &&
           (c == ' ' || c == ',' || c == '\n' || c == '\r' || c == '\t')) {
    }
    if (c == EOF) return false;
    char item[32];
    int n = 0;
    while (c != EOF && c != ' ' && c != ',' && c != '\n' && c != '\r' && c != '\t') {
        if (n < 31) item[n++] = static_cast<char>(c);
        c = std::fgetc(file);
    }
    item[n] = '\0';
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(item, &end, 10);
    if (*end != '\0' || errno != 0 || v < -1000000000L || v > 1000000000L) return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace tarvex::engine::placement
