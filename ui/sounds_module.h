#pragma once
// The one entry point of the sounds module, a library of its own beside the
// executable so that Qt Multimedia and the audio libraries under it are
// loaded only when a drill needs them, not at every start.

#include "sounds.h"

#include <array>
#include <filesystem>

class QObject;

// The module's name in the program folder; QLibrary adds the platform's
// suffix (.so, .dll).
inline constexpr const char* SoundsModuleFile = "potoran_sounds";
inline constexpr const char* SoundsModuleEntry = "potoranOpenSounds";

// Opens the three players (right, wrong, right after a miss) as children of
// owner; the caller owns the result.
using OpenSoundsFn = Sounds* (*)(QObject* owner, const std::array<std::filesystem::path, 3>& files);
