#include "engine/core/CaseCard.h"

#include <cstdlib>
#include <cstring>

namespace tarvex::engine {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void CaseCard::assign(const char* text, std::size_t length, int line) {
    m_length = length < static_cast<std::size_t>(kColumns) ? static_cast<int>(length) : kColumns;
    std::memcpy(m_text, text, static_cast<std::size_t>(m_length));
    m_line = line;
}

char CaseCard::at(int column) const {
    if (column < 1 || column > m_length) return ' ';
    return m_text[column - 1];
}

bool CaseCard::startsWith(const char* prefix) const {
    for (int i = 0; prefix[i] != '\0'; ++i) {
        if (at(i + 1) != prefix[i]) return false;
    }
    return true;
}

void CaseCard::copyText(int first, int last, char* out) const {
    int n = 0;
    for (int column = first; column <= last; ++column) out[n++] = at(column);
    out[n] = '\0';
}

int CaseCard::squeeze(int first, int last, char* out, int capacity) const {
    int n = 0;
    for (int column = first; column <= last; ++column) {
        const char c = at(column);
        if (c == ' ') continue;
        if (n >= capacity - 1) return -1;
        out[n++] = c;
    }
    out[n] = '\0';
    return n;
}

bool CaseCard::readInt(int first, int last, int& value) const {
    char digits[16];
    const int n = squeeze(first, last, digits, sizeof digits);
    if (n < 0) return false;
    value = 0;
    if (n == 0) return true;
    int i = 0;
    bool negative = false;
    if (digits[0] == '+' || digits[0] == '-') {
        negative = digits[0] == '-';
        i = 1;
    }
    if (i == n || n - i > 9) return false; // a sign alone, or more digits than an int holds
    long long result = 0;
    for (; i < n; ++i) {
        if (!isDigit(digits[i])) return false;
        result = result * 10 + (digits[i] - '0');
    }
    value = static_cast<int>(negative ? -result : result);
    return true;
}

bool CaseCard::readReal(int first, int last, int decimals, double& value) const {
    char squeezed[40];
    const int n = squeeze(first, last, squeezed, sizeof squeezed);
    if (n < 0) return false;
    value = 0.0;
    if (n == 0) return true;

    // Rebuild the number as text for strtod (exact rounding), inserting the implied
    // decimal point when the field carries none.
    char number[64];
    int length = 0;
    int i = 0;
    if (squeezed[0] == '+' || squeezed[0] == '-') number[length++] = squeezed[i++];
    int digitCount = 0;
    int pointAt = -1;
    const int start = i;
    for (; i < n; ++i) {
        if (isDigit(squeezed[i])) {
            ++digitCount;
        } else if (squeezed[i] == '.' && pointAt < 0) {
            pointAt = i;
        } else {
            return false;
        }
    }
    if (digitCount == 0) return false;
    if (pointAt >= 0) {
        for (int k = start; k < n; ++k) number[length++] = squeezed[k];
    } else {
        // Digits d1..dn with d implied decimals: "0." padding when n <= d.
        const int whole = digitCount - decimals;
        if (whole <= 0) {
            number[length++] = '0';
            number[length++] = '.';
            for (int k = 0; k < -whole; ++k) number[length++] = '0';
            for (int k = start; k < n; ++k) number[length++] = squeezed[k];
        } else {
            for (int k = 0; k < digitCount; ++k) {
                if (k == whole) number[length++] = '.';
                number[length++] = squeezed[start + k];
            }
        }
    }
    number[length] = '\0';
    value = std::strtod(number, nullptr);
    return true;
}

} // namespace tarvex::engine
