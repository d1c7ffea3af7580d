#pragma once
// The runtime failures a handler can end with. The dispatcher catches them and
// reports the message; state changed before the failing step stays changed.

#include <stdexcept>
#include <string>

// Message is UTF-8: it may hold a path, which CP932 cannot always carry.
class RuntimeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class FileOpenError : public RuntimeError {
  public:
    explicit FileOpenError(const std::string& name);
};

class FileCreateError : public RuntimeError {
  public:
    explicit FileCreateError(const std::string& name);
};

class ListIndexError : public RuntimeError {
  public:
    explicit ListIndexError(long index);
};

class NotIntegerError : public RuntimeError {
  public:
    explicit NotIntegerError(const std::string& textUtf8);
};

// A set of more than 32 questions does not fit the drill; cutting it would
// lose the questions past 32 at the next save, so it is refused whole.
class SetTooLargeError : public RuntimeError {
  public:
    SetTooLargeError(const std::string& name, long questions);
};
