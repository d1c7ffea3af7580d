#include "sounds_module.h"

#include "qt_sounds.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT Sounds*
potoranOpenSounds(QObject* owner, const std::array<std::filesystem::path, 3>& files) {
    return new QtSounds(owner, files);
}
