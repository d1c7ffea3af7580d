#include "deferred_sounds.h"

#include "sounds_module.h"

#include <QLibrary>
#include <cstdio>
#include <utility>

DeferredSounds::DeferredSounds(QObject* owner, QString modulePath,
                               std::array<std::filesystem::path, 3> files)
    : owner_(owner), modulePath_(std::move(modulePath)), files_(std::move(files)) {}

DeferredSounds::~DeferredSounds() = default;

void DeferredSounds::prepare() {
    if (state_ == State::Open) {
        players_->prepare();
    }
    if (state_ != State::NotLoaded) {
        return;
    }
    // Never unloaded: the players' code must outlive them.
    QLibrary module(modulePath_);
    auto open = reinterpret_cast<OpenSoundsFn>(module.resolve(SoundsModuleEntry));
    if (!open) {
        state_ = State::Unavailable;
        failure_ = module.errorString();
        std::fprintf(stderr, "potoran: no sound: %s\n", qUtf8Printable(failure_));
        return;
    }
    players_.reset(open(owner_, files_));
    state_ = State::Open;
}

void DeferredSounds::play(Sound sound) {
    const size_t i = static_cast<size_t>(sound) - 1;
    std::error_code ec;
    if (!reported_[i] && !std::filesystem::is_regular_file(files_[i], ec) && reportMissing) {
        reported_[i] = true;
        reportMissing(files_[i].filename().string());
    }
    if (state_ == State::NotLoaded) {
        prepare();
    }
    if (players_) {
        players_->play(sound);
    }
}
