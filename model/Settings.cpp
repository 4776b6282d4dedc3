#include "model/Settings.h"

#include "model/NumericFieldReader.h"
#include "model/SafeFileWriter.h"
#include "model/SkemtorApp.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <variant>

namespace {

enum class Written { General, Fixed5, Integer };

struct Line {
    std::variant<double CSkemtorApp::*, int CSkemtorApp::*> member;
    Written format;
};

// File order. Reals read with %g and with %f are read the same way.
const Line kLines[] = {
    {&CSkemtorApp::m_sdCurrent, Written::General},
    {&CSkemtorApp::m_sdPowerFlow, Written::General},
    {&CSkemtorApp::m_sdPowerInjection, Written::General},
    {&CSkemtorApp::m_sdVoltage, Written::General},
    {&CSkemtorApp::m_defaultR, Written::Fixed5},
    {&CSkemtorApp::m_defaultX, Written::Fixed5},
    {&CSkemtorApp::m_defaultG, Written::Fixed5},
    {&CSkemtorApp::m_defaultB, Written::Fixed5},
    {&CSkemtorApp::m_defaultTap, Written::Fixed5},
    {&CSkemtorApp::m_defaultMvaLimit, Written::Integer},
    {&CSkemtorApp::m_residualCount, Written::Integer},
    {&CSkemtorApp::m_residualThreshold, Written::Fixed5},
    {&CSkemtorApp::m_noise, Written::Integer},
    {&CSkemtorApp::m_maxIterations, Written::Integer},
    {&CSkemtorApp::m_tolerance, Written::General},
    {&CSkemtorApp::m_faultClearTime, Written::General},
    {&CSkemtorApp::m_faultStartTime, Written::General},
    {&CSkemtorApp::m_simTime, Written::General},
    {&CSkemtorApp::m_timeStep, Written::General},
    {&CSkemtorApp::m_tsTolerance, Written::General},
    {&CSkemtorApp::m_resultFileSwitch, Written::Integer},
};

template <class T> void append(std::string& out, T value, std::chars_format format, int precision) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    out.append(buffer, result.ptr);
}

} // namespace

std::optional<std::string> CSettings::LoadSettings(CSkemtorApp& app,
                                                   const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return kOpenError;
    std::ostringstream text;
    text << in.rdbuf();
    const std::string content = text.str();
    CNumericFieldReader reader(content);
    for (const Line& line : kLines) {
        bool stored = false;
        if (auto* real = std::get_if<double CSkemtorApp::*>(&line.member)) {
            // Single precision, as the settings have always been kept; a value that runs
            // into the end of the file is not taken.
            const std::optional<float> value = reader.ReadFloat();
            if (value && !reader.ReachedEnd()) {
                app.*(*real) = static_cast<double>(*value);
                stored = true;
            }
        } else if (const std::optional<int> value = reader.ReadInt()) {
            app.*std::get<int CSkemtorApp::*>(line.member) = *value;
            stored = true;
        }
        if (!stored) break;
    }
    app.m_faultBus1 = 1;
    app.m_faultBus2 = 2;
    app.m_faultKind = 0;
    app.m_opfConstraints = 1;
    return std::nullopt;
}

std::string CSettings::Format(const CSkemtorApp& app) {
    std::string out;
    for (const Line& line : kLines) {
        if (auto* real = std::get_if<double CSkemtorApp::*>(&line.member)) {
            if (line.format == Written::Fixed5)
                append(out, app.*(*real), std::chars_format::fixed, 5); // "%.5f"
            else
                append(out, app.*(*real), std::chars_format::general, 6); // "%g"
        } else {
            const int value = app.*std::get<int CSkemtorApp::*>(line.member);
            char buffer[16];
            out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
        }
        out += " \n";
    }
    return out;
}

std::optional<std::string> CSettings::SaveSettings(const CSkemtorApp& app,
                                                   const std::filesystem::path& path) {
    if (CSafeFileWriter::Write(path, Format(app))) return kOpenError;
    return std::nullopt;
}
