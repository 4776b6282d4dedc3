#pragma once

#include "model/Rect.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One record of an example source file: a keyword, the bus numbers that identify the
// element, key=value fields and, after a lone ':', a list of points:
//
//   line 1 2 r=0.02 x=0.06 b=0.06 : 120,-200 120,-400
//   bus 3 name="Bus 3     HV" at=400,-600 type=pv v=1.01
//
// '#' starts a comment (outside quotes); a value holding blanks is written in double
// quotes. Every accessor marks its field as used, so a misspelt or misplaced field is
// reported instead of silently ignored. Every fault throws CSourceError naming the file
// and line.
class CSourceRecord {
public:
    // Points lie within this many units of the origin on either axis: a canvas grows a
    // step at a time, so no drawing reaches further, and the editor's placement
    // arithmetic on the points stays well inside the range of an int.
    static constexpr int kFarthestCoordinate = 1'000'000;

    // The record on one line, or nothing for a blank or comment-only line.
    static std::optional<CSourceRecord> Parse(std::string_view text, const std::string& file,
                                              int line);

    const std::string& Keyword() const { return m_keyword; }
    const std::string& File() const { return m_file; }
    int Line() const { return m_line; }
    const std::vector<int>& Numbers() const { return m_numbers; }
    const std::vector<CPointL>& Points() const { return m_points; }
    bool HasPointList() const { return m_hasPointList; }

    // Exactly `count` identifying bus numbers, named for the message ("bus number").
    void ExpectNumbers(std::size_t count, const std::string& what) const;
    void ExpectNoPoints() const;

    bool Has(const std::string& key) const { return m_fields.count(key) != 0; }
    double Number(const std::string& key, double fallback) const;
    double RequireNumber(const std::string& key) const;
    int Integer(const std::string& key, int fallback) const;
    std::string Text(const std::string& key, const std::string& fallback) const;
    CPointL RequirePoint(const std::string& key) const;
    // A word from a fixed list, mapped to its value.
    int Choice(const std::string& key, const std::vector<std::pair<std::string, int>>& choices,
               int fallback) const;
    // "on" or "off".
    bool Switch(const std::string& key, bool fallback) const;

    // Refuses any field that no accessor asked for.
    void CheckAllUsed() const;
    [[noreturn]] void Fail(const std::string& message) const;

private:
    CSourceRecord(std::string file, int line) : m_file(std::move(file)), m_line(line) {}
    void CheckReach(CPointL point, const std::string& what) const;
    const std::string* Find(const std::string& key) const;

    std::string m_file;
    int m_line = 0;
    std::string m_keyword;
    std::vector<int> m_numbers;
    std::map<std::string, std::string> m_fields;
    std::vector<CPointL> m_points;
    bool m_hasPointList = false;
    mutable std::set<std::string> m_used;
};
