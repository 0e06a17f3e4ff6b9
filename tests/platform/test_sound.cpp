#include "platform/sound.h"

#include <QFile>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

TEST(Sound, ClickIsAShortWaveInTheResources) {
    QFile click(QStringLiteral(":/sounds/click.wav"));
    ASSERT_TRUE(click.open(QIODevice::ReadOnly));
    const QByteArray bytes = click.readAll();
    EXPECT_TRUE(bytes.startsWith("RIFF"));
    EXPECT_EQ(bytes.mid(8, 4), "WAVE");
    EXPECT_LT(bytes.size(), 10000);
}

TEST(Sound, PlayingWithoutAudioIsSilentAndSafe) {
    int argc = 0;
    QGuiApplication app(argc, nullptr);
    talvo::platform::playClick();
    talvo::platform::playClick();
    app.processEvents();
}

} // namespace
