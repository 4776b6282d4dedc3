#pragma once

#include <cstddef>

// One output record (a line without its line feed) built field by field in a fixed
// buffer, the way the engine's reports are laid out:
//  - fixed fields are right-justified in their width; a real always shows its decimals;
//    a value too wide for its field is written as a field of asterisks;
//  - free-format records start with one blank and separate their items by one blank,
//    numbers in their shortest usual form.
// Text beyond the buffer is dropped, never written past it.
namespace tarvex::engine {

class Record {
public:
    static constexpr std::size_t kCapacity = 512;

    Record& text(const char* s);
    Record& text(const char* s, std::size_t length);
    Record& blanks(int count);
    Record& integer(long long value, int width);
    Record& real(double value, int width, int decimals);
    // An integer in as many columns as it needs.
    Record& number(long long value);

    // Free-format items: the first item of a record is preceded by the leading blank,
    // every later one by a separating blank.
    Record& item(const char* s);
    Record& item(long long value);
    Record& item(double value);

    const char* data() const { return m_text; }
    std::size_t size() const { return m_length; }
    void clear() { m_length = 0; }

private:
    void put(char c);
    void field(const char* formatted, int width);
    void separator();

    char m_text[kCapacity + 1] = {};
    std::size_t m_length = 0;
};

} // namespace tarvex::engine
