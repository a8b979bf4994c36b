#include "save/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "save/file_messages.h"

namespace korvalin {

namespace {

// Reads up to `limit` + 1 bytes, so that a file grown past its limit since
// it was measured is still found too large.
ReadFault readAll(int fd, std::uintmax_t limit, std::string& bytes)
{
    std::string read;
    char block[65536];
    while (read.size() <= limit) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
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

}  // namespace

ReadFault readRegularFile(const std::filesystem::path& path, std::uintmax_t limit,
                          std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? ReadFault::Missing : ReadFault::Unreadable;
    struct stat status {};
    ReadFault fault = ReadFault::None;
    if (::fstat(fd, &status) != 0)
        fault = ReadFault::Unreadable;
    else if (!S_ISREG(status.st_mode))
        fault = ReadFault::NotAFile;
    else if (static_cast<std::uintmax_t>(status.st_size) > limit)
        fault = ReadFault::TooLarge;
    else
        fault = readAll(fd, limit, bytes);
    ::close(fd);
    return fault;
}

bool isRegularOrMissing(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::symlink_status(path, error).type();
    return type == std::filesystem::file_type::regular ||
           type == std::filesystem::file_type::not_found;
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
