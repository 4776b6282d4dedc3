#pragma once

#include "engine/core/Record.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

// One result or log file of an engine run, kept to the engine's opening rule: opening
// creates the file when it is missing but leaves an existing file alone; the first
// record written replaces the old content from the start. A file a run opens but never
// writes therefore keeps what an earlier run left in it (the editor stops at the status
// record and never looks at such files).
namespace tarvex::engine {

class EngineFile {
public:
    EngineFile() = default;
    ~EngineFile() { close(); }
    EngineFile(const EngineFile&) = delete;
    EngineFile& operator=(const EngineFile&) = delete;

    // Creates the file if missing; the name must outlive the open file (exchange file
    // names are string constants).
    void open(const char* name);
    void close();
    bool isOpen() const { return m_name != nullptr; }
    bool written() const { return m_file != nullptr; }

    // Writes one record and its line feed.
    void write(const Record& record);
    void writeEmpty();
    // Writes bytes as they are (for text that carries its own line feeds).
    void writeRaw(const char* data, std::size_t size);

private:
    bool begin();

    const char* m_name = nullptr;
    std::FILE* m_file = nullptr;
    std::uintmax_t m_size = 0; // bytes written by this run
};

} // namespace tarvex::engine
