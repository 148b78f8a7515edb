// Waiting for the drills' lock on the log, alike on every platform: tried again after a short
// pause until it is free, the file system says it has none, or the moment is over by the clock
// (a pause on a loaded machine, or Windows' timer, may last far longer than asked).
#pragma once

#include "drill/log_append.h"

#include <chrono>
#include <thread>

enum class Lock { Held, Busy, None };

template <typename TryLock> Lock waitForLock(TryLock tryLock)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(lockWaitMilliseconds);
    for (;;) {
        const Lock lock = tryLock();
        if (lock != Lock::Busy || Clock::now() >= until)
            return lock;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
