#include "engine/estimation/MeasurementFile.h"

#include "engine/core/Record.h"
#include "engine/estimation/FreeFormatText.h"

#include <cstdio>
#include <memory>

namespace tarvex::engine {

namespace {

const char* const kGroupNames[7] = {"",
                                    "VOLTAGE MAGNITUDE",
                                    "ACTIVE INJECTION",
                                    "REACTIVE INJECTION",
                                    "ACTIVE FLOW",
                                    "REACTIVE FLOW",
                                    "CURRENT MAGNITUDE"};

struct Reader {
    FreeFormatText& text;
    MeasurementSet& set;
    EngineFile& log;
    MeasurementReadResult result = MeasurementReadResult::Ok;

    bool fail(MeasurementReadResult why, int kind, const char* what) {
        result = why;
        Record record;
        record.text(" DATA ERROR IN measure.dat : ").text(what);
        if (kind > 0) record.text(", ").text(kGroupNames[kind]).text(" GROUP");
        record.text(", LINE ").number(text.line());
        log.write(record);
        return false;
    }

    // A failed read is a count mismatch when the file ran out (fewer records than the
    // count said), otherwise a field that is not a number.
    bool readFailure(int kind) {
        if (text.lastFailureWasEnd()) {
            return fail(MeasurementReadResult::CountMismatch, kind, "FEWER RECORDS THAN THE COUNT");
        }
        return fail(MeasurementReadResult::Unreadable, kind, "FIELD IS NOT A NUMBER");
    }

    bool readOne(int kind, bool newRecord) {
        if (set.count >= kMaxMeasurements) {
            return fail(MeasurementReadResult::Unreadable, kind, "MORE THAN 1500 MEASUREMENTS");
        }
        Measurement m;
        m.kind = kind;
        if (newRecord) text.nextRecord();
        if (!text.readInt(m.from)) return readFailure(kind);
        const int line = text.line();
        // A record of its own holds all its items; one that runs short is a count record
        // or the next group, so the count was larger than the records.
        auto sameRecord = [&] { return !newRecord || text.line() == line; };
        auto shortRecord = [&] {
            return fail(MeasurementReadResult::CountMismatch, kind,
                        "RECORD TOO SHORT, OR MORE RECORDS COUNTED THAN WRITTEN");
        };
        if (isBranchKind(kind) && !text.readInt(m.to)) return readFailure(kind);
        if (!sameRecord()) return shortRecord();
        if (!text.readReal(m.value) || !text.readReal(m.sd)) return readFailure(kind);
        if (!sameRecord()) return shortRecord();
        if (kind != kReactiveFlow && !text.readInt(m.flag)) return readFailure(kind);
        if (!sameRecord()) return shortRecord();
        if (!(m.sd > 0.0)) {
            return fail(MeasurementReadResult::BadDeviation, kind,
                        "STANDARD DEVIATION IS ZERO OR NEGATIVE");
        }
        set.items[++set.count] = m;
        ++set.groupCount[kind];
        return true;
    }

    bool readGroup(int kind) {
        text.nextRecord();
        int n = 0;
        if (!text.readInt(n)) {
            if (text.lastFailureWasEnd()) {
                return fail(MeasurementReadResult::CountMismatch, kind, "MISSING COUNT RECORD");
            }
            // A count record holding more than one number is a measurement record where
            // the count was expected: the counts before did not match their records.
            return fail(MeasurementReadResult::Unreadable, kind, "COUNT IS NOT AN INTEGER");
        }
        if (n < 0 || n > kMaxMeasurements) {
            return fail(MeasurementReadResult::Unreadable, kind, "COUNT OUT OF RANGE");
        }
        for (int k = 0; k < n; ++k) {
            if (!readOne(kind, kind != kVoltageMagnitude)) return false;
        }
        return true;
    }

    // A count record holds a single item; a record with more is a measurement, so the
    // count of the group before was too small.
    bool countRecordAlone(int kind) {
        FreeFormatText probe = text;
        probe.nextRecord();
        const char* s = nullptr;
        std::size_t length = 0;
        if (!probe.item(s, length)) return true;
        const int line = probe.line();
        if (!probe.item(s, length) || probe.line() != line) return true;
        return fail(MeasurementReadResult::CountMismatch, kind, "MORE RECORDS THAN THE COUNT");
    }
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

MeasurementReadResult readMeasurementFile(const char* fileName, MeasurementSet& set,
                                          EngineFile& log) {
    set.clear();
    // The whole file in one static buffer: the run allocates nothing.
    static char buffer[kMaxMeasurementFileBytes];
    std::size_t size = 0;
    {
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName, "rb"));
        if (file) size = std::fread(buffer, 1, sizeof buffer, file.get());
        if (!file || (size == sizeof buffer && std::fgetc(file.get()) != EOF)) {
            Record record;
            record.text(" DATA ERROR : measure.dat IS MISSING OR LONGER THAN ")
                .number(kMaxMeasurementFileBytes)
                .text(" BYTES");
            log.write(record);
            return MeasurementReadResult::Unreadable;
        }
    }
    FreeFormatText text(buffer, size);
    Reader reader{text, set, log};
    for (int kind = kVoltageMagnitude; kind <= kCurrentMagnitude; ++kind) {
        if (!reader.readGroup(kind)) return reader.result;
        if (kind < kCurrentMagnitude && !reader.countRecordAlone(kind)) return reader.result;
    }
    text.nextRecord();
    if (!text.atEnd()) {
        reader.fail(MeasurementReadResult::CountMismatch, kCurrentMagnitude,
                    "MORE RECORDS THAN THE COUNT");
    }
    return reader.result;
}

} // namespace tarvex::engine
