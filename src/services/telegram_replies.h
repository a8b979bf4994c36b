#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace korvalin {

// An answer from home, chosen by denpono (0..9): its text, the money it
// sends to the bank and the diary line that tells of it (empty: none).
struct TelegramReply {
    std::string_view text;
    std::int32_t money;
    std::string_view diaryLine;
};

using TelegramReplies = std::array<TelegramReply, 10>;

// To "パスポート紛失、金送れ"; its diary line replaces the usual receipt line.
extern const TelegramReplies PassportReplies;
// To "元気に旅行中"; never money.
extern const TelegramReplies GreetingReplies;
// To "金送れ"; the diary line follows the usual receipt line.
extern const TelegramReplies MoneyReplies;

}  // namespace korvalin
