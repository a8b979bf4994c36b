#include "save/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace korvalin {

namespace {

// glibc's "CP932" is the Windows table; its "SHIFT_JIS" is the strict JIS
// one, which rejects ㎡ and reads 0x5C as a yen sign.
std::optional<std::string> convert(std::string_view input, const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;

    std::vector<char> in(input.begin(), input.end());
    std::string out;
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char buffer[512];
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8)
{
    return convert(utf8, "CP932", "UTF-8");
}

std::optional<std::string> fromCp932(std::string_view bytes)
{
    return convert(bytes, "UTF-8", "CP932");
}

}  // namespace korvalin
