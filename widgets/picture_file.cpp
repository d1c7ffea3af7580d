#include "picture_file.h"

#include "file_bytes.h"
#include "path_text.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace {

// Far above any picture the program ships; a larger file is not one of them.
constexpr std::size_t MaxPictureBytes = 32u << 20;

QImage readExactly(const QString& file) {
    // Read as a regular file only, without blocking (a FIFO in a picture's
    // place must not stop the window). Opened here also because a reader
    // given a name it cannot open complains on the standard error, and a
    // missing picture is an ordinary case (logo.bmp).
    const auto bytes = readFileBytes(toPath(file), MaxPictureBytes);
    if (!bytes) {
        return QImage();
    }
    QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
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
