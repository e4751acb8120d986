// Many records of one layout, built cheaply: every row starts as a copy of the
// layout's record (all fields, in order, allocated once to size) and has its
// values replaced; values that repeat across rows (words, interface names,
// small counters) are one shared object. Listings of thousands of routes,
// neighbours or sockets use it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

class RowBuilder {
public:
    explicit RowBuilder(RecordPtr layout) : layout_(std::move(layout)) {}

    RecordPtr NewRow() const { return std::make_shared<Parvik::MetaObj::MetaStruct>(*layout_); }

    // A value of one row only; the text is taken over, not copied.
    static Parvik::MetaObj::MetaObjectPtr Own(std::string text) {
        return Parvik::MetaObj::MetaString::New(std::move(text));
    }

    // One value object per distinct text or number.
    const Parvik::MetaObj::MetaObjectPtr& Shared(const std::string& text) {
        auto& value = strings_[text];
        if (!value) value = Parvik::MetaObj::MetaString::New(text);
        return value;
    }
    const Parvik::MetaObj::MetaObjectPtr& Shared(int64_t number) {
        auto& value = numbers_[number];
        if (!value) value = Parvik::MetaObj::MetaInt::New(number);
        return value;
    }

private:
    RecordPtr layout_;
    std::unordered_map<std::string, Parvik::MetaObj::MetaObjectPtr> strings_;
    std::unordered_map<int64_t, Parvik::MetaObj::MetaObjectPtr> numbers_;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
