#pragma once

#include "engine/core/CaseCard.h"

#include <cstdio>

// Sequential reader of the power flow case file: one card per line. Accepts LF and
// CRLF line ends (public copies of the IEEE cases are often stored with CRLF); a last
// line without a line feed still counts. Lines longer than a card are cut.
namespace tarvex::engine {

class CaseFile {
public:
    CaseFile() = default;
    ~CaseFile() { close(); }
    CaseFile(const CaseFile&) = delete;
    CaseFile& operator=(const CaseFile&) = delete;

    bool open(const char* name);
    void close();
    // Reads the next card; false at end of file (or on a read error).
    bool next(CaseCard& card);
    int line() const { return m_line; }

private:
    std::FILE* m_file = nullptr;
    int m_line = 0;
};

} // namespace tarvex::engine
