// Every change the Linux host makes to the kernel goes through Change(): in
// a dry run it is not sent but described, one line per change (for example
// "route add 10.77.0.0/16 via 10.20.0.254 table main netstack
// defaultTcpipStack"), and the dry run shows those lines.
//
// Each change sent says how to take it back (its Undo). The host keeps those
// in a journal: AllOrNothing() takes back the steps of one host operation
// when a later step fails, and a batch that fails takes back every line
// before the failing one, newest first. An Undo without a way back (no run)
// says in its plan why the change cannot be undone.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace LinuxHost {

struct Undo {
    std::string plan;           // how the step is taken back, as Change() describes changes
    std::function<void()> run;  // empty: the change cannot be undone, and plan says why
};

void SetPlanning(bool planning);
bool Planning();
// Sends the change (send), or in a dry run records `plan` instead. Once sent,
// undo joins the journal.
void Change(const std::string& plan, const std::function<void()>& send, Undo undo = {});
const std::vector<std::string>& PlannedChanges();
// The changes sent since the last ForgetPlannedChanges, described the same way.
const std::vector<std::string>& SentChanges();
void ForgetPlannedChanges();

// What taking back the journal's steps did: the plans of the steps taken back
// and, for each one that could not be, its plan and why.
struct UndoReport {
    std::vector<std::string> undone;
    std::vector<std::string> failed;
    // For each batch line with a step taken back (or not): whether all of
    // its steps were. Steps sent outside a batch line count under 0.
    std::map<int, bool> lines;
    bool Empty() const { return undone.empty() && failed.empty(); }
    // "undone: a; b" and "could not be undone: c (why)", joined by "; ".
    std::string Describe() const;
    // The batch's stop text: which lines were taken back and which could not
    // be in full ("lines 1 to 4 were taken back (undone: ...)").
    std::string DescribeLines() const;
};

// Takes back every step sent after the journal held `mark` steps, newest
// first, and forgets them.
UndoReport UndoSince(size_t mark);
size_t JournalSize();
// The batch line whose steps are sent from now on (0: none), so that a
// report can name lines.
void SetBatchLine(int line);

// Runs the steps of one host operation: when one throws, the ones before it
// are taken back and the failure's message says any that could not be.
void AllOrNothing(const std::function<void()>& steps);

// A command alone is all or nothing across its host operations too: once one
// of them has failed, the command's earlier changes are taken back when it
// ends (TakeBackFailedCommand). A change the kernel refuses and the host's
// refusals count as failures; an operation that may fail on a check of its
// own after an earlier operation of the same command changed something says
// so with a CommandStep. A command's own check (for example a negative MTU
// after the device was enabled) is not a host failure: what came before it
// stays, as on the simulated host.
void NoteFailedStep();
class CommandStep {
public:
    CommandStep();
    ~CommandStep();
    CommandStep(const CommandStep&) = delete;
    CommandStep& operator=(const CommandStep&) = delete;

private:
    int uncaught_;
};
// At the end of a command outside a batch: when one of its host operations
// failed, takes back its changes; "" or why some could not be.
std::string TakeBackFailedCommand();

}  // namespace LinuxHost
