#include "support/SoundServer.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace testing_support {

bool soundDevicesPresent()
{
    return !QMediaDevices::defaultAudioOutput().isNull() && !QMediaDevices::defaultAudioInput().isNull();
}

}  // namespace testing_support
