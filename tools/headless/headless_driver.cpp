#include "headless/headless_driver.h"

#include "session/game.h"

namespace korvalin {

void HeadlessDriver::run(long count, std::span<const ScheduledKey> keys)
{
    auto next = keys.begin();
    for (const long end = ticks_ + count; ticks_ < end; ++ticks_) {
        for (; next != keys.end() && next->beforeTick <= ticks_; ++next) {
            if (next->action == ScheduledKey::Action::Press)
                game_.Travel.FormKeyDown(next->virtualKey);
            else
                game_.Travel.FormKeyUp(next->virtualKey);
        }
        game_.Travel.advanceJourney();
        const int wait = game_.Travel.Timer1Interval;
        elapsed_ += wait;
        if (clock_ != nullptr)
            clock_->advance(wait);
    }
}

}  // namespace korvalin
