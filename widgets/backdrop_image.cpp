#include "backdrop_image.h"
#include "picture_file.h"

#include <QImage>
#include <QPainter>
#include <utility>

namespace {

bool rowsAreUniform(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const QRgb first = image.pixel(0, y);
        for (int x = 1; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

BackdropImage::BackdropImage(QWidget* parent, QString file)
    : QWidget(parent), file_(std::move(file)) {}

const QPixmap& BackdropImage::stretched() {
    if (stretchedFor_ == size()) {
        return stretched_;
    }
    stretchedFor_ = size();
    stretched_ = QPixmap();
    const QImage picture = readPicture(file_);
    if (picture.isNull() || size().isEmpty()) {
        return stretched_; // nothing to show, as an image without a picture
    }
    // Scaling each row's single colour gives that colour again, so a column
    // stretched to the height equals every column of the full stretch.
    const bool column = rowsAreUniform(picture);
    const QImage source = column ? picture.copy(0, 0, 1, picture.height()) : picture;
    stretched_ = QPixmap::fromImage(source.scaled(column ? 1 : width(), height(),
                                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return stretched_;
}

void BackdropImage::paintEvent(QPaintEvent*) {
    const QPixmap& p = stretched();
    if (p.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), p);
}
