// Any bytes through the Shift-JIS decoder: a text it accepts must encode
// again, and decode to the same text a second time.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "save/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto text = korvalin::fromCp932(bytes);
    if (!text)
        return 0;
    const auto encoded = korvalin::toCp932(*text);
    if (!encoded)
        std::abort();
    const auto again = korvalin::fromCp932(*encoded);
    if (!again || *again != *text)
        std::abort();
    return 0;
}
