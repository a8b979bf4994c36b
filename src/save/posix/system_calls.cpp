#include "save/posix/system_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace korvalin {

namespace {

const SystemCalls PosixCalls = {
    .open = [](const char* path, int flags) { return ::open(path, flags); },
    .mkstemp = ::mkstemp,
    .fchmod = ::fchmod,
    .write = ::write,
    .fsync = ::fsync,
    .close = ::close,
    .rename = std::rename,
};

const SystemCalls* inUse = &PosixCalls;

}  // namespace

const SystemCalls& systemCalls()
{
    return *inUse;
}

SystemCallsInUse::SystemCallsInUse(const SystemCalls& calls) : previous_(inUse)
{
    inUse = &calls;
}

SystemCallsInUse::~SystemCallsInUse()
{
    inUse = previous_;
}

}  // namespace korvalin
