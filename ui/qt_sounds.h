#pragma once
// The three players, opened on their WAV files at start-up. Without an audio
// device nothing plays and nothing fails; playback is never waited for.

#include "sounds.h"

#include <QObject>
#include <array>
#include <filesystem>

class QSoundEffect;

class QtSounds : public Sounds {
  public:
    QtSounds(QObject* owner, const std::filesystem::path& seikai, const std::filesystem::path& batu,
             const std::filesystem::path& seikai2);
    void play(Sound sound) override;

  private:
    std::array<QSoundEffect*, 3> players_{};
};
