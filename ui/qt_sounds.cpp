#include "qt_sounds.h"
#include "path_text.h"

#include <QSoundEffect>
#include <QUrl>

QtSounds::QtSounds(QObject* owner, const std::array<std::filesystem::path, 3>& files) {
    for (size_t i = 0; i < players_.size(); ++i) {
        players_[i] = new QSoundEffect(owner);
        players_[i]->setSource(QUrl::fromLocalFile(toQString(files[i])));
    }
}

void QtSounds::play(Sound sound) {
    QSoundEffect* player = players_[static_cast<size_t>(sound) - 1];
    player->stop();
    player->play();
}
