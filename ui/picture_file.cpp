#include "picture_file.h"

#include <QFileInfo>
#include <QImageReader>

QImage readPicture(const QString& file) {
    QImageReader reader(file, QFileInfo(file).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap readPixmap(const QString& file) {
    return QPixmap::fromImage(readPicture(file));
}
