#include "exchange/ResultFile.h"

#include "model/SkemtorApp.h"

#include <fstream>
#include <sstream>

CResultFile::CResultFile(const std::string& name) : m_name(name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) return;
    std::ostringstream content;
    content << in.rdbuf();
    m_text = content.str();
    m_reader = CNumericFieldReader(m_text);
    m_open = true;
}

void CResultFile::Rewind() {
    m_reader.Rewind();
}

bool CResultFile::ReadReals(double* values, int count) {
    for (int i = 0; i < count; ++i) {
        const std::optional<float> value = m_reader.ReadFloat();
        if (!value) return false;
        values[i] = *value; // "%f" reads single precision
    }
    return true;
}

bool CResultFile::ReadInt(int& value) {
    const std::optional<int> read = m_reader.ReadInt();
    if (read) value = *read;
    return read.has_value();
}

std::optional<int> CResultFile::ReadErrorCode(int resultFileSwitch) {
    if (!m_open) return std::nullopt;
    if (resultFileSwitch == CSkemtorApp::kSkipErrorCode) return 0;
    return m_reader.ReadInt();
}

bool CResultFile::ReadBusRow(BusRow& row) {
    double v[6];
    if (!m_open || !ReadInt(row.bus) || !ReadReals(v, 6)) return false;
    row.voltage = v[0];
    row.angle = v[1];
    row.genP = v[2];
    row.genQ = v[3];
    row.injectionP = v[4];
    row.injectionQ = v[5];
    return true;
}

bool CResultFile::ReadBranchRow(BranchRow& row) {
    double v[3];
    if (!m_open || !ReadInt(row.from) || !ReadInt(row.to) || !ReadReals(v, 3) ||
        !ReadInt(row.overLimit))
        return false;
    row.p = v[0];
    row.q = v[1];
    row.current = v[2];
    return true;
}

bool CResultFile::ReadFour(double values[4]) {
    return m_open && ReadReals(values, 4);
}
