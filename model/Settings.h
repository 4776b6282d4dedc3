#pragma once

#include <filesystem>
#include <optional>
#include <string>

class CSkemtorApp;

// The settings file tvx.ini in the working directory: 21 analysis settings, one per
// line, in this order (each line ends with a blank before the line feed):
//
//   line  setting              written   line  setting              written
//   1     m_sdCurrent          %g        12    m_residualThreshold  %.5f
//   2     m_sdPowerFlow        %g        13    m_noise              %d
//   3     m_sdPowerInjection   %g        14    m_maxIterations      %d
//   4     m_sdVoltage          %g        15    m_tolerance          %g
//   5-9   m_defaultR, X, G, B, Tap %.5f  16    m_faultClearTime     %g
//   10    m_defaultMvaLimit    %d        17    m_faultStartTime     %g
//   11    m_residualCount      %d        18    m_simTime            %g
//                                        19    m_timeStep           %g
//                                        20    m_tsTolerance        %g
//                                        21    m_resultFileSwitch   %d
//
// Real values are read as single precision and widened, so a value keeps exactly the
// precision it had in earlier versions of the program. Numbers are read and written in
// the C notation (a decimal point) whatever the user's locale.
class CSettings {
public:
    static constexpr const char* kFileName = "tvx.ini";
    static constexpr const char* kOpenError = "Error opening tvx.ini";

    // Reads the file into `app`. A real value is taken only when its read did not run
    // into the end of the file, an integer only when it was read; the first value that
    // is missing or not a number ends the reading, so a short or damaged file leaves
    // the rest at their current values. After the file has been opened the fault
    // buses 1 and 2, the faulted bus kind and the constraint switch on are set.
    // Returns the message to show when the file cannot be opened.
    static std::optional<std::string> LoadSettings(CSkemtorApp& app,
                                                   const std::filesystem::path& path = kFileName);
    // Rewrites the file from `app` (through a temporary file, so a failed write keeps
    // the old one). Returns the message to show when it cannot be written.
    static std::optional<std::string> SaveSettings(const CSkemtorApp& app,
                                                   const std::filesystem::path& path = kFileName);

    // The file's text for `app`.
    static std::string Format(const CSkemtorApp& app);
};
