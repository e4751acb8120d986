// Changes to the kernel, sent or planned.
#include "core/Changes.h"

#include <sys/capability.h>

#include <exception>
#include <utility>

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
// The way back from each change sent, oldest first.
std::vector<Undo>& Journal() {
    static std::vector<Undo> journal;
    return journal;
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

void Change(const std::string& plan, const std::function<void()>& send, Undo undo) {
    if (planning) {
        Plan().push_back(plan);
        return;
    }
    // Asked once a process: its capabilities do not grow while it runs.
    static const bool mayAdminister = MayAdministerNetwork();
    if (!mayAdminister) {
        throw Kavrel::Lib::KavrelException(
            "Changing the network needs the CAP_NET_ADMIN capability, which this process does not have: nothing "
            "was changed");
    }
    send();
    Sent().push_back(plan);
    if (undo.plan.empty()) undo.plan = plan + " (no way back is known)";
    Journal().push_back(std::move(undo));
}

const std::vector<std::string>& PlannedChanges() { return Plan(); }
const std::vector<std::string>& SentChanges() { return Sent(); }
void ForgetPlannedChanges() {
    Plan().clear();
    Sent().clear();
    Journal().clear();
}

std::string UndoReport::Describe() const {
    std::string text;
    auto list = [&text](const char* heading, const std::vector<std::string>& plans) {
        if (plans.empty()) return;
        text += text.empty() ? "" : "; ";
        text += heading;
        for (size_t i = 0; i < plans.size(); ++i) text += (i ? "; " : "") + plans[i];
    };
    list("undone: ", undone);
    list("could not be undone: ", failed);
    return text;
}

size_t JournalSize() { return Journal().size(); }

UndoReport UndoSince(size_t mark) {
    UndoReport report;
    auto& journal = Journal();
    while (journal.size() > mark) {
        Undo step = std::move(journal.back());
        journal.pop_back();
        if (!step.run) {
            report.failed.push_back(step.plan);
            continue;
        }
        try {
            step.run();
            report.undone.push_back(step.plan);
        } catch (const Kavrel::Lib::KavrelException& failure) {
            report.failed.push_back(step.plan + " (" + failure.GetDescription() + ")");
        } catch (const std::exception& failure) {
            report.failed.push_back(step.plan + " (" + failure.what() + ")");
        }
    }
    return report;
}

void AllOrNothing(const std::function<void()>& steps) {
    const size_t mark = JournalSize();
    try {
        steps();
    } catch (const Kavrel::Lib::KavrelException& failure) {
        const UndoReport report = UndoSince(mark);
        if (report.failed.empty()) throw;
        throw Kavrel::Lib::KavrelException(failure.GetDescription() + " (the steps before it " + report.Describe() +
                                           ")");
    } catch (...) {
        UndoSince(mark);
        throw;
    }
}

}  // namespace LinuxHost
