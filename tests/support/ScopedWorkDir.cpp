#include "tests/support/ScopedWorkDir.h"

#include <cstdlib>
#include <stdexcept>

namespace tarvex::test {

ScopedWorkDir::ScopedWorkDir() : m_previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvex-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
    std::filesystem::current_path(m_path);
}

ScopedWorkDir::~ScopedWorkDir() {
    std::error_code ec;
    std::filesystem::current_path(m_previous, ec);
    std::filesystem::remove_all(m_path, ec);
}

} // namespace tarvex::test
