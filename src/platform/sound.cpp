#include "platform/sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace talvo::platform {

void playClick() {
    // Without an output device a sound effect would only log complaints.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    static QSoundEffect* effect = [] {
        auto* e = new QSoundEffect(QCoreApplication::instance());
        e->setSource(QUrl(QStringLiteral("qrc:/sounds/click.wav")));
        e->setVolume(0.6);
        return e;
    }();
    effect->play();
}

} // namespace talvo::platform
