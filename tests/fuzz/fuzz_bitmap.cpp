// The mark and erase bitmaps lie beside the program as files anyone can
// replace, and the drill reads each header at the step that draws it. Any
// bytes under those names: the header is refused or gives a size within
// bounds that the file holds, and the drill goes on; the surface's
// arithmetic holds for any position.
#include "bitmap_file.h"
#include "errors.h"
#include "fuzz_support.h"
#include "surface.h"

#include <cstring>
#include <limits>

namespace {

int intAt(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    if (at + 4 <= bytes.size()) {
        std::memcpy(&v, bytes.data() + at, 4);
    }
    return static_cast<int>(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesOf(data, size);
    TempProgramDir& folder = fuzzFolder();
    for (const char* name : {"right.bmp", "wrong.bmp", "kesu.bmp"}) {
        folder.write(name, bytes);
    }

    try {
        const BitmapSize s = readBitmapSize(folder.path("right.bmp"), "right.bmp");
        if (s.width < 1 || s.height < 1 || s.width > MaxBitmapSide || s.height > MaxBitmapSide) {
            fuzzFailure("a bitmap size out of bounds was accepted");
        }
        // At least one bit per pixel of the rows claimed, unless compressed.
        const int compression = intAt(bytes, 14) != 12 ? intAt(bytes, 30) : 0;
        const bool compressed = compression == 1 || compression == 2;
        if (!compressed &&
            static_cast<std::uint64_t>(s.width) * static_cast<std::uint64_t>(s.height) >
                8 * static_cast<std::uint64_t>(bytes.size())) {
            fuzzFailure("a bitmap larger than its file was accepted");
        }
    } catch (const FileOpenError&) {
    }

    // A pass that paints right and wrong marks and erases them.
    FuzzDrill d;
    Drill& drill = d.drill;
    d.run([&] {
        drill.CloseSet();
        drill.state.QuestionList = numberedSet(3);
        drill.state.CurrentBase = 2;
        drill.BeginPass();
    });
    drill.form.Memo1.text = "answer1";
    d.run([&] { drill.SpdBtnkaitouClick(); });
    drill.form.Memo1.text = "?";
    d.run([&] { drill.SpdBtnkaitouClick(); });
    for (const SurfaceOp& op : drill.form.surface.ops()) {
        if (op.width < 0 || op.height < 0 ||
            (op.kind == SurfaceOp::Kind::Bitmap &&
             (op.width > MaxBitmapSide || op.height > MaxBitmapSide))) {
            fuzzFailure("a drawing operation of impossible size");
        }
    }

    // The surface with positions anywhere in the int range.
    Surface surface;
    for (std::size_t at = 0; at + 16 <= bytes.size() && at < 16 * 64; at += 16) {
        const int x = intAt(bytes, at);
        const int y = intAt(bytes, at + 4);
        const int w = static_cast<int>(static_cast<unsigned>(intAt(bytes, at + 8)) % 4097);
        const int h = static_cast<int>(static_cast<unsigned>(intAt(bytes, at + 12)) % 4097);
        if (at % 32 == 0) {
            surface.bitmap(x, y, w, h, "x.bmp", "x.bmp");
        } else {
            surface.text(x, y, "12", 0);
        }
        surface.topAt(x, y);
        surface.charAt(std::numeric_limits<int>::max(), y);
    }
    return 0;
}
