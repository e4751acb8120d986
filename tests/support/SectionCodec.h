// Checks that the direct reading and writing of host sections agree with the
// JSON library's own conversions of the same models, section by section.
#pragma once

#include <map>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/ModelJson.h"

#include "core/Faults.h"
#include "core/HostStore.h"
#include "model/DatapathModel.h"
#include "model/FirewallModel.h"
#include "model/IpStackModel.h"
#include "model/LmxNicModel.h"
#include "model/PnicModel.h"
#include "model/VswitchModel.h"

namespace TalixTest {

template <typename Model>
void ExpectSectionCodecAgrees(const std::map<std::string, std::string>& files) {
    auto found = files.find(SimHost::HostStore::SectionPath(Model::kSection));
    if (found == files.end()) return;
    SCOPED_TRACE(found->first);
    Model direct;
    SimHost::ReadDocument(found->second, direct);
    Model library = nlohmann::json::parse(found->second).template get<Model>();
    nlohmann::json libraryDocument = library;
    // Same model read both ways, and the same text written both ways.
    EXPECT_EQ(nlohmann::json(direct), libraryDocument);
    EXPECT_EQ(SimHost::WriteDocument(direct), libraryDocument.dump(1) + "\n");
}

inline void ExpectEverySectionCodecAgrees(const std::map<std::string, std::string>& files) {
    ExpectSectionCodecAgrees<SimHost::FirewallModel>(files);
    ExpectSectionCodecAgrees<SimHost::LmxNicInventory>(files);
    ExpectSectionCodecAgrees<SimHost::NetstackTable>(files);
    ExpectSectionCodecAgrees<SimHost::RoutingTables>(files);
    ExpectSectionCodecAgrees<SimHost::NeighborTables>(files);
    ExpectSectionCodecAgrees<SimHost::ConnectionTable>(files);
    ExpectSectionCodecAgrees<SimHost::IpSecDatabase>(files);
    ExpectSectionCodecAgrees<SimHost::PnicInventory>(files);
    ExpectSectionCodecAgrees<SimHost::VirtualSwitchInventory>(files);
    ExpectSectionCodecAgrees<SimHost::DVSwitchInventory>(files);
    ExpectSectionCodecAgrees<SimHost::DatapathState>(files);
    ExpectSectionCodecAgrees<SimHost::SriovState>(files);
    ExpectSectionCodecAgrees<SimHost::FaultTable>(files);
}

}  // namespace TalixTest
