#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

TempProgramDir& fuzzFolder() {
    static TempProgramDir folder;
    return folder;
}

std::string bytesOf(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

void fuzzFailure(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

FuzzDrill::FuzzDrill(int screenWidth) : drill(fuzzFolder().dir(), dialogs, sounds, screen) {
    screen.w = screenWidth;
    drill.state.SettingsList = defaultSettings();
    drill.form.Memo1.font.color = 0;
}
