// The line-list reader takes every file the program opens: sets, settings,
// marks and the learner's own files, any bytes at all.
#include "cp932.h"
#include "file_bytes.h"
#include "fuzz_support.h"
#include "line_list.h"

#include <string_view>

namespace {

bool validUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const size_t n = b < 0x80         ? 1
                         : (b >> 5) == 6  ? 2
                         : (b >> 4) == 14 ? 3
                         : (b >> 3) == 30 ? 4
                                          : 0;
        if (n == 0 || i + n > s.size()) {
            return false;
        }
        for (size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesOf(data, size);
    const LineList lines = splitLines(bytes);

    size_t held = 0;
    for (const std::string& line : lines) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
            fuzzFailure("a line holds a line end or a NUL");
        }
        held += line.size();
        // Display never fails on damaged text.
        if (!validUtf8(cp932::decode(line))) {
            fuzzFailure("lenient decoding gave invalid UTF-8");
        }
        const size_t cut = cp932::safeCut(line, 200);
        if (cut > 200 || cut > line.size()) {
            fuzzFailure("a cut is longer than asked");
        }
    }
    if (held > size) {
        fuzzFailure("the lines hold more bytes than the file");
    }
    // NUL ends the text: what follows it is never read.
    if (const size_t nul = bytes.find('\0'); nul != std::string::npos) {
        if (splitLines(std::string_view(bytes).substr(0, nul)) != lines) {
            fuzzFailure("bytes after a NUL changed the lines");
        }
    }
    // Written back, the lines read the same.
    if (splitLines(joinLines(lines)) != lines) {
        fuzzFailure("joined lines split differently");
    }
    // The file reader sees exactly what the splitter sees.
    TempProgramDir& folder = fuzzFolder();
    folder.write("UserFile/lines.txt", bytes);
    if (readLineFile(folder.path("UserFile/lines.txt"), "lines.txt", NoSizeLimit) != lines) {
        fuzzFailure("the file reader and the splitter disagree");
    }
    return 0;
}
