#include "game/mo_catalogue.h"

#include <cstdint>

namespace korvalin {

namespace {

constexpr std::uint32_t Magic = 0x950412de;

std::uint32_t wordAt(std::string_view bytes, std::size_t offset)
{
    std::uint32_t word = 0;
    for (std::size_t i = 4; i-- > 0;)
        word = word << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return word;
}

// The string the table of string descriptors at `table` gives as its
// `index`th: its length and offset, then the string, ended by a NUL byte.
// Nothing when any of it lies outside the file.
std::optional<std::string_view> stringAt(std::string_view bytes, std::uint32_t table,
                                         std::uint32_t index)
{
    const std::uint64_t descriptor = table + std::uint64_t{8} * index;
    if (descriptor + 8 > bytes.size())
        return std::nullopt;
    const std::uint64_t length = wordAt(bytes, descriptor);
    const std::uint64_t offset = wordAt(bytes, descriptor + 4);
    if (offset + length >= bytes.size() || bytes[offset + length] != '\0')
        return std::nullopt;
    const std::string_view text = bytes.substr(offset, length);
    // A text with plural forms holds them all, each ended by a NUL.
    return text.substr(0, text.find('\0'));
}

}  // namespace

std::optional<MoCatalogue> MoCatalogue::read(std::string_view bytes)
{
    constexpr std::size_t HeaderSize = 20;
    if (bytes.size() < HeaderSize || wordAt(bytes, 0) != Magic || wordAt(bytes, 4) >> 16 > 1)
        return std::nullopt;
    const std::uint32_t count = wordAt(bytes, 8);
    const std::uint32_t originals = wordAt(bytes, 12);
    const std::uint32_t translations = wordAt(bytes, 16);
    MoCatalogue catalogue;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::optional<std::string_view> original = stringAt(bytes, originals, i);
        const std::optional<std::string_view> translation = stringAt(bytes, translations, i);
        if (!original || !translation)
            return std::nullopt;
        catalogue.translations_.emplace(*original, *translation);
    }
    return catalogue;
}

const char* MoCatalogue::find(const std::string& key) const
{
    const auto found = translations_.find(key);
    return found == translations_.end() ? nullptr : found->second.c_str();
}

}  // namespace korvalin
