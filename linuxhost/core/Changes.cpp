// Changes to the kernel, sent or planned.
#include "core/Changes.h"

namespace LinuxHost {

namespace {
bool planning = false;
std::vector<std::string>& Plan() {
    static std::vector<std::string> plan;
    return plan;
}
}  // namespace

void SetPlanning(bool value) { planning = value; }
bool Planning() { return planning; }

void Change(const std::string& plan, const std::function<void()>& send) {
    if (planning) {
        Plan().push_back(plan);
        return;
    }
    send();
}

const std::vector<std::string>& PlannedChanges() { return Plan(); }
void ForgetPlannedChanges() { Plan().clear(); }

}  // namespace LinuxHost
