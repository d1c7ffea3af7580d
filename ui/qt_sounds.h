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
    void play(Sound sound) override;

  private:
    std::array<QSoundEffect*, 3> players_{};
};
