#pragma once

#include <cstddef>

// Free-format reading of an engine input file held in memory: items are separated by
// blanks, tabs or commas, records by line feeds (a carriage return before a line feed
// is a separator too). A read either continues on the current record (a list spanning
// records) or starts on the next record, dropping what is left of the current one.
namespace tarvex::engine {

class FreeFormatText {
public:
    FreeFormatText(const char* text, std::size_t size) : m_text(text), m_size(size) {}

    // Drops the rest of the current record; the next item comes from the record after.
    // At the very start nothing is dropped.
    void nextRecord();
    // The next item, looking across record ends; false at the end of the text.
    bool item(const char*& start, std::size_t& length);
    bool readInt(int& value);
    bool readReal(double& value);
    // True when only separators and line ends remain.
    bool atEnd();
    // 1-based record (line) of the last item read.
    int line() const { return m_itemLine; }
    // Why the last readInt / readReal failed.
    bool lastFailureWasEnd() const { return m_endReached; }

private:
    const char* m_text;
    std::size_t m_size;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_itemLine = 0;
    bool m_started = false;
    bool m_endReached = false;
};

} // namespace tarvex::engine
