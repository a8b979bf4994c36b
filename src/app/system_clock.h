#pragma once

#include "game/ports.h"

namespace korvalin {

class SystemClock : public Clock {
public:
    std::uint32_t millisecondsSinceMidnightUtc() const override;
    std::chrono::year_month_day today() const override;
};

}  // namespace korvalin
