#pragma once

// The three players, each opened on its WAV file at start-up.
enum class Sound { Right = 1, Wrong = 2, RightAfterMiss = 3 };

class Sounds {
  public:
    virtual ~Sounds() = default;
    // Starts from the beginning; never waits for the end.
    virtual void play(Sound sound) = 0;
};
