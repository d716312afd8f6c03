#pragma once

#include <stdexcept>
#include <string>

class QString;

namespace lineora {

// Operations throw these; the shell's one error boundary turns them into a message box, and the
// event that raised them stops there with everything stored before it kept.

// A conversion that would divide by zero, leave the floating-point range or not fit an int32.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const char* what) : std::runtime_error(what) {}
    explicit CalcError(const std::string& what) : std::runtime_error(what) {}
    explicit CalcError(const QString& what);
};

// A file that cannot be read or written, or whose contents are damaged.
class FileError : public std::runtime_error {
public:
    explicit FileError(const char* what) : std::runtime_error(what) {}
    explicit FileError(const std::string& what) : std::runtime_error(what) {}
    explicit FileError(const QString& what);
};

// A text that should be a number and is not.
class FormatError : public std::runtime_error {
public:
    explicit FormatError(const char* what) : std::runtime_error(what) {}
    explicit FormatError(const std::string& what) : std::runtime_error(what) {}
    explicit FormatError(const QString& what);
};

} // namespace lineora
