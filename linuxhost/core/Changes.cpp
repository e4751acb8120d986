// Changes to the kernel, sent or planned.
#include "core/Changes.h"

#include <sys/capability.h>

#include <exception>
#include <utility>

#include "core/Refusal.h"
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
int batchLine = 0;
bool stepFailed = false;
// The way back from each change sent, oldest first, with its batch line.
struct Step {
    Undo undo;
    int line = 0;
};
std::vector<Step>& Journal() {
    static std::vector<Step> journal;
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
    try {
        send();
    } catch (...) {
        stepFailed = true;
        throw;
    }
    Sent().push_back(plan);
    if (undo.plan.empty()) undo.plan = plan + " (no way back is known)";
    Journal().push_back({std::move(undo), batchLine});
}

const std::vector<std::string>& PlannedChanges() { return Plan(); }
const std::vector<std::string>& SentChanges() { return Sent(); }
void ForgetPlannedChanges() {
    stepFailed = false;
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

namespace {
// "line 3", "lines 1 and 2", "lines 1 to 4", "lines 1, 3 and 5 to 7": consecutive lines as ranges.
std::string NameLines(const std::vector<int>& lines) {
    std::vector<std::string> ranges;
    for (size_t i = 0; i < lines.size();) {
        size_t last = i;
        while (last + 1 < lines.size() && lines[last + 1] == lines[last] + 1) ++last;
        if (last == i + 1) last = i;  // two lines are named, not ranged
        ranges.push_back(std::to_string(lines[i]) + (last > i ? " to " + std::to_string(lines[last]) : ""));
        i = last + 1;
    }
    return (lines.size() == 1 ? "line " : "lines ") + JoinAsList(ranges);
}
}  // namespace

std::string UndoReport::DescribeLines() const {
    std::vector<int> whole, partly;
    for (const auto& [line, all] : lines) {
        if (line > 0) (all ? whole : partly).push_back(line);
    }
    std::string text;
    if (whole.empty() && partly.empty()) {
        text = failed.empty() ? "the changes of the lines before it were taken back"
                              : "the changes of the lines before it could not all be taken back";
    } else if (partly.empty()) {
        text = NameLines(whole) + (whole.size() == 1 ? " was" : " were") + " taken back";
    } else if (whole.empty()) {
        text = NameLines(partly) + " could not be taken back in full";
    } else {
        text = NameLines(whole) + (whole.size() == 1 ? " was" : " were") + " taken back, " + NameLines(partly) +
               " could not be in full";
    }
    return text + " (" + Describe() + ")";
}

size_t JournalSize() { return Journal().size(); }
void SetBatchLine(int line) { batchLine = line; }

UndoReport UndoSince(size_t mark) {
    UndoReport report;
    auto& journal = Journal();
    while (journal.size() > mark) {
        Step step = std::move(journal.back());
        journal.pop_back();
        const size_t failedBefore = report.failed.size();
        if (!step.undo.run) {
            report.failed.push_back(step.undo.plan);
        } else {
            try {
                step.undo.run();
                report.undone.push_back(step.undo.plan);
            } catch (const Kavrel::Lib::KavrelException& failure) {
                report.failed.push_back(step.undo.plan + " (" + failure.GetDescription() + ")");
            } catch (const std::exception& failure) {
                report.failed.push_back(step.undo.plan + " (" + failure.what() + ")");
            }
        }
        const bool whole = report.failed.size() == failedBefore;
        auto [entry, added] = report.lines.emplace(step.line, whole);
        if (!added) entry->second = entry->second && whole;
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

void NoteFailedStep() { stepFailed = true; }

CommandStep::CommandStep() : uncaught_(std::uncaught_exceptions()) {}
CommandStep::~CommandStep() {
    if (std::uncaught_exceptions() > uncaught_) stepFailed = true;
}

std::string TakeBackFailedCommand() {
    if (!stepFailed || JournalSize() == 0) return "";
    const UndoReport report = UndoSince(0);
    stepFailed = false;
    if (report.failed.empty()) return "";
    return "The command's earlier changes could not all be taken back (" + report.Describe() + ")";
}

}  // namespace LinuxHost
