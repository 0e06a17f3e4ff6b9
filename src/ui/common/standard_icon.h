#pragma once

#include <QStyle>

class QIcon;

namespace talvo::ui {

// The style's standard icon, made once for each icon and style: making one reads and
// decodes its images, and the windows made at start ask for the same few icons dozens of
// times.
QIcon standardIcon(QStyle* style, QStyle::StandardPixmap icon);

} // namespace talvo::ui
