// The host-control library's exception.
#include "kavrel/Lib.h"

namespace Kavrel {
namespace Lib {

KavrelException::KavrelException() = default;
KavrelException::KavrelException(const std::string& description) : description_(description) {}
KavrelException::~KavrelException() = default;

}  // namespace Lib
}  // namespace Kavrel
