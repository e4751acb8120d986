// What the machine formats (json, xml, csv, keyvalue) share: UTF-8 decoding,
// the indent step, the replacement character and the type words.
#pragma once

#include <cstddef>

#include "Utf8.h"
#include "parvik/MetaObj.h"

namespace Parvik {
namespace Render {
namespace Detail {

using Text::DecodeUtf8;
using Text::Utf8Char;

constexpr size_t kMachineIndentStep = 3;
constexpr char kReplacementChar[] = "\xEF\xBF\xBD";  // U+FFFD

// The type word of a value, as the xml and keyvalue formats write it.
inline const char* TypeName(MetaObj::MetaType type) {
    switch (type) {
    case MetaObj::META_BOOL: return "boolean";
    case MetaObj::META_INT: return "integer";
    case MetaObj::META_STRING: return "string";
    case MetaObj::META_STRUCT: return "structure";
    case MetaObj::META_LIST: return "list";
    }
    return "unknown";
}

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
