#include "cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace cp932 {
namespace {

// One converter per direction and thread; iconv_open is far slower than a
// conversion of a short line.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-8");
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns false on the first invalid input,
    // leaving `in` at the offending byte.
    bool convert(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = in.size();
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<size_t>(-1)) {
                if (errno == E2BIG) {
                    continue;
                }
                return false;
            }
        }
        return true;
    }

  private:
    iconv_t cd_;
};

Converter& decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

} // namespace

std::string decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    while (!decoder().convert(bytes, out)) {
        out += "\xEF\xBF\xBD";
        bytes.remove_prefix(1);
    }
    return out;
}

std::optional<std::string> encode(std::string_view utf8) {
    std::string out;
    std::string_view in = utf8;
    if (!encoder().convert(in, out)) {
        return std::nullopt;
    }
    return out;
}

std::string encodeTyped(std::string_view utf8) {
    std::string out;
    while (!utf8.empty()) {
        size_t n = std::min(utf8Length(static_cast<unsigned char>(utf8[0])), utf8.size());
        auto one = encode(utf8.substr(0, n));
        if (one) {
            out += *one;
        } else {
            out += '\0';
        }
        utf8.remove_prefix(n);
    }
    return out;
}

std::string sj(std::string_view utf8) {
    auto out = encode(utf8);
    if (!out) {
        throw std::logic_error("program text not encodable in CP932");
    }
    return *out;
}

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

size_t safeCut(std::string_view bytes, size_t maxBytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        size_t step =
            isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
        if (i + step > maxBytes) {
            break;
        }
        i += step;
    }
    return i;
}

std::string excerpt(std::string_view bytes) {
    const size_t cut = safeCut(bytes, QuoteBytes);
    return cut == bytes.size() ? decode(bytes) : decode(bytes.substr(0, cut)) + "…";
}

std::string utf8Excerpt(std::string_view utf8) {
    if (utf8.size() <= QuoteBytes) {
        return std::string(utf8);
    }
    size_t cut = QuoteBytes;
    // Back over continuation bytes to the start of the character cut through.
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(utf8.substr(0, cut)) + "…";
}

} // namespace cp932
