#include "temp_program_dir.h"

#include "cp932.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path makeTempDir() {
    std::string pattern = (fs::temp_directory_path() / "potoran-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    return pattern;
}

} // namespace

std::string stubBitmap(int width, int height) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const int pixels = rowBytes * height;
    std::string b(54 + pixels, '\0');
    auto put32 = [&](int at, int v) {
        for (int i = 0; i < 4; ++i) {
            b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54 + pixels);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    b[26] = 1;
    b[28] = 24;
    put32(34, pixels);
    return b;
}

TempProgramDir::TempProgramDir() : root_(makeTempDir()), dir_(root_) {
    fs::create_directories(root_ / "image");
    fs::create_directories(root_ / "UserFile");
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 19, 20, 21, 22, 23, 24, 25, 26, 27}) {
        char name[32];
        std::snprintf(name, sizeof name, "image/%02d.BMP", n);
        write(name, stubBitmap(73, 64));
    }
    write("image/Timeout.BMP", stubBitmap(73, 64));
    write("image/afterreturn.BMP", stubBitmap(73, 64));
    write("right.bmp", stubBitmap(5, 6));
    write("wrong.bmp", stubBitmap(5, 6));
    write("kesu.bmp", stubBitmap(360, 14));
    write("kesu2.bmp", stubBitmap(360, 14));
    // Sounds: a header with no samples; only their presence matters here.
    for (const char* wav : {"seikai.wav", "batu.wav", "seikai2.wav"}) {
        write(wav, std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0"
                               "\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data\0\0\0\0",
                               44));
    }
    writeLines("font.txt", defaultSettings());
    write("checked.txt", "");
}

TempProgramDir::~TempProgramDir() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

void TempProgramDir::write(const std::string& relative, const std::string& bytes) const {
    fs::path p = root_ / relative;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void TempProgramDir::writeLines(const std::string& relative, const LineList& lines) const {
    write(relative, joinLines(lines));
}

std::string TempProgramDir::read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

LineList TempProgramDir::readLines(const std::string& relative) const {
    return splitLines(read(relative));
}

LineList defaultSettings() {
    using cp932::sj;
    return {
        "potoran settings",    // 0
        sj("ＭＳ Ｐ明朝"),     // 1
        sj("ＭＳ Ｐ明朝"),     // 2
        sj("ＭＳ Ｐゴシック"), // 3
        "Times New Roman",     // 4
        "Times New Roman",     // 5
        "16777215",            // 6
        "16777215",            // 7
        "12632256",            // 8
        "16777215",            // 9
        "0",                   // 10
        "unused 11",           // 11
        "unused 12",           // 12
        "unused 13",           // 13
        "25",                  // 14
        "25",                  // 15
        "0",                   // 16
        "0",                   // 17
        "0",                   // 18
        "1",                   // 19
        "0",                   // 20
        "4194304",             // 21
        "4194304",             // 22
        "4194304",             // 23
        "4194304",             // 24
        "8388608",             // 25
        "0",                   // 26
        "0",                   // 27
        "8388608",             // 28
        "16777215",            // 29
    };
}

LineList setLines(const std::string& title, const std::string& instruction,
                  const std::vector<QuestionText>& questions) {
    LineList lines{title, instruction};
    for (const auto& q : questions) {
        lines.push_back(q.line1);
        lines.push_back(q.line2);
        lines.push_back(q.line3);
        lines.push_back(q.answer);
    }
    return lines;
}

LineList numberedSet(int n) {
    std::vector<QuestionText> qs;
    for (int k = 1; k <= n; ++k) {
        qs.push_back({"question " + std::to_string(k), "meaning " + std::to_string(k), " ",
                      "answer" + std::to_string(k)});
    }
    return setLines("Numbered", "Type the answer", qs);
}
