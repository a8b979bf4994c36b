#pragma once

#include <cstdint>

namespace korvalin {

// The named colours of the game's windows, as 0xRRGGBB. The form models
// carry them as plain numbers; the Qt windows turn them into QColor.
namespace colors {
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Silver = 0xC0C0C0;
inline constexpr std::uint32_t Maroon = 0x800000;
inline constexpr std::uint32_t Purple = 0x800080;
inline constexpr std::uint32_t Red = 0xFF0000;
inline constexpr std::uint32_t Fuchsia = 0xFF00FF;
inline constexpr std::uint32_t Yellow = 0xFFFF00;
inline constexpr std::uint32_t Blue = 0x0000FF;
inline constexpr std::uint32_t Lime = 0x00FF00;
inline constexpr std::uint32_t Navy = 0x000080;
inline constexpr std::uint32_t Green = 0x008000;
inline constexpr std::uint32_t Teal = 0x008080;
inline constexpr std::uint32_t Aqua = 0x00FFFF;
}  // namespace colors

}  // namespace korvalin
