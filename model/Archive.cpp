#include "model/Archive.h"

#include <bit>
#include <cstring>
#include <limits>

static_assert(std::endian::native == std::endian::little,
              "the archive copies little-endian values byte for byte");
static_assert(sizeof(int) == 4 && sizeof(double) == 8);

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(std::string_view data) : m_storing(false), m_in(data) {}

void CArchive::Put(const void* bytes, std::size_t size) {
    m_out.append(static_cast<const char*>(bytes), size);
}

void CArchive::Need(std::size_t size) const {
    if (size > Remaining())
        throw CArchiveException(CArchiveException::Cause::EndOfFile, "archive ends early");
}

void CArchive::Get(void* bytes, std::size_t size) {
    Need(size);
    std::memcpy(bytes, m_in.data() + m_pos, size);
    m_pos += size;
}

void CArchive::PutWord(std::uint16_t word) {
    Put(&word, sizeof word);
}
void CArchive::PutDword(std::uint32_t dword) {
    Put(&dword, sizeof dword);
}

std::uint16_t CArchive::GetWord() {
    std::uint16_t word = 0;
    Get(&word, sizeof word);
    return word;
}

std::uint32_t CArchive::GetDword() {
    std::uint32_t dword = 0;
    Get(&dword, sizeof dword);
    return dword;
}

void CArchive::Exchange(int& value) {
    if (m_storing)
        Put(&value, sizeof value);
    else
        Get(&value, sizeof value);
}

void CArchive::Exchange(double& value) {
    if (m_storing)
        Put(&value, sizeof value);
    else
        Get(&value, sizeof value);
}

void CArchive::Exchange(std::string& value) {
    if (m_storing) {
        const std::size_t length = value.size();
        if (length < 0xFF) {
            const auto byte = static_cast<std::uint8_t>(length);
            Put(&byte, 1);
        } else {
            const std::uint8_t escape = 0xFF;
            Put(&escape, 1);
            if (length < 0xFFFE) {
                PutWord(static_cast<std::uint16_t>(length));
            } else {
                if (length > std::numeric_limits<std::uint32_t>::max())
                    throw CArchiveException(CArchiveException::Cause::BadFormat,
                                            "string too long for the archive");
                PutWord(0xFFFF);
                PutDword(static_cast<std::uint32_t>(length));
            }
        }
        Put(value.data(), length);
        return;
    }
    std::uint8_t byte = 0;
    Get(&byte, 1);
    std::size_t length = byte;
    if (byte == 0xFF) {
        length = GetWord();
        if (length == 0xFFFF) length = GetDword();
    }
    Need(length); // before allocating: a length can never exceed the bytes left
    value.assign(m_in.data() + m_pos, length);
    m_pos += length;
}

void CArchive::WriteCount(std::uint32_t count) {
    if (count < 0xFFFF) {
        PutWord(static_cast<std::uint16_t>(count));
    } else {
        PutWord(0xFFFF);
        PutDword(count);
    }
}

std::uint32_t CArchive::ReadCount() {
    std::uint32_t count = GetWord();
    if (count == 0xFFFF) count = GetDword();
    // Every object takes at least its 2-byte tag; a larger count can only be a damaged
    // file, and refusing it here keeps a hostile count from driving a long loop.
    if (count > Remaining() / 2)
        throw CArchiveException(CArchiveException::Cause::EndOfFile, "count past the end");
    return count;
}

void CArchive::WriteObjectTag(const char* className) {
    for (const ClassRecord& record : m_classes) {
        if (record.name == className) {
            if (record.index < kBigObjectTag) {
                PutWord(static_cast<std::uint16_t>(kClassTag | record.index));
            } else {
                PutWord(kBigObjectTag);
                PutDword(kBigClassTag | record.index);
            }
            ++m_nextIndex; // the object itself
            return;
        }
    }
    const std::size_t length = std::strlen(className);
    PutWord(kNewClassTag);
    PutWord(kSchema);
    PutWord(static_cast<std::uint16_t>(length));
    Put(className, length);
    m_classes.push_back({className, m_nextIndex++});
    ++m_nextIndex; // the object itself
}

bool CArchive::ReadObjectTag(const char* className) {
    const std::uint16_t tag = GetWord();
    if (tag == kNullTag) return false;
    if (tag == kNewClassTag) {
        const std::uint16_t schema = GetWord();
        const std::uint16_t length = GetWord();
        if (length == 0 || length > kMaxClassNameLength)
            throw CArchiveException(CArchiveException::Cause::BadFormat, "bad class name");
        Need(length);
        const std::string_view name = m_in.substr(m_pos, length);
        m_pos += length;
        // Each array holds one class only; anything else (a class this program does
        // not know, or an element in the wrong array) is not a document of ours.
        if (name != className)
            throw CArchiveException(CArchiveException::Cause::BadFormat, "unexpected class");
        if (schema != kSchema)
            throw CArchiveException(CArchiveException::Cause::BadSchema, "wrong schema");
        // A writer records each class once; a repeated record keeps the class list (and
        // so every lookup) as short as the number of classes.
        for (const ClassRecord& record : m_classes)
            if (record.name == name)
                throw CArchiveException(CArchiveException::Cause::BadFormat,
                                        "class recorded twice");
        m_classes.push_back({std::string(name), m_nextIndex++});
        ++m_nextIndex;
        return true;
    }
    std::uint32_t reference = 0;
    if (tag == kBigObjectTag)
        reference = GetDword();
    else
        reference = (static_cast<std::uint32_t>(tag & kClassTag) << 16) | (tag & ~kClassTag);
    if ((reference & kBigClassTag) == 0) // a second reference to an object already read
        throw CArchiveException(CArchiveException::Cause::BadFormat, "shared object");
    const std::uint32_t index = reference & ~kBigClassTag;
    for (const ClassRecord& record : m_classes) {
        if (record.index == index) {
            if (record.name != className)
                throw CArchiveException(CArchiveException::Cause::BadFormat, "unexpected class");
            ++m_nextIndex;
            return true;
        }
    }
    throw CArchiveException(CArchiveException::Cause::BadFormat, "bad class index");
}
