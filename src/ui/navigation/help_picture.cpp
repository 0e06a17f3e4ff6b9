#include "ui/navigation/help_picture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace talvo::ui {

QImage helpPicture(QWidget& window, int maxWidth) {
    QPixmap canvas(window.size() * kHelpPictureScale);
    canvas.setDevicePixelRatio(kHelpPictureScale);
    canvas.fill(window.palette().window().color());
    window.render(&canvas);
    QImage picture = canvas.toImage();
    const int storedWidth = static_cast<int>(std::lround(maxWidth * kHelpPictureScale));
    if (picture.width() > storedWidth)
        picture = picture.scaledToWidth(storedWidth, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(1.0);
    return picture;
}

QImage helpPictureForScreen(const QImage& stored, qreal devicePixelRatio) {
    QImage picture = stored;
    if (!qFuzzyCompare(devicePixelRatio, kHelpPictureScale)) {
        const qreal factor = devicePixelRatio / kHelpPictureScale;
        const QSize size(std::max(1, static_cast<int>(std::lround(stored.width() * factor))),
                         std::max(1, static_cast<int>(std::lround(stored.height() * factor))));
        picture = stored.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace talvo::ui
