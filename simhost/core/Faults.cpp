// Injected host-control failures.
#include "Faults.h"

#include "HostStore.h"

namespace SimHost {

void CheckFault(const char* operation) {
    const auto& faults = HostStore::Instance().Read<FaultTable>().byOperation;
    if (faults.empty()) return;
    auto found = faults.find(operation);
    if (found != faults.end()) throw Kavrel::Lib::KavrelException(found->second);
}

}  // namespace SimHost
