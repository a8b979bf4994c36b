#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvalin {

// A file's name as the game's UTF-8 text, and back. A plain string makes a
// path in the system's own code page, which on Windows is not UTF-8: the
// names a journal holds go through these on every system.
inline std::string utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline std::filesystem::path pathOfUtf8(std::string_view text)
{
    return std::u8string(text.begin(), text.end());
}

}  // namespace korvalin
