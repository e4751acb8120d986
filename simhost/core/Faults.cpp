// Injected host-control failures.
#include "Faults.h"

#include "HostStore.h"

namespace SimHost {

namespace {
// A fault's text as a message: control characters shown as \xNN (the way the
// host shows unsafe names), so that a fault file cannot drive the terminal,
// and an empty text replaced by a description of the fault.
std::string FaultMessage(const char* operation, const std::string& text) {
    if (text.empty()) return std::string("Injected failure of ") + operation + " (the fault has no description).";
    std::string shown;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            const char* digits = "0123456789abcdef";
            shown += std::string("\\x") + digits[c >> 4] + digits[c & 15];
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}
}  // namespace

void CheckFault(const char* operation) {
    const auto& faults = HostStore::Instance().Read<FaultTable>().byOperation;
    if (faults.empty()) return;
    auto found = faults.find(operation);
    if (found != faults.end()) throw Kavrel::Lib::KavrelException(FaultMessage(operation, found->second));
}

}  // namespace SimHost
