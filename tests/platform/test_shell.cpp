#include "platform/shell.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <optional>

// shellOpen asks the desktop's xdg-open and believes its exit code. A stand-in xdg-open
// on the PATH records what it was given and answers with the code the test chooses.
class ShellOpen : public ::testing::Test {
  protected:
    void SetUp() override {
        oldPath = qgetenv("PATH");
        qputenv("PATH", (bin.path() + QStringLiteral(":") + QString::fromLocal8Bit(oldPath)).toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", oldPath); }

    void opener(int exitCode) {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                         .arg(given(), QString::number(exitCode))
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString given() const { return bin.filePath(QStringLiteral("given.txt")); }
    QString readGiven() const {
        QFile f(given());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    int argc = 0;
    QCoreApplication app{argc, nullptr};
    QTemporaryDir bin;
    QByteArray oldPath;
};

TEST_F(ShellOpen, TheOpenersExitCodeDecides) {
    const struct {
        int exitCode;
        bool opened;
    } cases[] = {{0, true}, {3, false}, {4, false}};
    for (const auto& c : cases) {
        opener(c.exitCode);
        EXPECT_EQ(talvo::platform::shellOpen(QStringLiteral("mailto:a@b.de?subject=TALVO")), c.opened)
            << "exit code " << c.exitCode;
        EXPECT_EQ(readGiven(), QStringLiteral("mailto:a@b.de?subject=TALVO"));
    }
}

TEST_F(ShellOpen, AFileIsHandedOverAsFileAddress) {
    opener(0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ziehungen 2024.xlsx"));
    QFile(path).open(QIODevice::WriteOnly);
    EXPECT_TRUE(talvo::platform::shellOpen(path));
    EXPECT_EQ(readGiven(), QUrl::fromLocalFile(path).toString());
}

TEST_F(ShellOpen, WithoutAnOpenerNothingIsOpened) {
    qputenv("PATH", bin.path().toLocal8Bit()); // an empty folder: no xdg-open at all
    EXPECT_FALSE(talvo::platform::shellOpen(QStringLiteral("https://www.lotto.de/keno")));
}

TEST_F(ShellOpen, TheTestOpenerReplacesTheDesktop) {
    QStringList seen;
    talvo::platform::setShellOpenerForTests([&](const QString& address) {
        seen << address;
        return false;
    });
    EXPECT_FALSE(talvo::platform::shellOpen(QStringLiteral("https://www.lotto.de/keno")));
    talvo::platform::setShellOpenerForTests({});
    EXPECT_EQ(seen, QStringList{QStringLiteral("https://www.lotto.de/keno")});
}

// The same without waiting: the answer comes later, from the exit code all the same.
TEST_F(ShellOpen, WithoutWaitingTheAnswerComesLater) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tops.xlsx"));
    QFile(path).open(QIODevice::WriteOnly);
    const auto openAndWait = [&] {
        QObject context;
        QEventLoop loop;
        std::optional<bool> answer;
        talvo::platform::shellOpenAsync(path, &context, [&](bool opened) {
            answer = opened;
            loop.quit();
        });
        EXPECT_FALSE(answer.has_value());
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        return answer;
    };
    for (const int exitCode : {0, 3}) {
        opener(exitCode);
        EXPECT_EQ(openAndWait(), std::optional<bool>(exitCode == 0)) << "exit code " << exitCode;
        EXPECT_EQ(readGiven(), QUrl::fromLocalFile(path).toString());
    }
    qputenv("PATH", bin.path().toLocal8Bit() + "/none");
    EXPECT_EQ(openAndWait(), std::optional<bool>(false));

    talvo::platform::setShellOpenerForTests([](const QString&) { return true; });
    EXPECT_EQ(openAndWait(), std::optional<bool>(true));
    talvo::platform::setShellOpenerForTests({});
}
