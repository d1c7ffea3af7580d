#pragma once
// What the fuzz targets share: one program folder per process, a drill on it
// with scripted ports, and the way a broken property stops the run.

#include "drill.h"
#include "scripted_dialogs.h"
#include "temp_program_dir.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string>

// Made on first use under TMPDIR with the stub pictures and default files.
TempProgramDir& fuzzFolder();

std::string bytesOf(const std::uint8_t* data, std::size_t size);

// A property of a reader does not hold: print it and abort, which libFuzzer
// records as a crash with the input that caused it.
[[noreturn]] void fuzzFailure(const char* what);

// Input bytes choose the learner's moves, so a seed file stays a valid file.
class Moves {
  public:
    explicit Moves(const std::string& bytes)
        : state_(std::accumulate(bytes.begin(), bytes.end(), 2166136261u, [](unsigned a, char c) {
              return (a ^ static_cast<unsigned char>(c)) * 16777619u;
          })) {}
    unsigned next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

  private:
    unsigned state_;
};

// A fresh drill for each input, so no state leaks from one input to the next.
struct FuzzDrill {
    ScriptedDialogs dialogs;
    RecordingSounds sounds;
    FixedScreen screen;
    Drill drill;

    explicit FuzzDrill(int screenWidth = 1280);
    // As the window does: a failing handler ends with its message reported.
    void run(const std::function<void()>& handler) { drill.dispatcher().run(handler); }
};
