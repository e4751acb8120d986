// The JSON library's conversions of the host's models, for the tests: an
// independent reading and writing of the same fields (by the names the models
// bind), to check the host's own codec against, and to build sections.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "core/Faults.h"
#include "core/ModelCodec.h"

namespace TalixTest {
// While set, the models' JSON spells out every field, defaults included, as a
// test that looks fields up by name wants it; otherwise fields holding their
// defaults are left out, as the host writes them.
inline bool gSpellOutDefaults = false;
}  // namespace TalixTest

namespace nlohmann {

// A model: an object of its fields by name; absent fields keep their
// defaults, unset optional fields are left out and null reads as unset.
template <typename T>
struct adl_serializer<T, std::enable_if_t<SimHost::IsModel<T>::value>> {
    // A scalar equal to its default, or an empty list or map whose default is
    // empty, is left out: an absent field reads as its default.
    template <typename Value>
    static bool IsDefault(const Value& value, const Value& fallback) {
        if constexpr (SimHost::IsOptional<Value>::value) {
            return false;  // unset is left out below
        } else {
            const json written = value;
            const json absent = fallback;
            if (written.is_primitive() && !written.is_null()) return written == absent;
            if constexpr (SimHost::IsVector<Value>::value || SimHost::IsTextMap<Value>::value) {
                return written.empty() && absent.empty();
            }
            return false;
        }
    }
    template <typename Value>
    static void Put(json& document, std::string_view name, const Value& value, const Value& fallback) {
        if (!TalixTest::gSpellOutDefaults && IsDefault(value, fallback)) return;
        if constexpr (SimHost::IsOptional<Value>::value) {
            if (value) document[std::string(name)] = *value;
        } else {
            document[std::string(name)] = value;
        }
    }
    template <typename Value>
    static void Get(const json& document, std::string_view name, Value& value) {
        auto found = document.find(std::string(name));
        if (found == document.end()) return;
        if constexpr (SimHost::IsOptional<Value>::value) {
            if (found->is_null()) {
                value.reset();
            } else {
                value = found->template get<typename Value::value_type>();
            }
        } else {
            value = found->template get<Value>();
        }
    }
    static void to_json(json& document, const T& model) {
        document = json::object();
        static const T defaults{};
        std::apply(
            [&](const auto&... field) {
                (Put(document, field.name, model.*field.member, defaults.*field.member), ...);
            },
            SimHost::kModelFields<T>);
    }
    static void from_json(const json& document, T& model) {
        document.template get<json::object_t>();  // refuses anything but an object, as the library does
        std::apply([&](const auto&... field) { (Get(document, field.name, model.*field.member), ...); },
                   SimHost::kModelFields<T>);
    }
};

// The faults section is its table itself.
template <>
struct adl_serializer<SimHost::FaultTable> {
    static void to_json(json& document, const SimHost::FaultTable& table) { document = table.byOperation; }
    static void from_json(const json& document, SimHost::FaultTable& table) {
        table.byOperation = document.get<std::map<std::string, std::string>>();
    }
};

}  // namespace nlohmann

namespace TalixTest {

// Sections by name, as documents, into the texts an in-memory host holds.
inline std::map<std::string, std::string> SectionTexts(const nlohmann::json& sections) {
    std::map<std::string, std::string> texts;
    for (const auto& section : sections.items()) texts[section.key()] = section.value().dump(1);
    return texts;
}

}  // namespace TalixTest
