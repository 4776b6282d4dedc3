#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A small object archive that reads and writes the standard object-archive wire format,
// so documents written by earlier versions of the program open unchanged
// (all little-endian, no padding):
//
//   int     4-byte two's complement          double  8-byte IEEE 754 binary64
//   string  length byte (< 255); or 0xFF + 16-bit length; or, for 65 534 characters or
//           more, 0xFF, 0xFFFF and a 32-bit length; then the characters, no terminator
//   count   16-bit word below 0xFFFF, otherwise 0xFFFF and a 32-bit count
//   object  null: the word 0. First object of a class: 0xFFFF, 16-bit schema, 16-bit
//           name length, the class name. Later objects of a class already seen: the
//           word 0x8000 | index of its class record. Indices count from 1 over every
//           class record and every object, in the order they appear. Past 0x7FFE
//           indices a class reference is the word 0x7FFF and the 32-bit
//           0x80000000 | index.
//
// The fields of an object follow its tag and are written by the object itself through
// Exchange/Fields, which write when storing and read when loading, so each class states
// its field order once.
//
// Loading works on bytes in memory and checks every length and count against the bytes
// left before using it, so a damaged or hostile file cannot make it allocate more than
// the file could hold. Every failure throws CArchiveException.
class CArchiveException : public std::runtime_error {
public:
    enum class Cause {
        BadFormat, // not such an archive: bad tag, unknown or misplaced class
        BadSchema, // a class record with a schema this program does not read
        EndOfFile  // the file ends inside a record
    };
    CArchiveException(Cause cause, const std::string& what)
        : std::runtime_error(what), m_cause(cause) {}
    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};

class CArchive {
public:
    static constexpr std::uint16_t kSchema = 1;

    // A storing archive collecting bytes in memory.
    CArchive();
    // A loading archive over `data`, which must outlive the archive.
    explicit CArchive(std::string_view data);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    void Exchange(int& value);
    void Exchange(double& value);
    void Exchange(std::string& value);
    template <class... T> void Fields(T&... values) { (Exchange(values), ...); }

    // Element counts of object arrays.
    void WriteCount(std::uint32_t count);
    // The count, after checking that that many objects could follow (each takes at
    // least the 2-byte tag).
    std::uint32_t ReadCount();

    // Tag before an object of class `className` (never null when storing).
    void WriteObjectTag(const char* className);
    // Reads the tag of the next object, which must be null or of class `className`.
    // Returns false for a null object. A new class record must carry schema 1; an
    // object reference (the same object twice) is refused, since every element has
    // exactly one owner.
    bool ReadObjectTag(const char* className);

    // The bytes written so far (storing archive).
    const std::string& Bytes() const { return m_out; }
    // Bytes left to read (loading archive).
    std::size_t Remaining() const { return m_in.size() - m_pos; }

private:
    void Put(const void* bytes, std::size_t size);
    void Get(void* bytes, std::size_t size);
    std::uint16_t GetWord();
    std::uint32_t GetDword();
    void PutWord(std::uint16_t word);
    void PutDword(std::uint32_t dword);
    void Need(std::size_t size) const;

    static constexpr std::uint16_t kNullTag = 0;
    static constexpr std::uint16_t kNewClassTag = 0xFFFF;
    static constexpr std::uint16_t kClassTag = 0x8000;
    static constexpr std::uint16_t kBigObjectTag = 0x7FFF;
    static constexpr std::uint32_t kBigClassTag = 0x80000000u;
    static constexpr std::size_t kMaxClassNameLength = 64;

    bool m_storing;
    std::string m_out;
    std::string_view m_in;
    std::size_t m_pos = 0;

    // Class records in order of appearance with their archive indices; the index
    // counter also advances for every object.
    struct ClassRecord {
        std::string name;
        std::uint32_t index;
    };
    std::vector<ClassRecord> m_classes;
    std::uint32_t m_nextIndex = 1;
};
