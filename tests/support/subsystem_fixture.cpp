#include "subsystem_fixture.h"

SubsystemFixture::SubsystemFixture()
    : actions({}, &owner)
{
    actions.setErrorGuard([this](const std::function<void()> &work) { guard.run(work); });
}

QByteArrayList SubsystemFixture::sent()
{
    DrainEventLoop();
    return std::exchange(sender.sent, {});
}
