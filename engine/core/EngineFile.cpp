#include "engine/core/EngineFile.h"

namespace tarvex::engine {

void EngineFile::open(const char* name) {
    close();
    m_name = name;
    // Append mode creates a missing file without touching an existing one.
    if (std::FILE* touch = std::fopen(name, "ab")) std::fclose(touch);
}

void EngineFile::close() {
    if (m_file != nullptr) std::fclose(m_file);
    m_file = nullptr;
    m_name = nullptr;
}

bool EngineFile::begin() {
    if (m_file == nullptr && m_name != nullptr) m_file = std::fopen(m_name, "wb");
    return m_file != nullptr;
}

void EngineFile::write(const Record& record) {
    if (!begin()) return;
    std::fwrite(record.data(), 1, record.size(), m_file);
    std::fputc('\n', m_file);
}

void EngineFile::writeEmpty() {
    if (!begin()) return;
    std::fputc('\n', m_file);
}

} // namespace tarvex::engine

namespace tarvex::engine {

void EngineFile::writeRaw(const char* data, std::size_t size) {
    if (!begin()) return;
    std::fwrite(data, 1, size, m_file);
}

} // namespace tarvex::engine
