#include "engine/core/EngineFile.h"

#include <filesystem>
#include <system_error>

namespace tarvex::engine {

void EngineFile::open(const char* name) {
    close();
    m_name = name;
    // Append mode creates a missing file without touching an existing one.
    if (std::FILE* touch = std::fopen(name, "ab")) std::fclose(touch);
}

void EngineFile::close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        // The new records were written over the old ones from the start; whatever of the
        // old content lies beyond them is cut off now. Rewriting in place rather than
        // truncating on opening spares the file system from freeing and reallocating
        // the blocks of a result file on every run (on a journalling file system that
        // costs milliseconds, many times the solution itself).
        std::error_code ec;
        std::filesystem::resize_file(m_name, m_size, ec);
    }
    m_file = nullptr;
    m_name = nullptr;
    m_size = 0;
}

bool EngineFile::begin() {
    if (m_file == nullptr && m_name != nullptr) {
        m_file = std::fopen(m_name, "r+b");
        if (m_file == nullptr) m_file = std::fopen(m_name, "wb");
        m_size = 0;
    }
    return m_file != nullptr;
}

void EngineFile::write(const Record& record) {
    if (!begin()) return;
    m_size += std::fwrite(record.data(), 1, record.size(), m_file);
    if (std::fputc('\n', m_file) != EOF) ++m_size;
}

void EngineFile::writeEmpty() {
    if (!begin()) return;
    if (std::fputc('\n', m_file) != EOF) ++m_size;
}

void EngineFile::writeRaw(const char* data, std::size_t size) {
    if (!begin()) return;
    m_size += std::fwrite(data, 1, size, m_file);
}

} // namespace tarvex::engine
