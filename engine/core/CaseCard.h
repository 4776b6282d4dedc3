#pragma once

#include <cstddef>

// One record of the power flow case file, read by fixed columns (1-based, inclusive)
// as the IEEE common data format prescribes:
//  - a card shorter than its layout reads as if padded with blanks, so missing
//    trailing fields are zero;
//  - blanks inside a numeric field are ignored and an all-blank field is zero;
//  - an integer field is an optionally signed digit string;
//  - a real field of width w with d implied decimals takes a value with a decimal
//    point as written and scales a digit string without one by 10^-d.
// Anything else in a numeric field (letters, a second sign, an exponent, a tab) makes
// the read fail, so the reader can report the card instead of guessing a value.
namespace tarvex::engine {

class CaseCard {
public:
    // Columns beyond this are never used by any card layout and are dropped.
    static constexpr int kColumns = 160;

    void assign(const char* text, std::size_t length, int line);

    // Character in a 1-based column; a blank beyond the end of the card.
    char at(int column) const;
    bool startsWith(const char* prefix) const;
    bool readInt(int first, int last, int& value) const;
    bool readReal(int first, int last, int decimals, double& value) const;
    // Copies columns first..last (blank-padded) into out and terminates it.
    void copyText(int first, int last, char* out) const;

    int line() const { return m_line; }
    int length() const { return m_length; }

private:
    // The field's characters without blanks; false when longer than the buffer.
    int squeeze(int first, int last, char* out, int capacity) const;

    char m_text[kColumns] = {};
    int m_length = 0;
    int m_line = 0;
};

} // namespace tarvex::engine
