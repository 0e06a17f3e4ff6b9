#include "ui/common/standard_icon.h"

#include <QHash>
#include <QIcon>

namespace talvo::ui {

QIcon standardIcon(QStyle* style, QStyle::StandardPixmap icon) {
    static QHash<const QStyle*, QHash<int, QIcon>> made;
    auto styleIcons = made.find(style);
    if (styleIcons == made.end()) {
        // A style that goes takes its icons with it; a later style may get its address.
        QObject::connect(style, &QObject::destroyed, [style] { made.remove(style); });
        styleIcons = made.insert(style, {});
    }
    auto it = styleIcons->find(icon);
    if (it == styleIcons->end())
        it = styleIcons->insert(icon, style->standardIcon(icon));
    return *it;
}

} // namespace talvo::ui
