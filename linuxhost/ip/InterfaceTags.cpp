// Interface tags on a Linux host: the kernel has no such thing, so they live
// in the side store, by interface name.
#include <algorithm>

#include "core/Links.h"
#include "core/SideStore.h"
#include "kavrel/Lib.h"
#include "kavrel/LmxNic.h"
#include "lmxctl/LumexNicInfoImpl.h"

namespace {

using Kavrel::Lib::KavrelException;
using Kavrel::Network::LmxNicTagType;
using LinuxHost::InterfaceTagsModel;
using LinuxHost::InterfaceTagTable;

// The interface's entry, or the table's end; Table is const or not.
template <typename Table>
auto EntryOf(Table& table, const std::string& name) {
    return std::find_if(table.interfaces.begin(), table.interfaces.end(),
                        [&](const InterfaceTagsModel& entry) { return entry.interface == name; });
}

std::string TagText(LmxNicTagType tag) {
    const char* name = LmxCtl::Network::LmxNicTagIdToName(tag);
    return name ? std::string(name) : std::to_string(tag);
}

}  // namespace

namespace Kavrel {
namespace Network {

std::vector<LmxNicTagType> LmxNic::GetTags() const {
    const auto& table = SimHost::HostStore::Instance().Read<InterfaceTagTable>();
    const auto entry = EntryOf(table, name_);
    return entry == table.interfaces.end() ? std::vector<LmxNicTagType>() : entry->tags;
}

}  // namespace Network
}  // namespace Kavrel

namespace LmxCtl {
namespace Network {

void LmxNicImpl::AddTag(LmxNicTagType tag, bool /*persistOnly*/) {
    if (!LmxNicTagIdToName(tag)) throw KavrelException("Invalid tag " + std::to_string(tag));
    LinuxHost::LocateInterface(name_);  // a tag marks a device that carries the name
    SimHost::HostStore::Instance().Update<InterfaceTagTable>([&](InterfaceTagTable& table) {
        auto entry = EntryOf(table, name_);
        if (entry == table.interfaces.end()) entry = table.interfaces.insert(entry, {name_, {}});
        if (std::find(entry->tags.begin(), entry->tags.end(), tag) == entry->tags.end()) entry->tags.push_back(tag);
    });
}

void LmxNicImpl::RemoveTag(LmxNicTagType tag) {
    SimHost::HostStore::Instance().Update<InterfaceTagTable>([&](InterfaceTagTable& table) {
        auto entry = EntryOf(table, name_);
        const bool held = entry != table.interfaces.end() &&
                          std::find(entry->tags.begin(), entry->tags.end(), tag) != entry->tags.end();
        if (!held) throw KavrelException("Tag " + TagText(tag) + " is not set on interface " + name_);
        entry->tags.erase(std::find(entry->tags.begin(), entry->tags.end(), tag));
        // An interface without tags leaves no entry behind.
        if (entry->tags.empty()) table.interfaces.erase(entry);
    });
}

// The interfaces whose entry holds the tag and that a device still carries
// the name of.
std::vector<std::shared_ptr<LmxNicImpl>> LumexNicInfoImpl::GetLumexNicsByTag(LmxNicTagType tag) {
    std::vector<std::string> names;
    for (const auto& entry : SimHost::HostStore::Instance().Read<InterfaceTagTable>().interfaces) {
        if (std::find(entry.tags.begin(), entry.tags.end(), tag) != entry.tags.end()) names.push_back(entry.interface);
    }
    std::vector<std::shared_ptr<LmxNicImpl>> nics;
    for (const auto& name : names) {
        try {
            nics.push_back(std::make_shared<LmxNicImpl>(name));
        } catch (const KavrelException&) {
            // no device carries the name now
        }
    }
    return nics;
}

}  // namespace Network
}  // namespace LmxCtl
