#pragma once

// The three players, each opened on its WAV file.
enum class Sound { Right = 1, Wrong = 2, RightAfterMiss = 3 };

class Sounds {
  public:
    virtual ~Sounds() = default;
    // Every pass begins with this, so players that open late are ready
    // before the first answer, and those that found no sound server try again.
    virtual void prepare() {}
    // Starts from the beginning; never waits for the end.
    virtual void play(Sound sound) = 0;
};
