#include "engine/estimation/FreeFormatText.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace tarvex::engine {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r';
}

} // namespace

void FreeFormatText::nextRecord() {
    if (!m_started) return;
    while (m_pos < m_size && m_text[m_pos] != '\n') ++m_pos;
    if (m_pos < m_size) {
        ++m_pos;
        ++m_line;
    }
}

bool FreeFormatText::item(const char*& start, std::size_t& length) {
    m_started = true;
    for (;;) {
        while (m_pos < m_size && isSeparator(m_text[m_pos])) ++m_pos;
        if (m_pos >= m_size) return false;
        if (m_text[m_pos] != '\n') break;
        ++m_pos;
        ++m_line;
    }
    const std::size_t first = m_pos;
    while (m_pos < m_size && !isSeparator(m_text[m_pos]) && m_text[m_pos] != '\n') ++m_pos;
    start = m_text + first;
    length = m_pos - first;
    m_itemLine = m_line;
    return true;
}

bool FreeFormatText::atEnd() {
    std::size_t p = m_pos;
    while (p < m_size && (isSeparator(m_text[p]) || m_text[p] == '\n')) ++p;
    return p >= m_size;
}

bool FreeFormatText::readInt(int& value) {
    const char* start = nullptr;
    std::size_t length = 0;
    m_endReached = !item(start, length);
    if (m_endReached || length > 15) return false;
    char token[16];
    for (std::size_t i = 0; i < length; ++i) token[i] = start[i];
    token[length] = '\0';
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(token, &end, 10);
    if (end == token || *end != '\0' || errno != 0 || v < -1000000000L || v > 1000000000L) {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

bool FreeFormatText::readReal(double& value) {
    const char* start = nullptr;
    std::size_t length = 0;
    m_endReached = !item(start, length);
    if (m_endReached || length > 63) return false;
    char token[64];
    for (std::size_t i = 0; i < length; ++i) {
        // Fortran-style exponents ("1.0D-03") read like C ones.
        token[i] = start[i] == 'd' || start[i] == 'D' ? 'E' : start[i];
    }
    token[length] = '\0';
    char* end = nullptr;
    value = std::strtod(token, &end);
    return end != token && *end == '\0' && std::isfinite(value);
}

} // namespace tarvex::engine
