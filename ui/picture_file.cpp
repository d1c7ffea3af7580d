#include "picture_file.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

QImage readPicture(const QString& file) {
    // Opened here: a reader given a name it cannot open complains on the
    // standard error, and a missing picture is an ordinary case (logo.bmp).
    QFile device(file);
    if (!device.open(QIODevice::ReadOnly)) {
        return QImage();
    }
    QImageReader reader(&device, QFileInfo(file).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap readPixmap(const QString& file) {
    return QPixmap::fromImage(readPicture(file));
}
