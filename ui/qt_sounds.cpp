#include "qt_sounds.h"
#include "path_text.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSounds::QtSounds(QObject* owner, const std::array<std::filesystem::path, 3>& files)
    : owner_(owner), files_(files) {
    for (size_t i = 0; i < players_.size(); ++i) {
        open(i);
    }
}

void QtSounds::open(size_t i) {
    delete players_[i];
    // A player binds to the output that is there when it is made.
    withoutServer_[i] = QMediaDevices::defaultAudioOutput().isNull();
    players_[i] = new QSoundEffect(owner_);
    // Only a regular file is handed to the player: a FIFO or a device in a
    // sound's place would stop its decoder. Such a file is reported as
    // missing when it is to be played.
    std::error_code ec;
    if (std::filesystem::is_regular_file(files_[i], ec)) {
        players_[i]->setSource(QUrl::fromLocalFile(toQString(files_[i])));
    }
}

void QtSounds::prepare() {
    for (size_t i = 0; i < players_.size(); ++i) {
        std::error_code ec;
        // A missing file is no reason to open again: it stays missing.
        if (withoutServer_[i] && std::filesystem::is_regular_file(files_[i], ec) &&
            !QMediaDevices::defaultAudioOutput().isNull()) {
            open(i);
        }
    }
}

void QtSounds::play(Sound sound) {
    QSoundEffect* player = players_[static_cast<size_t>(sound) - 1];
    player->stop();
    player->play();
}
