#include "cp932_text.h"

#include "cp932.h"

#include <QList>

namespace cp932text {

std::size_t charLength(std::string_view bytes, std::size_t pos) {
    const bool lead = cp932::isLeadByte(static_cast<unsigned char>(bytes[pos]));
    return lead && pos + 1 < bytes.size() ? 2 : 1;
}

int characterCount(std::string_view bytes) {
    int count = 0;
    for (std::size_t pos = 0; pos < bytes.size(); pos += charLength(bytes, pos)) {
        ++count;
    }
    return count;
}

std::size_t gradationSplit(std::string_view bytes) {
    const std::size_t n = bytes.size() / 2;
    std::size_t pos = 0;
    while (pos < n) {
        const std::size_t length = charLength(bytes, pos);
        if (pos + length > n) {
            // Byte n (counted from 1) is the lead byte of this character.
            return pos + length;
        }
        pos += length;
    }
    return n;
}

} // namespace cp932text

Cp932Text::Cp932Text(const QString& text) {
    // A character the placeholder stands for: the full-width question mark.
    static const std::string placeholder = cp932::sj("？");
    const QList<uint> codes = text.toUcs4();
    for (uint code : codes) {
        const char32_t point = code;
        const QString character = QString::fromUcs4(&point, 1);
        const auto encoded = cp932::encode(character.toStdString());
        characters_.push_back({bytes_.size(), character});
        bytes_ += encoded && !encoded->empty() ? *encoded : placeholder;
    }
}

QString Cp932Text::display(std::size_t from, std::size_t to) const {
    QString out;
    for (const Character& c : characters_) {
        if (c.offset >= from && c.offset < to) {
            out += c.text;
        }
    }
    return out;
}
