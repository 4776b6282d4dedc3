#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

namespace tarvex::test {

// Expected archive bytes spelled out by hand, independently of the archive class:
// little-endian primitives appended one by one.
class ArchiveBytes {
public:
    ArchiveBytes& i32(std::int32_t v) { return raw(&v, 4); }
    ArchiveBytes& u16(std::uint16_t v) { return raw(&v, 2); }
    ArchiveBytes& f64(double v) { return raw(&v, 8); }
    ArchiveBytes& text(const std::string& s) {
        m_bytes += s;
        return *this;
    }
    // Short string form: one length byte (below 255).
    ArchiveBytes& str(const std::string& s) {
        m_bytes += static_cast<char>(s.size());
        return text(s);
    }
    ArchiveBytes& newClass(const std::string& name) {
        return u16(0xFFFF).u16(1).u16(static_cast<std::uint16_t>(name.size())).text(name);
    }
    ArchiveBytes& classRef(std::uint16_t index) {
        return u16(static_cast<std::uint16_t>(0x8000 | index));
    }
    ArchiveBytes& rect(int yMax, int xMin, int yMin, int xMax) {
        return i32(yMax).i32(xMin).i32(yMin).i32(xMax);
    }
    const std::string& bytes() const { return m_bytes; }

private:
    ArchiveBytes& raw(const void* p, std::size_t n) {
        m_bytes.append(static_cast<const char*>(p), n);
        return *this;
    }
    std::string m_bytes;
};

// A golden archive written as annotated hex: pairs of hex digits, "text" for ASCII,
// '#' to the end of the line is a comment.
std::string readHexGolden(const std::filesystem::path& path);

} // namespace tarvex::test
