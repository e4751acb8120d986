// Settings under /proc/sys/net.
#include "core/Sysctl.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>

#include "FileIo.h"
#include "core/Netstack.h"
#include "kavrel/Lib.h"

namespace LinuxHost {

namespace {
// A setting is one short line; more than this is not a setting.
constexpr size_t kMaxSettingSize = 4096;
}  // namespace

std::optional<std::string> ReadSetting(const std::string& netstack, const std::string& path) {
    InNetstack inside(netstack);
    Talix::FileIo::ReadRules rules;
    rules.limit = kMaxSettingSize;
    std::string text;
    if (!Talix::FileIo::ReadFullFile("/proc/sys/net/" + path, rules, text).Ok()) return std::nullopt;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

void WriteSetting(const std::string& netstack, const std::string& path, const std::string& value) {
    InNetstack inside(netstack);
    Talix::FileIo::UniqueFd file(
        open(("/proc/sys/net/" + path).c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    int error = file ? 0 : errno;
    if (file && !Talix::FileIo::WriteAll(file.Get(), value.data(), value.size())) error = errno ? errno : EIO;
    if (file) {
        const int closed = file.Close();
        if (!error) error = closed;
    }
    if (error) {
        throw Kavrel::Lib::KavrelException("Cannot set " + path + " to " + value + ": " + std::strerror(error));
    }
}

}  // namespace LinuxHost
