#pragma once

#include <cstdio>

// Items of a free-format input file: separated by blanks, tabs, commas or line ends.
// Reals accept Fortran exponents ("1.0D-03"); an integer item may be written as a real
// and is then truncated. Every read refuses a missing, malformed or non-finite item.
namespace tarvex::engine {

class FreeFormatReader {
public:
    explicit FreeFormatReader(const char* fileName);
    ~FreeFormatReader();
    FreeFormatReader(const FreeFormatReader&) = delete;
    FreeFormatReader& operator=(const FreeFormatReader&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    bool readReal(double& value);
    // An integer within +-1e9, truncated from a real item.
    bool readInt(int& value);
    // Skips the rest of the current line.
    void skipLine();

private:
    bool nextItem(char* token, int capacity);

    std::FILE* m_file = nullptr;
};

} // namespace tarvex::engine
