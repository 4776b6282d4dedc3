#pragma once

#include <stdexcept>
#include <string>

// A fault in an example source file, reported as "file:line: message" so an editor or a
// terminal can jump to it. Line 0 stands for the file as a whole.
class CSourceError : public std::runtime_error {
public:
    CSourceError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(Format(file, line, message)), m_file(file), m_line(line),
          m_message(message) {}

    const std::string& File() const { return m_file; }
    int Line() const { return m_line; }
    const std::string& Message() const { return m_message; }

    static std::string Format(const std::string& file, int line, const std::string& message) {
        return line > 0 ? file + ":" + std::to_string(line) + ": " + message
                        : file + ": " + message;
    }

private:
    std::string m_file;
    int m_line;
    std::string m_message;
};
