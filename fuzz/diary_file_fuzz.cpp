// Any bytes as Nikki.txt: decoded or refused, never a crash; the lines read
// can be written back, and a diary that takes them keeps its 1500 lines.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/diary.h"
#include "save/diary_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = korvalin::decodeDiaryLines(bytes);
    if (!lines)
        return 0;
    if (!korvalin::encodeDiaryLines(*lines))
        std::abort();
    korvalin::Diary diary;
    diary.replaceAll(*lines);
    return 0;
}
