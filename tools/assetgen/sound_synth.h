#pragma once
// The three drill sounds, synthesised: each under a second, starting and
// ending at silence so that playback never clicks, then followed by silence
// that a player may cut off.

#include <vector>

// Every partial lies below 9 kHz; the player holds each sound whole in
// memory, and half the rate of CD audio halves that.
constexpr int SoundSampleRate = 22050;
constexpr double TrailingSilenceSeconds = 0.3;

// seikai.wav, a right answer at the first try: a bright rising arpeggio.
std::vector<double> brightChime();

// batu.wav, a wrong answer: a short low buzz sliding down.
std::vector<double> lowBuzz();

// seikai2.wav, a right answer after a miss: a quieter two-note chime.
std::vector<double> softChime();
