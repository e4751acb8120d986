// The host-control library's one exception type.
#pragma once

#include <exception>
#include <string>

namespace Kavrel {
namespace Lib {

class KavrelException : public std::exception {
public:
    KavrelException();
    explicit KavrelException(const std::string& description);
    ~KavrelException() override;

    const std::string& GetDescription() const { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

    std::string description_;
};

}  // namespace Lib
}  // namespace Kavrel
