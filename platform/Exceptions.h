#pragma once

#include <exception>
#include <string>

// Base of every failure the program reports to the user. The message is the
// text the error box shows (see ErrorBoxText for the full stop rule), in UTF-8.
class KyvadloError : public std::exception {
public:
    explicit KyvadloError(std::string message);

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text that is not a number: "'%s' is not a valid floating point value".
class ConversionError : public KyvadloError {
public:
    explicit ConversionError(const std::string& text);
};

// "Floating point division by zero".
class FloatDivisionByZero : public KyvadloError {
public:
    FloatDivisionByZero();
};

// "Invalid floating point operation" (0/0 and the like).
class InvalidFloatOperation : public KyvadloError {
public:
    InvalidFloatOperation();
};

// "Floating point overflow": a result does not fit the type it is stored in.
class FloatOverflow : public KyvadloError {
public:
    FloatOverflow();
};

// "List index out of bounds (%d)".
class ListIndexError : public KyvadloError {
public:
    explicit ListIndexError(long long index);
};
