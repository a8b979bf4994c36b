#pragma once

#include <sys/types.h>

#include <cstddef>

namespace korvalin {

// The system calls through which the game writes its files. They are the
// system's own; a test puts in calls that fail as a failing disk does, to
// see every save either finish or leave the old files whole.
struct SystemCalls {
    int (*open)(const char* path, int flags);
    int (*mkstemp)(char* pattern);
    int (*fchmod)(int fd, mode_t mode);
    ssize_t (*write)(int fd, const void* bytes, std::size_t count);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};

const SystemCalls& systemCalls();

// Until the returned value is destroyed, the file layer goes through `calls`.
class SystemCallsInUse {
public:
    explicit SystemCallsInUse(const SystemCalls& calls);
    SystemCallsInUse(const SystemCallsInUse&) = delete;
    SystemCallsInUse& operator=(const SystemCallsInUse&) = delete;
    ~SystemCallsInUse();

private:
    const SystemCalls* previous_;
};

}  // namespace korvalin
