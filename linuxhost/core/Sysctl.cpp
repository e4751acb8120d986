// Settings under /proc/sys/net.
#include "core/Sysctl.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Netstack.h"
#include "kavrel/Lib.h"

namespace LinuxHost {

namespace {
// A setting is one short line; more than this is not a setting.
constexpr size_t kMaxSettingSize = 4096;
}  // namespace

std::optional<std::string> ReadSetting(const std::string& netstack, const std::string& path) {
    InNetstack inside(netstack);
    const int fd = open(("/proc/sys/net/" + path).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    std::string text(kMaxSettingSize, '\0');
    ssize_t size = -1;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) size = read(fd, text.data(), text.size());
    close(fd);
    if (size < 0) return std::nullopt;
    text.resize(static_cast<size_t>(size));
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

void WriteSetting(const std::string& netstack, const std::string& path, const std::string& value) {
    InNetstack inside(netstack);
    const int fd = open(("/proc/sys/net/" + path).c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (write(fd, value.data(), value.size()) != static_cast<ssize_t>(value.size())) error = errno ? errno : EIO;
        if (close(fd) != 0 && !error) error = errno;
    }
    if (error) {
        throw Kavrel::Lib::KavrelException("Cannot set " + path + " to " + value + ": " + std::strerror(error));
    }
}

}  // namespace LinuxHost
