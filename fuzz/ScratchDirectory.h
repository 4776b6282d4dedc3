#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

// The readers take files of fixed names from the current directory, so every fuzz run
// writes its input there first. On a disk that write costs far more than the reading
// being tested; the runs therefore happen in a scratch directory of their own in memory
// (/dev/shm where the system has it, else the temporary directory), entered for each
// run and left after it, so the fuzzer's corpus and findings stay where it was started.
class CScratchDirectory {
public:
    // Inside the scratch directory for one run.
    class Visit {
    public:
        Visit() {
            std::error_code ec;
            m_home = std::filesystem::current_path(ec);
            std::filesystem::current_path(Path(), ec);
        }
        ~Visit() {
            std::error_code ec;
            std::filesystem::current_path(m_home, ec);
        }
        Visit(const Visit&) = delete;
        Visit& operator=(const Visit&) = delete;

    private:
        std::filesystem::path m_home;
    };

    static const std::filesystem::path& Path() {
        static const CScratchDirectory scratch;
        return scratch.m_path;
    }

    // For LLVMFuzzerInitialize: a crash inside a run is written where the fuzzer was
    // started (not into the scratch directory) unless the command line says otherwise.
    static void KeepFindingsHere(int* argc, char*** argv) {
        static std::vector<char*> args;
        static std::string prefix;
        args.assign(*argv, *argv + *argc);
        for (const char* arg : args)
            if (std::string(arg).rfind("-artifact_prefix=", 0) == 0) return;
        std::error_code ec;
        prefix = "-artifact_prefix=" + std::filesystem::current_path(ec).string() + "/";
        args.insert(args.begin() + 1, prefix.data());
        args.push_back(nullptr);
        *argc = static_cast<int>(args.size()) - 1;
        *argv = args.data();
    }

private:
    CScratchDirectory() {
        std::error_code ec;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, ec))
            base = std::filesystem::temp_directory_path(ec);
        std::string name = (base / "tarvex-fuzz-XXXXXX").string();
        if (::mkdtemp(name.data()) != nullptr)
            m_path = name;
        else
            m_path = std::filesystem::current_path(ec);
        m_owned = m_path != std::filesystem::current_path(ec);
    }
    ~CScratchDirectory() {
        std::error_code ec;
        if (m_owned) std::filesystem::remove_all(m_path, ec);
    }

    std::filesystem::path m_path;
    bool m_owned = false;
};
