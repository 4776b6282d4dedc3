#include "exchange/ResultFile.h"

#include "model/SkemtorApp.h"

#include <algorithm>
#include <cmath>

namespace {

// scanf takes "nan" and "inf" for numbers and turns a value beyond single precision into
// an infinity. No result is such a value: a row holding one cannot be read, so it never
// reaches a meter, a label or the losses dialog.
template <std::size_t N> bool allFinite(const float (&values)[N]) {
    return std::all_of(values, values + N, [](float v) { return std::isfinite(v); });
}

} // namespace

CResultFile::CResultFile(const std::string& name)
    : m_name(name), m_file(std::fopen(name.c_str(), "r")) {}

CResultFile::~CResultFile() {
    if (m_file) std::fclose(m_file);
}

void CResultFile::Rewind() {
    if (m_file) std::rewind(m_file);
}

std::optional<int> CResultFile::ReadErrorCode(int resultFileSwitch) {
    if (!m_file) return std::nullopt;
    if (resultFileSwitch == CSkemtorApp::kSkipErrorCode) return 0;
    int code = 0;
    if (std::fscanf(m_file, "%d", &code) != 1) return std::nullopt;
    return code;
}

bool CResultFile::ReadBusRow(BusRow& row) {
    if (!m_file) return false;
    float v[6];
    if (std::fscanf(m_file, "%d %f %f %f %f %f %f ", &row.bus, &v[0], &v[1], &v[2], &v[3], &v[4],
                    &v[5]) != 7 ||
        !allFinite(v))
        return false;
    row.voltage = v[0];
    row.angle = v[1];
    row.genP = v[2];
    row.genQ = v[3];
    row.injectionP = v[4];
    row.injectionQ = v[5];
    return true;
}

bool CResultFile::ReadBranchRow(BranchRow& row) {
    if (!m_file) return false;
    float v[3];
    if (std::fscanf(m_file, "%d %d %f %f %f %d", &row.from, &row.to, &v[0], &v[1], &v[2],
                    &row.overLimit) != 6 ||
        !allFinite(v))
        return false;
    row.p = v[0];
    row.q = v[1];
    row.current = v[2];
    return true;
}

bool CResultFile::ReadFour(double values[4]) {
    if (!m_file) return false;
    float v[4];
    if (std::fscanf(m_file, "%f %f %f %f", &v[0], &v[1], &v[2], &v[3]) != 4 || !allFinite(v))
        return false;
    for (int i = 0; i < 4; ++i) values[i] = v[i];
    return true;
}
