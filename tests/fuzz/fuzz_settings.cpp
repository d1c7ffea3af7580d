// font.txt sits beside the program where the learner can edit it: start-up
// reads and applies it, the confirmed finish rereads it and writes it back.
#include "catalogue.h"
#include "errors.h"
#include "fuzz_support.h"
#include "line_list.h"
#include "settings_file.h"

namespace {

// Lines the finish replaces; every other line must come back as it was.
bool ownedLine(size_t index) {
    return (index >= 1 && index <= 10) || (index >= 14 && index <= 29);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesOf(data, size);
    TempProgramDir& folder = fuzzFolder();
    folder.write(SettingsFileName, bytes);

    // Odd sizes start on a narrow screen, which scales the fonts first.
    FuzzDrill d(size % 2 ? 800 : 1280);
    Catalogue catalogue(d.drill);
    d.run([&] { catalogue.FormCreate(); });
    const bool applied = d.dialogs.errors().empty();
    const LineList read = splitLines(bytes);
    if (applied && read.size() < 30) {
        fuzzFailure("a settings list too short to apply was applied");
    }

    if (applied) {
        // What the finish stores can be applied again, and storing is stable.
        LineList stored = read;
        storeSettings(stored, d.drill.form, d.drill.state);
        for (size_t i = 0; i < read.size(); ++i) {
            if (!ownedLine(i) && stored[i] != read[i]) {
                fuzzFailure("storing changed a line the program does not own");
            }
        }
        Form again;
        applySettings(stored, again);
        LineList restored = stored;
        storeSettings(restored, again, d.drill.state);
        if (restored != stored) {
            fuzzFailure("stored settings do not read back as stored");
        }
    }

    // The confirmed finish: written whole, or the old file left untouched.
    d.dialogs.answers.push_back(Answer::Yes);
    d.run([&] { catalogue.SpdBtnTojiruClick(); });
    const std::string after = folder.read(SettingsFileName);
    if (d.dialogs.closed) {
        // The finish stores only the lines start-up applied: a file that
        // stopped applying at line 28 is still saved, without lines 28 and 29.
        LiveLines live;
        Form scratch;
        try {
            applySettings(read, scratch, &live);
        } catch (const RuntimeError&) {
        }
        LineList expected = read;
        storeSettings(expected, d.drill.form, d.drill.state, live);
        if (after != joinLines(expected)) {
            fuzzFailure("the finish wrote something else than the stored list");
        }
    } else if (after != bytes) {
        fuzzFailure("a failed finish changed font.txt");
    }
    return 0;
}
