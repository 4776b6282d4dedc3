#pragma once

#include <filesystem>
#include <string>

namespace tarvex::test {

// The engine and the analysis commands exchange files in the current working
// directory. A test that runs them makes a fresh temporary directory, changes into it
// for its lifetime and removes it afterwards, so tests never see each other's files.
class ScopedWorkDir {
public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

} // namespace tarvex::test
