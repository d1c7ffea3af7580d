#pragma once
// The three players, opened on their WAV files. Without an audio device
// nothing plays and nothing fails; playback is never waited for. Built into
// the sounds module only (see deferred_sounds.h).

#include "sounds.h"

#include <QObject>
#include <array>
#include <filesystem>

class QSoundEffect;

class QtSounds : public Sounds {
  public:
    QtSounds(QObject* owner, const std::array<std::filesystem::path, 3>& files);
    // Opens again the players that found no sound server: one that starts
    // after the program (a slow login) is heard from the next pass on.
    void prepare() override;
    void play(Sound sound) override;

  private:
    void open(size_t i);

    QObject* owner_;
    std::array<std::filesystem::path, 3> files_;
    std::array<QSoundEffect*, 3> players_{};
    std::array<bool, 3> withoutServer_{};
};
