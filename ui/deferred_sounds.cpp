#include "deferred_sounds.h"

#include "sounds_module.h"

#include <QFileInfo>
#include <QLibrary>
#include <cstdio>
#include <unistd.h>
#include <utility>

namespace {

// Whether a PulseAudio (or PipeWire) server's socket is there. Qt makes its
// connection to the server once per process, with the first player: made
// without a server it never connects, even after one comes up.
bool soundServerReachable() {
    const QByteArray server = qgetenv("PULSE_SERVER");
    if (!server.isEmpty()) {
        for (QByteArray entry : server.split(' ')) {
            if (entry.startsWith('{')) {
                entry = entry.mid(entry.indexOf('}') + 1);
            }
            if (entry.startsWith("unix:")) {
                entry = entry.mid(5);
            }
            if (entry.isEmpty()) {
                continue;
            }
            // A server on the network: only connecting tells.
            if (!entry.startsWith('/') || QFileInfo::exists(QString::fromLocal8Bit(entry))) {
                return true;
            }
        }
        return false;
    }
    QByteArray folder = qgetenv("PULSE_RUNTIME_PATH");
    if (folder.isEmpty()) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        folder =
            (runtime.isEmpty() ? "/run/user/" + QByteArray::number(getuid()) : runtime) + "/pulse";
    }
    for (const QByteArray& socket : {folder + "/native", QByteArray("/run/pulse/native")}) {
        if (QFileInfo::exists(QString::fromLocal8Bit(socket))) {
            return true;
        }
    }
    return false;
}

} // namespace

DeferredSounds::DeferredSounds(QObject* owner, QString modulePath,
                               std::array<std::filesystem::path, 3> files)
    : owner_(owner), modulePath_(std::move(modulePath)), files_(std::move(files)) {}

DeferredSounds::~DeferredSounds() = default;

void DeferredSounds::prepare() {
    if (state_ == State::Open) {
        players_->prepare();
        return;
    }
    if (state_ == State::Unavailable) {
        return;
    }
    if (!soundServerReachable()) {
        if (state_ != State::NoServer) {
            state_ = State::NoServer;
            std::fprintf(stderr, "potoran: no sound: no sound server is running; "
                                 "looking again when the next pass begins\n");
        }
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
