#include "integer_text.h"

#include "cp932.h"
#include "errors.h"

std::int32_t toInteger(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        throw NotIntegerError(cp932::excerpt(text));
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') {
            throw NotIntegerError(cp932::excerpt(text));
        }
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) {
            throw NotIntegerError(cp932::excerpt(text));
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > 2147483647LL) {
        throw NotIntegerError(cp932::excerpt(text));
    }
    return static_cast<std::int32_t>(value);
}

const std::string& lineAt(const LineList& lines, long index) {
    if (index < 0 || static_cast<size_t>(index) >= lines.size()) {
        throw ListIndexError(index);
    }
    return lines[static_cast<size_t>(index)];
}

std::int32_t integerLine(const LineList& lines, long index) {
    return toInteger(lineAt(lines, index));
}
