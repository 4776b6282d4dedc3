#include "engine/core/CaseFile.h"

namespace tarvex::engine {

bool CaseFile::open(const char* name) {
    close();
    m_file = std::fopen(name, "rb");
    m_line = 0;
    return m_file != nullptr;
}

void CaseFile::close() {
    if (m_file != nullptr) std::fclose(m_file);
    m_file = nullptr;
}

bool CaseFile::next(CaseCard& card) {
    if (m_file == nullptr) return false;
    char text[CaseCard::kColumns + 1];
    std::size_t length = 0;
    bool any = false;
    int c;
    while ((c = std::fgetc(m_file)) != EOF) {
        any = true;
        if (c == '\n') break;
        // One spare byte keeps a carriage return just past the last kept column, so it
        // can be told apart from card text below.
        if (length < sizeof text) text[length++] = static_cast<char>(c);
    }
    if (!any) return false;
    if (length > 0 && text[length - 1] == '\r') --length;
    ++m_line;
    card.assign(text, length, m_line);
    return true;
}

} // namespace tarvex::engine
