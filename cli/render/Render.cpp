// Output rendering: a minimal JSON rendering until the full renderers land.
#include "render/Render.h"

#include <nlohmann/json.hpp>

namespace Parvik {
namespace Render {

namespace {
nlohmann::ordered_json ToJson(const MetaObj::MetaObjectPtr& object) {
    using namespace MetaObj;
    if (!object || !object->IsSet()) return nullptr;
    switch (object->GetType()) {
    case META_BOOL: return static_cast<const MetaBool&>(*object).GetValue();
    case META_INT: return static_cast<const MetaInt&>(*object).GetValue();
    case META_STRING: return static_cast<const MetaString&>(*object).GetValue();
    case META_LIST: {
        auto array = nlohmann::ordered_json::array();
        for (const auto& element : static_cast<const MetaList&>(*object).GetElements()) array.push_back(ToJson(element));
        return array;
    }
    case META_STRUCT: {
        auto record = nlohmann::ordered_json::object();
        for (const auto& field : static_cast<const MetaStruct&>(*object).GetFields()) record[field.first] = ToJson(field.second);
        return record;
    }
    }
    return nullptr;
}
}  // namespace

const std::vector<std::string>& FormatterNames() {
    static const std::vector<std::string> names = {"simple", "table", "json", "xml", "csv", "keyvalue"};
    return names;
}

bool IsKnownFormatter(const std::string& name) {
    for (const auto& known : FormatterNames()) {
        if (known == name) return true;
    }
    return false;
}

void RenderOutput(const std::string& formatter, const MetaObj::MetaObjectPtr& root, const RenderOptions&,
                  std::ostream& out) {
    if (!root) return;
    if (formatter != "json" && root->GetType() == MetaObj::META_BOOL &&
        static_cast<const MetaObj::MetaBool&>(*root).GetValue()) {
        return;
    }
    out << ToJson(root).dump(3, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

}  // namespace Render
}  // namespace Parvik
