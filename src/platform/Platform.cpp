#include "platform/Platform.h"

#include <QtGlobal>

namespace quillon {

namespace {
Platform *currentPlatform = nullptr;
}

Platform &platform()
{
    Q_ASSERT_X(currentPlatform, "platform()", "setPlatform() must run before the first window");
    return *currentPlatform;
}

void setPlatform(Platform *platform)
{
    currentPlatform = platform;
}

} // namespace quillon
