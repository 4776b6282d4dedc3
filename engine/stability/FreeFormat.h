#pragma once

#include "engine/core/CaseCard.h"
#include "engine/core/CaseFile.h"

// Free-format reading of the transient program's input records: numbers separated by
// blanks or commas. A read starts on a new record, takes as many values as it asks for,
// ignores the rest of the record and continues on the next record when one holds fewer.
namespace tarvex::engine::stability {

class FreeFormatReader {
public:
    explicit FreeFormatReader(CaseFile& file) : m_file(file) {}

    // Reads the next record; false at the end of the file.
    bool next(CaseCard& card) { return m_file.next(card); }
    // Reads count reals starting on a new record. False when the file ends first or a
    // field is not a number.
    bool reals(double* values, int count);
    // One integer on a new record (a real such as "1.0" is not an integer).
    bool integer(int& value);

private:
    CaseFile& m_file;
};

// The numbers of one record: returns how many
// of `count` were read into values, -1 when a field is not a number.
int parseReals(const char* text, double* values, int count);
bool parseInteger(const char* text, int& value);

} // namespace tarvex::engine::stability
