// Changes to the kernel, sent or planned.
#include "core/Changes.h"

#include <sys/capability.h>

#include "kavrel/Lib.h"

namespace LinuxHost {

namespace {
bool planning = false;
std::vector<std::string>& Plan() {
    static std::vector<std::string> plan;
    return plan;
}
std::vector<std::string>& Sent() {
    static std::vector<std::string> sent;
    return sent;
}
}  // namespace

void SetPlanning(bool value) { planning = value; }
bool Planning() { return planning; }

namespace {
// Whether the process may change the network: asked before the first change
// of a command is sent, so that a missing privilege changes nothing.
bool MayAdministerNetwork() {
    cap_t capabilities = cap_get_proc();
    if (!capabilities) return false;
    cap_flag_value_t effective = CAP_CLEAR;
    cap_get_flag(capabilities, CAP_NET_ADMIN, CAP_EFFECTIVE, &effective);
    cap_free(capabilities);
    return effective == CAP_SET;
}
}  // namespace

void Change(const std::string& plan, const std::function<void()>& send) {
    if (planning) {
        Plan().push_back(plan);
        return;
    }
    if (!MayAdministerNetwork()) {
        throw Kavrel::Lib::KavrelException(
            "Changing the network needs the CAP_NET_ADMIN capability, which this process does not have: nothing "
            "was changed");
    }
    send();
    Sent().push_back(plan);
}

const std::vector<std::string>& PlannedChanges() { return Plan(); }
const std::vector<std::string>& SentChanges() { return Sent(); }
void ForgetPlannedChanges() {
    Plan().clear();
    Sent().clear();
}

}  // namespace LinuxHost
