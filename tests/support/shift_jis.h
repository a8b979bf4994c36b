#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "save/cp932.h"

namespace korvalin {

// A text the game may write to a file must survive Shift-JIS unchanged.
inline void expectShiftJisRoundTrip(std::string_view text)
{
    const auto bytes = toCp932(text);
    ASSERT_TRUE(bytes.has_value()) << text;
    EXPECT_EQ(fromCp932(*bytes), text) << text;
}

}  // namespace korvalin
