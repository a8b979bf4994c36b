#include "save/regular_file.h"

#include "save/file_messages.h"

namespace korvalin {

ReadFault readUpTo(std::uintmax_t limit, std::string& bytes, const BlockReader& readBlock)
{
    std::string read;
    char block[65536];
    while (read.size() <= limit) {
        const std::ptrdiff_t got = readBlock(block, sizeof block);
        if (got < 0)
            return ReadFault::Unreadable;
        if (got == 0)
            break;
        read.append(block, static_cast<std::size_t>(got));
    }
    if (read.size() > limit)
        return ReadFault::TooLarge;
    bytes = std::move(read);
    return ReadFault::None;
}

std::string readFaultMessage(ReadFault fault, const ReadFaultTexts& texts,
                             const std::filesystem::path& path)
{
    const std::string_view text = fault == ReadFault::NotAFile   ? texts.notAFile
                                  : fault == ReadFault::TooLarge ? texts.tooLarge
                                                                 : texts.unreadable;
    return fill(tr(text), quotedPath(path));
}

}  // namespace korvalin
