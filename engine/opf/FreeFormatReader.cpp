#include "engine/opf/FreeFormatReader.h"

#include <cmath>
#include <cstdlib>

namespace tarvex::engine {

namespace {
bool isSeparator(int c) {
    return c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r';
}
} // namespace

FreeFormatReader::FreeFormatReader(const char* fileName) : m_file(std::fopen(fileName, "rb")) {}

FreeFormatReader::~FreeFormatReader() {
    if (m_file != nullptr) std::fclose(m_file);
}

bool FreeFormatReader::nextItem(char* token, int capacity) {
    if (m_file == nullptr) return false;
    int c;
    do {
        c = std::fgetc(m_file);
    } while (isSeparator(c));
    if (c == EOF) return false;
    int n = 0;
    while (c != EOF && !isSeparator(c)) {
        if (n < capacity - 1) token[n++] = static_cast<char>(c);
        c = std::fgetc(m_file);
    }
    if (c == '\n') std::ungetc(c, m_file);
    token[n] = '\0';
    return true;
}

bool FreeFormatReader::readReal(double& value) {
    char token[64];
    if (!nextItem(token, sizeof token)) return false;
    for (char* p = token; *p != '\0'; ++p)
        if (*p == 'd' || *p == 'D') *p = 'E';
    char* end = nullptr;
    value = std::strtod(token, &end);
    return end != token && *end == '\0' && std::isfinite(value);
}

bool FreeFormatReader::readInt(int& value) {
    double real = 0.0;
    if (!readReal(real) || std::fabs(real) > 1.0e9) return false;
    value = static_cast<int>(real);
    return true;
}

void FreeFormatReader::skipLine() {
    if (m_file == nullptr) return;
    int c;
    do {
        c = std::fgetc(m_file);
    } while (c != EOF && c != '\n');
}

} // namespace tarvex::engine
