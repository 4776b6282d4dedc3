#pragma once

#include <filesystem>

// Makes `dir` the working directory for the engine's exchange files and restores the
// previous one when it goes out of scope.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& dir)
        : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~WorkingDirectory() {
        std::error_code ec;
        std::filesystem::current_path(m_previous, ec);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path m_previous;
};
