#pragma once
// A label text seen as the CP932 bytes it stands for. The shadow label colours
// text character by character and splits it at a byte count, so the split has
// to be made on the bytes, while the characters are drawn from Unicode.

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cp932text {

// Bytes of the character starting at `pos`: two when the byte there is a lead
// byte and not the last byte of `bytes`, otherwise one.
std::size_t charLength(std::string_view bytes, std::size_t pos);

// Every byte counts except the trail byte of a double-byte character.
int characterCount(std::string_view bytes);

// Byte length of the first piece of a three-colour gradation: half the bytes,
// one more when that would end on the lead byte of a double-byte character.
// The characters are walked from the start, so a trail byte that happens to
// lie in the lead-byte range never moves the split into the next character.
std::size_t gradationSplit(std::string_view bytes);

} // namespace cp932text

class Cp932Text {
  public:
    // A character CP932 cannot hold stands in the bytes as a two-byte
    // placeholder, so it is counted as one character and never cut.
    explicit Cp932Text(const QString& text);

    const std::string& bytes() const { return bytes_; }
    // The original characters whose bytes lie in [from, to).
    QString display(std::size_t from, std::size_t to) const;

  private:
    struct Character {
        std::size_t offset;
        QString text;
    };
    std::string bytes_;
    std::vector<Character> characters_;
};
