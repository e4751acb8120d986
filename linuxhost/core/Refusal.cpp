// The Linux host's refusals.
#include "core/Refusal.h"

#include "core/Changes.h"
#include "kavrel/Lib.h"

namespace LinuxHost {

void NoEquivalent(const std::string& what) {
    NoteFailedStep();
    throw Kavrel::Lib::KavrelException(what + " have no equivalent on a Linux host");
}

void NotYetOnLinux(const std::string& what) {
    NoteFailedStep();
    throw Kavrel::Lib::KavrelException(what + " cannot be managed on a Linux host yet");
}

}  // namespace LinuxHost
