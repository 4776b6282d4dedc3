#include "examples/generator/SourceRecord.h"

#include "examples/generator/SourceError.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

// Splits a line into blank-separated words; a double-quoted stretch belongs to its word
// with the quotes removed. Returns false for an unterminated quote.
bool splitWords(std::string_view text, std::vector<std::string>& words, std::vector<bool>& quoted) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        if (i == text.size() || text[i] == '#') return true;
        std::string word;
        bool hadQuote = false;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) {
            if (text[i] == '#') break;
            if (text[i] == '"') {
                const std::size_t close = text.find('"', i + 1);
                if (close == std::string_view::npos) return false;
                word.append(text.substr(i + 1, close - i - 1));
                hadQuote = true;
                i = close + 1;
            } else {
                word += text[i++];
            }
        }
        words.push_back(std::move(word));
        quoted.push_back(hadQuote);
        if (i < text.size() && text[i] == '#') return true;
    }
    return true;
}

template <class T> bool parseWhole(std::string_view text, T& value) {
    if (text.empty()) return false;
    const char* first = text.data();
    if (*first == '+') ++first; // from_chars takes no plus sign
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

bool parseInt(std::string_view text, int& value) {
    return parseWhole(text, value);
}

bool parsePoint(std::string_view text, CPointL& point) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    return parseInt(text.substr(0, comma), point.x) && parseInt(text.substr(comma + 1), point.y);
}

bool withinReach(CPointL point) {
    const int far = CSourceRecord::kFarthestCoordinate;
    return point.x >= -far && point.x <= far && point.y >= -far && point.y <= far;
}

} // namespace

std::optional<CSourceRecord> CSourceRecord::Parse(std::string_view text, const std::string& file,
                                                  int line) {
    CSourceRecord record(file, line);
    std::vector<std::string> words;
    std::vector<bool> quoted;
    if (!splitWords(text, words, quoted)) record.Fail("unterminated quote");
    if (words.empty()) return std::nullopt;

    record.m_keyword = words[0];
    if (quoted[0] || record.m_keyword.find('=') != std::string::npos)
        record.Fail("a record starts with its kind, not '" + record.m_keyword + "'");
    bool inFields = false;
    for (std::size_t w = 1; w < words.size(); ++w) {
        const std::string& word = words[w];
        if (record.m_hasPointList) {
            CPointL point;
            if (quoted[w] || !parsePoint(word, point))
                record.Fail("'" + word + "' is not a point x,y");
            record.CheckReach(point, "'" + word + "'");
            record.m_points.push_back(point);
            continue;
        }
        if (word == ":" && !quoted[w]) {
            record.m_hasPointList = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0) {
            int number = 0;
            if (inFields || quoted[w] || !parseInt(word, number))
                record.Fail("'" + word +
                            "' is neither a bus number before the fields nor key=value");
            record.m_numbers.push_back(number);
            continue;
        }
        inFields = true;
        const std::string key = word.substr(0, equals);
        if (!record.m_fields.emplace(key, word.substr(equals + 1)).second)
            record.Fail("field '" + key + "' given twice");
    }
    if (record.m_hasPointList && record.m_points.empty()) record.Fail("no points after ':'");
    return record;
}

void CSourceRecord::CheckReach(CPointL point, const std::string& what) const {
    if (!withinReach(point))
        Fail(what + " lies beyond any canvas (coordinates run from -" +
             std::to_string(kFarthestCoordinate) + " to " + std::to_string(kFarthestCoordinate) +
             ")");
}

void CSourceRecord::Fail(const std::string& message) const {
    throw CSourceError(m_file, m_line, message);
}

void CSourceRecord::ExpectNumbers(std::size_t count, const std::string& what) const {
    if (m_numbers.size() != count)
        Fail(m_keyword + " needs " + (count == 1 ? "one " : std::to_string(count) + " ") + what +
             (count == 1 ? "" : "s") + ", not " + std::to_string(m_numbers.size()));
}

void CSourceRecord::ExpectNoPoints() const {
    if (m_hasPointList) Fail(m_keyword + " takes no point list");
}

const std::string* CSourceRecord::Find(const std::string& key) const {
    const auto found = m_fields.find(key);
    if (found == m_fields.end()) return nullptr;
    m_used.insert(key);
    return &found->second;
}

double CSourceRecord::Number(const std::string& key, double fallback) const {
    const std::string* text = Find(key);
    if (!text) return fallback;
    double value = 0;
    if (!parseWhole(std::string_view(*text), value) || !std::isfinite(value))
        Fail(key + "=" + *text + " is not a number");
    return value;
}

double CSourceRecord::RequireNumber(const std::string& key) const {
    if (!Has(key)) Fail(m_keyword + " needs " + key + "=");
    return Number(key, 0.0);
}

int CSourceRecord::Integer(const std::string& key, int fallback) const {
    const std::string* text = Find(key);
    if (!text) return fallback;
    int value = 0;
    if (!parseInt(*text, value)) Fail(key + "=" + *text + " is not a whole number");
    return value;
}

std::string CSourceRecord::Text(const std::string& key, const std::string& fallback) const {
    const std::string* text = Find(key);
    return text ? *text : fallback;
}

CPointL CSourceRecord::RequirePoint(const std::string& key) const {
    const std::string* text = Find(key);
    if (!text) Fail(m_keyword + " needs " + key + "=x,y");
    CPointL point;
    if (!parsePoint(*text, point)) Fail(key + "=" + *text + " is not a point x,y");
    CheckReach(point, key + "=" + *text);
    return point;
}

int CSourceRecord::Choice(const std::string& key,
                          const std::vector<std::pair<std::string, int>>& choices,
                          int fallback) const {
    const std::string* text = Find(key);
    if (!text) return fallback;
    std::string names;
    for (const auto& [name, value] : choices) {
        if (*text == name) return value;
        names += (names.empty() ? "" : ", ") + name;
    }
    Fail(key + "=" + *text + " is not one of " + names);
}

bool CSourceRecord::Switch(const std::string& key, bool fallback) const {
    return Choice(key, {{"on", 1}, {"off", 0}}, fallback ? 1 : 0) == 1;
}

void CSourceRecord::CheckAllUsed() const {
    for (const auto& field : m_fields)
        if (!m_used.count(field.first))
            Fail("unknown field '" + field.first + "' for " + m_keyword);
}
