#pragma once
// The window's players. The sounds module is loaded and the players opened
// when the first pass begins with a sound server running (Sounds::prepare),
// not at start-up: a learner who only opens the program does not pay for the
// audio stack. Without the module or a server there is no sound and no error
// box, as without an audio device; the reason is written to the standard
// error once.

#include "sounds.h"

#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QObject;

class DeferredSounds : public Sounds {
  public:
    DeferredSounds(QObject* owner, QString modulePath, std::array<std::filesystem::path, 3> files);

    // Told the name of a sound file that cannot be read, once per file per
    // run, when it is to be played; the drill goes on without it.
    std::function<void(const std::string& fileName)> reportMissing;
    ~DeferredSounds() override;

    // Loads the module once a sound server is there, looking again at each
    // pass until one is; later lets the players open again those that found
    // no server.
    void prepare() override;
    void play(Sound sound) override;

    enum class State { NotLoaded, NoServer, Open, Unavailable };
    State state() const { return state_; }
    // Why the players are unavailable; empty otherwise.
    const QString& failure() const { return failure_; }

  private:
    QObject* owner_;
    QString modulePath_;
    std::array<std::filesystem::path, 3> files_;
    State state_ = State::NotLoaded;
    QString failure_;
    std::unique_ptr<Sounds> players_;
    std::array<bool, 3> reported_{};
};
