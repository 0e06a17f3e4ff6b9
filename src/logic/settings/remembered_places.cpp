#include "logic/settings/remembered_places.h"

#include <QSettings>

namespace talvo::logic {

namespace {
QString key(RememberedPlace place) {
    switch (place) {
    case RememberedPlace::ArchiveAddress:
        return QStringLiteral("archiv/adresse");
    case RememberedPlace::ExportFolder:
        return QStringLiteral("ordner/export");
    case RememberedPlace::SlipFolder:
        return QStringLiteral("ordner/spielscheine");
    }
    return {};
}
} // namespace

QString rememberedPlacesFile(const QString& dataDir) {
    return dataDir + QStringLiteral("fenster.ini");
}

QString remembered(const QString& dataDir, RememberedPlace place) {
    const QSettings settings(rememberedPlacesFile(dataDir), QSettings::IniFormat);
    return settings.value(key(place)).toString();
}

void remember(const QString& dataDir, RememberedPlace place, const QString& value) {
    QSettings settings(rememberedPlacesFile(dataDir), QSettings::IniFormat);
    settings.setValue(key(place), value);
}

} // namespace talvo::logic
