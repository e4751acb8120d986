// The Linux host's refusals.
#include "core/Refusal.h"

#include "core/Changes.h"
#include "kavrel/Lib.h"

namespace LinuxHost {

void Refuse(const std::string& sentence) {
    NoteFailedStep();
    throw Kavrel::Lib::KavrelException(sentence);
}

std::string JoinAsList(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return text;
}

void NoEquivalent(const std::string& what) { Refuse(what + " have no equivalent on a Linux host"); }

void NotYetOnLinux(const std::string& what) { Refuse(what + " cannot be managed on a Linux host yet"); }

}  // namespace LinuxHost
