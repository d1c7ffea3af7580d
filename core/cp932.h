#pragma once
// Shift-JIS (code page 932) text. Set files, settings and marks stay CP932
// bytes from read to write; only display needs Unicode (UTF-8 here).

#include <optional>
#include <string>
#include <string_view>

namespace cp932 {

// Lenient: a byte sequence that is not CP932 becomes U+FFFD, never an error,
// so a damaged set still shows and drills.
std::string decode(std::string_view bytes);

// Strict: empty when the text holds a character the C library cannot convert
// to CP932. Some characters have two code points but one code: input methods
// type U+301C and U+2212 where CP932 reads back U+FF5E and U+FF0D. Both are
// the same character to the learner, so no round trip is asked for.
std::optional<std::string> encode(std::string_view utf8);

// For typed answers: every character CP932 cannot carry becomes a NUL byte.
// File lines never hold NUL, so such an answer can never match.
std::string encodeTyped(std::string_view utf8);

// Encodes a program literal; the literal is known to be encodable.
std::string sj(std::string_view utf8);

bool isLeadByte(unsigned char byte);

// Byte length of the longest prefix of at most maxBytes that does not split a
// double-byte character.
std::size_t safeCut(std::string_view bytes, std::size_t maxBytes);

// Outside text quoted in a message or a caption: at most QuoteBytes bytes, cut
// on a character boundary and followed by "…" when cut. A megabyte quoted
// whole freezes the window while the box lays it out.
constexpr std::size_t QuoteBytes = 64;
std::string excerpt(std::string_view bytes);

// The same cut for text that is already UTF-8 (an exception's message).
std::string utf8Excerpt(std::string_view utf8);

} // namespace cp932
