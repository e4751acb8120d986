// Helpers shared by the NetQueue, diagnostic and capability commands.
#include "nic/NicQueueShared.h"

#include <cstdio>
#include <vector>

#include "kavrel/NetworkFactory.h"
#include "lmxctl/NetworkInfoImpl.h"
#include "lmxctl/PnicImpl.h"
#include "nic/NicShared.h"

namespace NorvaleCli {
namespace NetworkNamespace {

std::string InvalidPnicNameMessage(const std::string& name) { return "Invalid PNIC name " + name; }

void ListNetqueue(const InputPtr& input, const OutputPtr& output, const RecordPtr& elementTemplate,
                  const std::function<std::string(const std::string&)>& notFoundMessage,
                  const std::function<void(const ListPtr&, const Kavrel::Network::Pnic&,
                                           const Kavrel::Network::PnicNetqueueInfo&)>& addRecords) {
    WithStandardErrors(output, [&] {
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        std::vector<std::unique_ptr<Kavrel::Network::Pnic>> pnics;
        if (input->HasParameter(kPnicParameter)) {
            const std::string& name = input->GetParameter(kPnicParameter);
            auto pnic = FindNic(*inventory, name, output, notFoundMessage(name));
            if (!pnic) return;
            pnics.push_back(std::move(pnic));
        } else {
            for (auto& pnic : inventory->GetPnics(Kavrel::Network::PNIC_GET_LOADED)) {
                if (pnic) pnics.push_back(std::move(pnic));
            }
        }
        auto list = MakeRecordList(elementTemplate);
        for (const auto& pnic : pnics) {
            Kavrel::Network::PnicNetqueueInfo info;
            pnic->GetNetqueueInfo(info);
            addRecords(list, *pnic, info);
        }
        output->SetRootObject(list);
    });
}

void ChangeNetqueue(const InputPtr& input, const OutputPtr& output,
                    const std::function<std::string(const std::string&)>& notFoundMessage,
                    const std::function<bool(Kavrel::Network::PnicNetqueueInfo&)>& fill) {
    WithStandardErrors(output, [&] {
        const std::string& name = input->GetParameter(kPnicParameter);
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        auto pnic = FindNic(*inventory, name, output, notFoundMessage(name));
        if (!pnic) return;
        Kavrel::Network::PnicNetqueueInfo info;
        if (fill(info)) pnic->SetNetqueueInfo(info);
        SetSuccess(output);
    });
}

std::string HexText(uint64_t value, int width) {
    char text[32];
    std::snprintf(text, sizeof(text), "%0*llx", width, static_cast<unsigned long long>(value));
    return text;
}

std::string HwCapText(uint64_t mask) {
    std::string text;
    // Only bits 0 to 30 are shown.
    for (uint8_t index = 0; index < 31; ++index) {
        if (mask & (uint64_t{1} << index)) text += LmxCtl::Network::PnicImpl::GetHwCapName(index) + "   ";
    }
    return text;
}

void ListHwCaps(const InputPtr& input, const OutputPtr& output, const std::function<RecordPtr()>& makeRecord,
                const std::string& capsField,
                const std::function<uint64_t(const Kavrel::Network::PnicHwCaps&)>& selectMask) {
    WithStandardErrors(output, [&] {
        auto inventory = Kavrel::Network::NetworkFactory::GetNetworkInfo();
        std::vector<std::unique_ptr<Kavrel::Network::Pnic>> pnics;
        if (!SelectPnicList(*inventory, input, output, kPnicParameter, pnics)) return;
        auto list = MakeRecordList(makeRecord());
        for (const auto& pnic : pnics) {
            auto record = makeRecord();
            Kavrel::Network::PnicHwCaps caps;
            pnic->GetHwCaps(caps);
            record->SetField(kNicField, pnic->GetName());
            record->SetField(capsField, HwCapText(selectMask(caps)));
            list->Add(record);
        }
        output->SetRootObject(list);
    });
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
