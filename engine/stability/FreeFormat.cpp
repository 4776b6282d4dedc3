#include "engine/stability/FreeFormat.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace tarvex::engine::stability {

namespace {

bool separator(char c) {
    return c == ' ' || c == ',' || c == '\t' || c == '\r';
}

void cardText(const CaseCard& card, char* out) {
    card.copyText(1, card.length() > 0 ? card.length() : 1, out);
}

} // namespace

int parseReals(const char* text, double* values, int count) {
    int n = 0;
    const char* p = text;
    while (n < count) {
        while (*p != '\0' && separator(*p)) ++p;
        if (*p == '\0') break;
        char* end = nullptr;
        errno = 0;
        const double v = std::strtod(p, &end);
        if (end == p || (*end != '\0' && !separator(*end)) || !std::isfinite(v)) return -1;
        values[n++] = v;
        p = end;
    }
    return n;
}

bool parseInteger(const char* text, int& value) {
    const char* p = text;
    while (*p != '\0' && separator(*p)) ++p;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(p, &end, 10);
    if (end == p || (*end != '\0' && !separator(*end)) || errno != 0 || v > 1000000000L ||
        v < -1000000000L)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool FreeFormatReader::reals(double* values, int count) {
    int have = 0;
    CaseCard card;
    char text[CaseCard::kColumns + 1];
    while (have < count) {
        if (!m_file.next(card)) return false;
        cardText(card, text);
        const int n = parseReals(text, values + have, count - have);
        if (n < 0) return false;
        have += n;
    }
    return true;
}

bool FreeFormatReader::integer(int& value) {
    CaseCard card;
    char text[CaseCard::kColumns + 1];
    // Blank records are passed over as a free-format read would.
    for (;;) {
        if (!m_file.next(card)) return false;
        cardText(card, text);
        const char* p = text;
        while (*p != '\0' && separator(*p)) ++p;
        if (*p != '\0') return parseInteger(text, value);
    }
}

} // namespace tarvex::engine::stability
