#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reads the numbers of the editor's text files (tvx.ini, the codes of tvx.err, the
// engine's result files) the way the C scanner's %d and %f conversions do, independent
// of the locale: leading white space is skipped, then an optional sign and the longest
// number that fits. A real is read in single precision, as "%f" reads it; "nan", "inf"
// and values beyond single precision are not numbers here, and neither is an integer
// beyond int. A failed read leaves the position after the skipped white space.
class CNumericFieldReader {
public:
    explicit CNumericFieldReader(std::string_view text) : m_text(text) {}

    // Skips white space; true when nothing but white space is left.
    bool AtEnd();
    // True when the last read ran into the end of the text (nothing follows it, not even
    // a line end).
    bool ReachedEnd() const { return m_pos >= m_text.size(); }
    std::size_t Position() const { return m_pos; }
    void Rewind() { m_pos = 0; }

    std::optional<int> ReadInt();
    std::optional<float> ReadFloat();

private:
    // Start of the number at m_pos once white space and a lone plus sign are skipped.
    const char* NumberStart();

    std::string_view m_text;
    std::size_t m_pos = 0;
};
