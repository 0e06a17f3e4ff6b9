#include "logic/settings/remembered_places.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

class RememberedPlaces : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString dataDir() const { return dir.path() + QLatin1Char('/'); }
};

TEST_F(RememberedPlaces, NothingIsRememberedAtFirst) {
    for (auto place :
         {RememberedPlace::ArchiveAddress, RememberedPlace::ExportFolder, RememberedPlace::SlipFolder})
        EXPECT_TRUE(remembered(dataDir(), place).isEmpty());
    EXPECT_FALSE(QFile::exists(rememberedPlacesFile(dataDir())));
}

TEST_F(RememberedPlaces, EachPlaceKeepsItsOwnValueAcrossRuns) {
    const QString address = QStringLiteral("https://www.lotto.de/keno/archiv.csv?jahr=2024&x=ä");
    const QString exports = QStringLiteral("/home/spieler/Dokumente/KENO Auswertungen");
    remember(dataDir(), RememberedPlace::ArchiveAddress, address);
    remember(dataDir(), RememberedPlace::ExportFolder, exports);
    EXPECT_EQ(remembered(dataDir(), RememberedPlace::ArchiveAddress), address);
    EXPECT_EQ(remembered(dataDir(), RememberedPlace::ExportFolder), exports);
    EXPECT_TRUE(remembered(dataDir(), RememberedPlace::SlipFolder).isEmpty());
    remember(dataDir(), RememberedPlace::ExportFolder, QStringLiteral("/tmp"));
    EXPECT_EQ(remembered(dataDir(), RememberedPlace::ExportFolder), QStringLiteral("/tmp"));
    EXPECT_EQ(remembered(dataDir(), RememberedPlace::ArchiveAddress), address);
}

TEST_F(RememberedPlaces, AFileOfRandomBytesRemembersNothing) {
    QFile file(rememberedPlacesFile(dataDir()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 7919) % 256));
    file.write(junk);
    file.close();
    EXPECT_TRUE(remembered(dataDir(), RememberedPlace::ArchiveAddress).isEmpty());
    remember(dataDir(), RememberedPlace::SlipFolder, QStringLiteral("/home/spieler"));
    EXPECT_EQ(remembered(dataDir(), RememberedPlace::SlipFolder), QStringLiteral("/home/spieler"));
}

} // namespace
