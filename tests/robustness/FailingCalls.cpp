// Preloaded into talixcli by the system-call failure tests: makes one C
// library call fail, as a disk or the kernel can, where nothing else can make
// it fail for a process running as root. TALIX_FAIL_CALL=NAME:TEXT fails the
// call NAME (open, fsync, flock, rename or realpath) with EIO whenever the
// path it works on contains TEXT; every other call passes through.
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <stdarg.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Whether the call `name` on `path` is the one to fail.
bool ShouldFail(const char* name, const std::string& path) {
    const char* setting = std::getenv("TALIX_FAIL_CALL");
    if (setting == nullptr) return false;
    const char* colon = std::strchr(setting, ':');
    if (colon == nullptr || std::string(setting, colon) != name) return false;
    return path.find(colon + 1) != std::string::npos;
}

std::string PathOfDescriptor(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link, target, sizeof target);
    return length > 0 ? std::string(target, static_cast<size_t>(length)) : std::string();
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

int Failed() {
    errno = EIO;
    return -1;
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list arguments;
        va_start(arguments, flags);
        mode = static_cast<mode_t>(va_arg(arguments, int));
        va_end(arguments);
    }
    if (ShouldFail("open", path)) return Failed();
    static auto real = Next<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}

int fsync(int fd) {
    if (ShouldFail("fsync", PathOfDescriptor(fd))) return Failed();
    static auto real = Next<int (*)(int)>("fsync");
    return real(fd);
}

int flock(int fd, int operation) {
    if (ShouldFail("flock", PathOfDescriptor(fd))) return Failed();
    static auto real = Next<int (*)(int, int)>("flock");
    return real(fd, operation);
}

int rename(const char* from, const char* to) {
    if (ShouldFail("rename", to)) return Failed();
    static auto real = Next<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}

char* realpath(const char* path, char* resolved) {
    if (ShouldFail("realpath", path)) {
        errno = EIO;
        return nullptr;
    }
    static auto real = Next<char* (*)(const char*, char*)>("realpath");
    return real(path, resolved);
}

}  // extern "C"
