#include "model/NumericFieldReader.h"

#include <cctype>
#include <charconv>
#include <cmath>

bool CNumericFieldReader::AtEnd() {
    while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
        ++m_pos;
    return m_pos >= m_text.size();
}

const char* CNumericFieldReader::NumberStart() {
    std::size_t start = m_pos;
    // from_chars takes a minus sign but not a plus sign; "+-1" is no number for the C
    // scanner either.
    if (m_text[start] == '+' && start + 1 < m_text.size() && m_text[start + 1] != '-') ++start;
    return m_text.data() + start;
}

std::optional<int> CNumericFieldReader::ReadInt() {
    if (AtEnd()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(NumberStart(), m_text.data() + m_text.size(), value);
    if (error != std::errc{}) return std::nullopt;
    m_pos = static_cast<std::size_t>(end - m_text.data());
    return value;
}

std::optional<float> CNumericFieldReader::ReadFloat() {
    if (AtEnd()) return std::nullopt;
    float value = 0;
    const auto [end, error] = std::from_chars(NumberStart(), m_text.data() + m_text.size(), value);
    if (error != std::errc{} || !std::isfinite(value)) return std::nullopt;
    m_pos = static_cast<std::size_t>(end - m_text.data());
    return value;
}
