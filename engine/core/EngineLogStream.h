#pragma once

#include "engine/core/EngineFile.h"

#include <ostream>
#include <streambuf>

// An output stream whose text goes straight into an engine file, in order with the
// records written to that file directly. The sparse solver reports to a std::ostream;
// this lets its lines land in the run's ERROR.LOG under the same opening rule.
namespace tarvex::engine {

class EngineLogStream : public std::ostream {
public:
    explicit EngineLogStream(EngineFile& file) : std::ostream(nullptr), m_buffer(file) {
        rdbuf(&m_buffer);
    }

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(EngineFile& file) : m_file(file) {}

    protected:
        int_type overflow(int_type c) override {
            if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
            const char ch = traits_type::to_char_type(c);
            m_file.writeRaw(&ch, 1);
            return c;
        }
        std::streamsize xsputn(const char* s, std::streamsize n) override {
            m_file.writeRaw(s, static_cast<std::size_t>(n));
            return n;
        }

    private:
        EngineFile& m_file;
    };

    Buffer m_buffer;
};

} // namespace tarvex::engine
