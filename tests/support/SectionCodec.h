// Checks that the direct reading and writing of host sections agree with the
// JSON library's own conversions of the same models, section by section.
#pragma once

#include <cstdlib>
#include <fstream>
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

// A section file as the store writes it: a change then rewrites only the
// lines it touches, so that a dry run's diff shows the change and nothing else.
// With TALIX_UPDATE_DEMO=1 the file under sourceRoot is rewritten in that form.
template <typename Model>
void ExpectSectionInStoredForm(const std::map<std::string, std::string>& files, const std::string& sourceRoot) {
    const std::string path = SimHost::HostStore::SectionPath(Model::kSection);
    auto found = files.find(path);
    if (found == files.end()) return;
    Model model;
    SimHost::ReadDocument(found->second, model);
    const std::string stored = SimHost::WriteDocument(model);
    const char* update = std::getenv("TALIX_UPDATE_DEMO");
    if (update && std::string(update) == "1" && stored != found->second) {
        std::ofstream(sourceRoot + "/" + path, std::ios::binary) << stored;
        return;
    }
    EXPECT_EQ(found->second, stored) << path << " is not in the form the store writes; run the host tests with "
                                     << "TALIX_UPDATE_DEMO=1 to rewrite it";
}

inline void ExpectEverySectionInStoredForm(const std::map<std::string, std::string>& files,
                                           const std::string& sourceRoot) {
    ExpectSectionInStoredForm<SimHost::FirewallModel>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::LmxNicInventory>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::NetstackTable>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::RoutingTables>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::NeighborTables>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::ConnectionTable>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::IpSecDatabase>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::PnicInventory>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::VirtualSwitchInventory>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::DVSwitchInventory>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::DatapathState>(files, sourceRoot);
    ExpectSectionInStoredForm<SimHost::SriovState>(files, sourceRoot);
}

// A section's text as a document with every field spelled out, defaults
// included, for tests that look fields up by name; null for an unknown section.
template <typename Model>
bool SpellOut(const std::string& name, const std::string& text, nlohmann::json& document) {
    if (name != Model::kSection) return false;
    Model model;
    SimHost::ReadDocument(text, model);
    const bool was = gSpellOutDefaults;
    gSpellOutDefaults = true;
    document = model;
    gSpellOutDefaults = was;
    return true;
}

inline nlohmann::json SpelledOutSection(const std::string& name, const std::string& text) {
    nlohmann::json document;
    SpellOut<SimHost::FirewallModel>(name, text, document) ||
        SpellOut<SimHost::LmxNicInventory>(name, text, document) ||
        SpellOut<SimHost::NetstackTable>(name, text, document) ||
        SpellOut<SimHost::RoutingTables>(name, text, document) ||
        SpellOut<SimHost::NeighborTables>(name, text, document) ||
        SpellOut<SimHost::ConnectionTable>(name, text, document) ||
        SpellOut<SimHost::IpSecDatabase>(name, text, document) ||
        SpellOut<SimHost::PnicInventory>(name, text, document) ||
        SpellOut<SimHost::VirtualSwitchInventory>(name, text, document) ||
        SpellOut<SimHost::DVSwitchInventory>(name, text, document) ||
        SpellOut<SimHost::DatapathState>(name, text, document) || SpellOut<SimHost::SriovState>(name, text, document) ||
        SpellOut<SimHost::FaultTable>(name, text, document);
    return document;
}

}  // namespace TalixTest
