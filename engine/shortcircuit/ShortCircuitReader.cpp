#include "engine/core/ExchangeFiles.h"
#include "engine/shortcircuit/ShortCircuit.h"
#include "engine/shortcircuit/ShortCircuitStatus.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// READSC reads short.dat, one record per line, fields separated by blanks:
//
//   fault records        "bus type"                 (no count precedes them)
//   positive header      "buses records"
//   positive records     "node node r x"            (0 is the ground node)
//   zero header          "buses records"
//   zero records         "node node r x 0"
//
// A fault record has the same two-integer shape as a header, so the sections are told
// apart by the first record line with more than two fields:
//  - a four-field line is the first positive record: the two-integer line just before
//    it is the positive header, every two-integer line before that a fault;
//  - a five-field line (or the end of the file) means there are no positive records:
//    the last two-integer line before it is the zero header, the one before that the
//    positive header (which must then count 0 records), and the rest are faults.
// The counts of both headers must match the records that follow; nothing may follow
// the zero-sequence records but blank lines.
namespace tarvex::engine::shortcircuit {

namespace {

constexpr int kMaxFields = 6;
// Two-integer lines held until the section rule can place them: the faults and up to
// two headers.
constexpr int kMaxPairs = kMaxFaults + 2;

// An optional sign followed by digits only.
bool isInteger(const char* begin, const char* end) {
    if (begin < end && (*begin == '-' || *begin == '+')) ++begin;
    if (begin == end) return false;
    for (; begin < end; ++begin)
        if (*begin < '0' || *begin > '9') return false;
    return true;
}

struct Line {
    int fieldCount = 0;
    double value[kMaxFields] = {};
    bool integer[kMaxFields] = {};
};

struct Reader {
    ShortCircuitModule& m;
    std::FILE* file = nullptr;
    int lineNumber = 0;

    void fail(int code, const char* what) {
        Record r;
        r.text(" SHORT CIRCUIT DATA ERROR IN ").text(files::kShortCircuitInput).text(" LINE ");
        r.number(lineNumber).text(": ").text(what);
        m.fail(code, r);
    }

    // Next non-blank line split into numbers. False at the end of the file or on a
    // malformed line (then the status is raised).
    bool next(Line& line) {
        char text[kMaxLineLength + 2];
        for (;;) {
            if (std::fgets(text, sizeof text, file) == nullptr) return false;
            ++lineNumber;
            const std::size_t length = std::strlen(text);
            if (length > 0 && text[length - 1] != '\n' && !std::feof(file)) {
                fail(kMalformedInput, "LINE TOO LONG");
                return false;
            }
            line = Line{};
            char* p = text;
            for (;;) {
                while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') ++p;
                if (*p == '\0') break;
                if (line.fieldCount == kMaxFields) {
                    fail(kMalformedInput, "TOO MANY FIELDS");
                    return false;
                }
                char* end = nullptr;
                errno = 0;
                const double v = std::strtod(p, &end);
                if (end == p || !std::isfinite(v) || errno == ERANGE ||
                    (*end != '\0' && *end != ' ' && *end != '\t' && *end != '\r' && *end != '\n')) {
                    fail(kMalformedInput, "A FIELD IS NOT A NUMBER");
                    return false;
                }
                line.value[line.fieldCount] = v;
                line.integer[line.fieldCount] = isInteger(p, end) && std::fabs(v) < 1.0E9;
                ++line.fieldCount;
                p = end;
            }
            if (line.fieldCount > 0) return true;
        }
    }

    bool isPair(const Line& line) const {
        return line.fieldCount == 2 && line.integer[0] && line.integer[1];
    }

    bool header(const Line& line, int& buses, int& count) {
        buses = static_cast<int>(line.value[0]);
        count = static_cast<int>(line.value[1]);
        if (buses < 1 || count < 0) {
            fail(kMalformedInput, "A SECTION HEADER NEEDS BUSES >= 1 AND RECORDS >= 0");
            return false;
        }
        if (buses > kMaxBuses || count > kMaxRecords) {
            fail(kTooLarge, "MORE BUSES OR RECORDS THAN THE TABLES HOLD");
            return false;
        }
        return true;
    }

    // One element record of a section; fields is 4 (positive) or 5 (zero).
    bool record(const Line& line, int fields, SequenceNetwork& net) {
        if (line.fieldCount != fields || !line.integer[0] || !line.integer[1]) {
            fail(kMalformedInput, fields == 4 ? "A POSITIVE-SEQUENCE RECORD NEEDS NODE NODE R X"
                                              : "A ZERO-SEQUENCE RECORD NEEDS NODE NODE R X 0");
            return false;
        }
        const int a = static_cast<int>(line.value[0]);
        const int b = static_cast<int>(line.value[1]);
        if (a < 0 || b < 0 || a > m.NBUS || b > m.NBUS || (a == 0 && b == 0)) {
            fail(kBusOutOfRange, "A RECORD NAMES A BUS OUTSIDE 1..N (OR GROUND TWICE)");
            return false;
        }
        if (line.value[2] == 0.0 && line.value[3] == 0.0) {
            fail(kZeroImpedance, "AN ELEMENT HAS ZERO RESISTANCE AND ZERO REACTANCE");
            return false;
        }
        const int k = ++net.count;
        net.from[k] = a;
        net.to[k] = b;
        net.r[k] = line.value[2];
        net.x[k] = line.value[3];
        return true;
    }

    bool section(int fields, int count, SequenceNetwork& net, Line& line, bool haveLine) {
        for (int i = 0; i < count; ++i) {
            if (!haveLine && !next(line)) {
                if (!m.status.failed())
                    fail(kMalformedInput, "FEWER RECORDS THAN THE HEADER COUNTS");
                return false;
            }
            haveLine = false;
            if (!record(line, fields, net)) return false;
        }
        return true;
    }

    void read() {
        // Two-integer lines before the first record line, and that record line.
        int pairBus[kMaxPairs + 1], pairType[kMaxPairs + 1];
        int pairs = 0;
        Line line;
        bool haveRecord = false;
        while (next(line)) {
            if (!isPair(line)) {
                haveRecord = true;
                break;
            }
            if (pairs == kMaxPairs) {
                fail(kTooLarge, "MORE FAULTS THAN THE TABLES HOLD");
                return;
            }
            ++pairs;
            pairBus[pairs] = static_cast<int>(line.value[0]);
            pairType[pairs] = static_cast<int>(line.value[1]);
        }
        if (m.status.failed()) return;
        if (haveRecord && line.fieldCount != 4 && line.fieldCount != 5) {
            fail(kMalformedInput, "A LINE HAS NEITHER 2, 4 NOR 5 FIELDS");
            return;
        }
        const bool positiveRecordsFollow = haveRecord && line.fieldCount == 4;
        const int headers = positiveRecordsFollow ? 1 : 2;
        if (pairs < headers) {
            fail(kMalformedInput, "A SECTION HEADER IS MISSING");
            return;
        }
        int buses = 0, count = 0;
        Line headerLine;
        headerLine.fieldCount = 2;
        headerLine.value[0] = pairBus[pairs - headers + 1];
        headerLine.value[1] = pairType[pairs - headers + 1];
        if (!header(headerLine, buses, count)) return;
        m.NBUS = buses;
        m.NFAULT = pairs - headers;
        for (int f = 1; f <= m.NFAULT; ++f) {
            m.FBUS[f] = pairBus[f];
            m.FTYPE[f] = pairType[f];
        }
        if (!positiveRecordsFollow && count != 0) {
            fail(kMalformedInput, "FEWER POSITIVE-SEQUENCE RECORDS THAN THE HEADER COUNTS");
            return;
        }
        if (!section(4, count, m.POS, line, positiveRecordsFollow)) return;

        // The zero-sequence header: already read when there were no positive records.
        int zeroBuses = 0;
        if (positiveRecordsFollow) {
            if (!next(line)) {
                if (!m.status.failed())
                    fail(kMalformedInput, "THE ZERO-SEQUENCE HEADER IS MISSING");
                return;
            }
            if (!isPair(line)) {
                fail(kMalformedInput, "MORE POSITIVE-SEQUENCE RECORDS THAN THE HEADER COUNTS");
                return;
            }
            headerLine = line;
            haveRecord = false;
        } else {
            headerLine.value[0] = pairBus[pairs];
            headerLine.value[1] = pairType[pairs];
        }
        if (!header(headerLine, zeroBuses, count)) return;
        if (zeroBuses != m.NBUS) {
            fail(kMalformedInput, "THE TWO SECTION HEADERS GIVE DIFFERENT BUS COUNTS");
            return;
        }
        if (!section(5, count, m.ZERO, line, haveRecord)) return;
        if (next(line)) {
            fail(kMalformedInput, "MORE ZERO-SEQUENCE RECORDS THAN THE HEADER COUNTS");
            return;
        }
        if (m.status.failed()) return;
        checkFaults();
    }

    void checkFaults() {
        lineNumber = 0;
        for (int f = 1; f <= m.NFAULT; ++f) {
            lineNumber = f;
            if (m.FTYPE[f] != 1 && m.FTYPE[f] != 3) {
                fail(kMalformedInput,
                     "A FAULT TYPE IS NEITHER 3 (THREE-PHASE) NOR 1 (LINE TO GROUND)");
                return;
            }
            if (m.FBUS[f] < 1 || m.FBUS[f] > m.NBUS) {
                fail(kBusOutOfRange, "A FAULT IS AT A BUS OUTSIDE 1..N");
                return;
            }
            for (int g = 1; g < f; ++g) {
                if (m.FBUS[g] == m.FBUS[f]) {
                    fail(kTwoFaultsAtOneBus, "TWO FAULTS ARE AT THE SAME BUS");
                    return;
                }
            }
        }
    }
};

// Pairs each positive-sequence branch with its zero-sequence record: the k-th branch of
// a bus pair (either direction) in the positive section with the k-th in the zero one.
void matchBranches(ShortCircuitModule& m) {
    auto samePair = [](const SequenceNetwork& a, int i, const SequenceNetwork& b, int j) {
        return (a.from[i] == b.from[j] && a.to[i] == b.to[j]) ||
               (a.from[i] == b.to[j] && a.to[i] == b.from[j]);
    };
    for (int i = 1; i <= m.POS.count; ++i) {
        m.ZMATCH[i] = 0;
        if (m.POS.from[i] == 0 || m.POS.to[i] == 0) continue;
        int occurrence = 0;
        for (int k = 1; k < i; ++k)
            if (samePair(m.POS, i, m.POS, k)) ++occurrence;
        for (int j = 1; j <= m.ZERO.count; ++j) {
            if (!samePair(m.POS, i, m.ZERO, j)) continue;
            if (occurrence-- == 0) {
                m.ZMATCH[i] = j;
                break;
            }
        }
    }
}

} // namespace

void READSC(ShortCircuitModule& m) {
    Reader reader{m};
    reader.file = std::fopen(files::kShortCircuitInput, "rb");
    if (reader.file == nullptr) {
        reader.fail(kMalformedInput, "THE FILE CANNOT BE OPENED");
        return;
    }
    reader.read();
    std::fclose(reader.file);
    if (!m.status.failed()) matchBranches(m);
}

} // namespace tarvex::engine::shortcircuit
