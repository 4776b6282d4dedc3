#include "engine/core/Record.h"

#include <cstdio>
#include <cstring>

namespace tarvex::engine {

void Record::put(char c) {
    if (m_length < kCapacity) m_text[m_length++] = c;
    m_text[m_length] = '\0';
}

Record& Record::text(const char* s) {
    return text(s, std::strlen(s));
}

Record& Record::text(const char* s, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) put(s[i]);
    return *this;
}

Record& Record::blanks(int count) {
    for (int i = 0; i < count; ++i) put(' ');
    return *this;
}

void Record::field(const char* formatted, int width) {
    const int length = static_cast<int>(std::strlen(formatted));
    if (length > width) {
        for (int i = 0; i < width; ++i) put('*');
        return;
    }
    blanks(width - length);
    text(formatted);
}

Record& Record::integer(long long value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld", value);
    field(buffer, width);
    return *this;
}

Record& Record::number(long long value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld", value);
    return text(buffer);
}

Record& Record::real(double value, int width, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    field(buffer, width);
    return *this;
}

void Record::separator() {
    put(' ');
}

Record& Record::item(const char* s) {
    separator();
    return text(s);
}

Record& Record::item(long long value) {
    separator();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld", value);
    return text(buffer);
}

Record& Record::item(double value) {
    separator();
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.9G", value);
    return text(buffer);
}

} // namespace tarvex::engine
