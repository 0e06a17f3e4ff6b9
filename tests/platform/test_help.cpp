#include "logic/core/error.h"
#include "platform/help.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEngine>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kHelpFile = QStringLiteral(TALVO_BIN_DIR "/TALVO Hilfe.qch");

QString openError(const QString& helpFile, const QString& collection) {
    try {
        talvo::platform::openHelp(helpFile, collection);
    } catch (const talvo::logic::Error& e) {
        return e.text();
    }
    return {};
}

} // namespace

class Help : public ::testing::Test {
  protected:
    QString collection() const { return dir.filePath(QStringLiteral("cache/TALVO Hilfe.qhc")); }

    int argc = 0;
    // The engine indexes its topics in a thread of its own with rich-text documents, which
    // need the fonts of a GUI application.
    QGuiApplication app{argc, nullptr};
    QTemporaryDir dir;
};

TEST_F(Help, TheBuiltHelpHasATopicForEveryContextNumber) {
    auto engine = talvo::platform::openHelp(kHelpFile, collection());
    for (int context : {0, 40, 50, 55, 60, 70, 90, 100, 110, 120, 130, 140, 1017})
        EXPECT_FALSE(talvo::platform::helpTopic(*engine, context).isEmpty()) << context;
    EXPECT_EQ(talvo::platform::helpTopic(*engine, 40).fileName(), QStringLiteral("zentrale.html"));
    EXPECT_TRUE(talvo::platform::helpTopic(*engine, 41).isEmpty());
    EXPECT_TRUE(engine->fileData(talvo::platform::helpTopic(*engine, 40)).contains("Die Zentrale"));
}

TEST_F(Help, TheRegisterFollowsTheHelpFileToItsNewPlace) {
    const QString first = dir.filePath(QStringLiteral("alt/TALVO Hilfe.qch"));
    const QString moved = dir.filePath(QStringLiteral("neu/TALVO Hilfe.qch"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("alt"))) &&
                QDir().mkpath(dir.filePath(QStringLiteral("neu"))));
    ASSERT_TRUE(QFile::copy(kHelpFile, first) && QFile::copy(kHelpFile, moved));
    talvo::platform::openHelp(first, collection());
    auto again = talvo::platform::openHelp(first, collection());
    ASSERT_EQ(again->registeredDocumentations().size(), 1);
    EXPECT_EQ(again->documentationFileName(again->registeredDocumentations().first()), first);
    again.reset();
    // The program was installed elsewhere: the register now names the new file.
    QFile::remove(first);
    auto renewed = talvo::platform::openHelp(moved, collection());
    ASSERT_EQ(renewed->registeredDocumentations().size(), 1);
    EXPECT_EQ(renewed->documentationFileName(renewed->registeredDocumentations().first()), moved);
    EXPECT_FALSE(talvo::platform::helpTopic(*renewed, 90).isEmpty());
}

TEST_F(Help, AMissingOrBrokenHelpFileIsReportedInGerman) {
    const QString missing = dir.filePath(QStringLiteral("fehlt.qch"));
    EXPECT_EQ(openError(missing, collection()),
              QStringLiteral("Die Hilfe \"%1\" kann nicht geöffnet werden: Die Datei fehlt.").arg(missing));
    const QString broken = dir.filePath(QStringLiteral("kaputt.qch"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keine Hilfe");
    f.close();
    EXPECT_TRUE(openError(broken, collection()).endsWith(QStringLiteral("Die Datei ist beschädigt.")));
}
