// Many records of one layout, built cheaply: every row starts as a copy of the
// layout's record (all fields, in order, allocated once to size) and has its
// values replaced; values that repeat across rows (words, interface names,
// small counters) are one shared object; rows and the values of one row only
// are made in blocks. Listings of thousands of routes, neighbours or sockets
// use it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "frame/CommandFrame.h"

namespace NorvaleCli {
namespace NetworkNamespace {

// Objects made in blocks of a few hundred, each object sharing its block's
// ownership: a listing of hundreds of thousands of rows then makes one
// allocation per block instead of one per object, and carries no reference
// count per object. A block lives while any of its objects is referred to,
// which suits a listing's rows: they are all dropped together.
template <typename Object>
class BlockPool {
public:
    template <typename... Args>
    std::shared_ptr<Object> New(Args&&... args) {
        if (!block_ || block_->size() == block_->capacity()) {
            block_ = std::make_shared<std::vector<Object>>();
            block_->reserve(kBlockSize);  // never exceeded: objects do not move
        }
        block_->emplace_back(std::forward<Args>(args)...);
        return std::shared_ptr<Object>(block_, &block_->back());
    }

private:
    static constexpr size_t kBlockSize = 256;
    std::shared_ptr<std::vector<Object>> block_;
};

class RowBuilder {
public:
    explicit RowBuilder(RecordPtr layout) : layout_(std::move(layout)) {}

    RecordPtr NewRow() { return rows_.New(*layout_); }

    // A value of one row only; the text is taken over, not copied.
    Parvik::MetaObj::MetaObjectPtr Own(std::string text) { return values_.New(std::move(text)); }

    // One value object per distinct text or number.
    const Parvik::MetaObj::MetaObjectPtr& Shared(const std::string& text) {
        auto& value = strings_[text];
        if (!value) value = Parvik::MetaObj::MetaString::New(text);
        return value;
    }
    // The last key a column was given and its value: down a column of a long
    // listing (a route table's netmasks and gateways) equal values come in
    // runs, which then skip making and hashing the text. The key is the text
    // itself, or what the text follows from (an address, a prefix length).
    template <typename Key>
    struct KeyedColumn {
        Key key{};
        const Parvik::MetaObj::MetaObjectPtr* value = nullptr;
    };
    using Column = KeyedColumn<std::string>;
    template <typename Key, typename MakeText>
    const Parvik::MetaObj::MetaObjectPtr& Shared(KeyedColumn<Key>& column, const Key& key, MakeText&& makeText) {
        if (column.value == nullptr || !(column.key == key)) {
            column.value = &Shared(makeText());  // the map's nodes stay where they are
            column.key = key;
        }
        return *column.value;
    }
    const Parvik::MetaObj::MetaObjectPtr& Shared(Column& column, const std::string& text) {
        return Shared(column, text, [&]() -> const std::string& { return text; });
    }
    const Parvik::MetaObj::MetaObjectPtr& Shared(int64_t number) {
        auto& value = numbers_[number];
        if (!value) value = Parvik::MetaObj::MetaInt::New(number);
        return value;
    }

private:
    RecordPtr layout_;
    BlockPool<Parvik::MetaObj::MetaStruct> rows_;
    BlockPool<Parvik::MetaObj::MetaString> values_;
    std::unordered_map<std::string, Parvik::MetaObj::MetaObjectPtr> strings_;
    std::unordered_map<int64_t, Parvik::MetaObj::MetaObjectPtr> numbers_;
};

}  // namespace NetworkNamespace
}  // namespace NorvaleCli
