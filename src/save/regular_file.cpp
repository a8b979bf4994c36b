#include "save/regular_file.h"

#include "save/file_messages.h"

namespace korvalin {

std::string readFaultMessage(ReadFault fault, const ReadFaultTexts& texts,
                             const std::filesystem::path& path)
{
    const std::string_view text = fault == ReadFault::NotAFile   ? texts.notAFile
                                  : fault == ReadFault::TooLarge ? texts.tooLarge
                                                                 : texts.unreadable;
    return fill(tr(text), quotedPath(path));
}

}  // namespace korvalin
