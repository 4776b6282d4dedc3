#pragma once

#include "model/NumericFieldReader.h"

#include <optional>
#include <string>

// Reads an engine result file the way the editor reads all of them: the C scanner's
// %d and %f conversions (CNumericFieldReader: "%f" reads single precision, widened to
// double), one row at a time, until a row cannot be read; a row holding a value that is
// not a finite number ("nan", "inf" or beyond single precision) cannot be read either. Some files
// carry the engine's status as their first item; the result-file switch 4817 says they do not.
class CResultFile {
public:
    // busotp.dat rows: bus number, |V| (p.u.), angle (degrees), real and reactive
    // generation (MW, MVAr), net real and reactive injection (p.u.).
    struct BusRow {
        int bus = 0;
        double voltage = 0, angle = 0, genP = 0, genQ = 0, injectionP = 0, injectionQ = 0;
    };
    // branchotp.dat rows: from bus, to bus, real and reactive flow leaving the from bus
    // (p.u.), current magnitude (p.u.), 1 when the flow is above the branch rating.
    struct BranchRow {
        int from = 0, to = 0;
        double p = 0, q = 0, current = 0;
        int overLimit = 0;
    };

    // Reads the whole file; a file that cannot be opened reads as not open.
    explicit CResultFile(const std::string& name);
    CResultFile(const CResultFile&) = delete;
    CResultFile& operator=(const CResultFile&) = delete;

    bool IsOpen() const { return m_open; }
    const std::string& Name() const { return m_name; }
    void Rewind();

    // The leading status: 0 for success, or the engine's code. Skipped (0) when the
    // switch is 4817. Nothing when the file holds no readable status.
    std::optional<int> ReadErrorCode(int resultFileSwitch);
    bool ReadBusRow(BusRow& row);
    bool ReadBranchRow(BranchRow& row);
    // lossotp.dat: the four loss figures in one read.
    bool ReadFour(double values[4]);

private:
    bool ReadInt(int& value);
    bool ReadReals(double* values, int count);

    std::string m_name;
    std::string m_text;
    bool m_open = false;
    CNumericFieldReader m_reader{m_text}; // over m_text, set again once it is read
};
