#include "logic/core/paths.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::logic::AppPaths;

namespace {

// An installed program finds its files in share/talvo beside its bin folder; without
// that folder (the build tree) they lie beside the executable.
TEST(ProgramFolder, SharedFolderOfAnInstallationElseTheExecutablesFolder) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(AppPaths::programFolder(bin), bin);
    EXPECT_EQ(AppPaths::programFolder(bin + QStringLiteral("/")), bin);

    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("usr/share/talvo"))));
    EXPECT_EQ(AppPaths::programFolder(bin), root.filePath(QStringLiteral("usr/share/talvo")));
}

} // namespace
