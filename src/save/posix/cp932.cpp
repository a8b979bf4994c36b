#include "save/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace korvalin {

namespace {

// One conversion descriptor per direction for the life of the program: a
// diary file is converted line by line, and opening iconv for each of its
// 1500 lines cost more than the conversions.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<std::string> operator()(std::string_view input)
    {
        if (!valid())
            return std::nullopt;
        // A failed conversion may have left the descriptor in a shift state.
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> in(input.begin(), input.end());
        std::string out;
        char* inPtr = in.data();
        std::size_t inLeft = in.size();
        char buffer[512];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG)
                return std::nullopt;
        }
        return out;
    }

private:
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    iconv_t cd_;
};

}  // namespace

// glibc's "CP932" is the Windows table; its "SHIFT_JIS" is the strict JIS
// one, which rejects ㎡ and reads 0x5C as a yen sign.
std::optional<std::string> toCp932(std::string_view utf8)
{
    static Converter converter("CP932", "UTF-8");
    return converter(utf8);
}

std::optional<std::string> fromCp932(std::string_view bytes)
{
    static Converter converter("UTF-8", "CP932");
    return converter(bytes);
}

}  // namespace korvalin
