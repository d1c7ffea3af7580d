#include "picture_file.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace {

QImage readExactly(const QString& file) {
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

} // namespace

QImage readPicture(const QString& file, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        const QFileInfo info(file);
        QImage sharp = readExactly(info.path() + QLatin1Char('/') + info.completeBaseName() +
                                   QLatin1String("@2x.") + info.suffix());
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return readExactly(file);
}

QPixmap readPixmap(const QString& file) {
    return QPixmap::fromImage(readPicture(file, qGuiApp->devicePixelRatio()));
}
