// Output objects: construction and field handling.
#include "parvik/MetaObj.h"

#include <mutex>
#include <unordered_set>

namespace Parvik {
namespace MetaObj {

std::shared_ptr<MetaBool> MetaBool::New() { return std::make_shared<MetaBool>(); }

std::shared_ptr<MetaBool> MetaBool::New(bool value) {
    auto object = std::make_shared<MetaBool>();
    object->set_ = true;
    object->value_ = value;
    return object;
}

std::shared_ptr<MetaInt> MetaInt::New() { return std::make_shared<MetaInt>(); }

std::shared_ptr<MetaInt> MetaInt::New(int64_t value) {
    auto object = std::make_shared<MetaInt>();
    object->set_ = true;
    object->value_ = value;
    return object;
}

std::shared_ptr<MetaString> MetaString::New() { return std::make_shared<MetaString>(); }

std::shared_ptr<MetaString> MetaString::New(std::string value) {
    auto object = std::make_shared<MetaString>();
    object->set_ = true;
    object->value_ = std::move(value);
    return object;
}

MetaList::MetaList(MetaType elementType, std::shared_ptr<MetaStruct> elementTemplate)
    : MetaObject(META_LIST), elementType_(elementType), elementTemplate_(std::move(elementTemplate)) {}

std::shared_ptr<MetaList> MetaList::New(MetaType elementType, std::shared_ptr<MetaStruct> elementTemplate) {
    return std::make_shared<MetaList>(elementType, std::move(elementTemplate));
}

void MetaList::Add(const MetaObjectPtr& element) { elements_.push_back(element); }

void MetaList::Add(const std::string& element) { elements_.push_back(MetaString::New(element)); }

void MetaList::AddAll(const std::vector<std::string>& elements) {
    elements_.reserve(elements_.size() + elements.size());
    for (const auto& element : elements) Add(element);
}

void MetaList::AddAll(const std::vector<MetaObjectPtr>& elements) {
    elements_.insert(elements_.end(), elements.begin(), elements.end());
}

void MetaList::Reserve(size_t count) { elements_.reserve(count); }

MetaStruct::MetaStruct(std::string name) : MetaObject(META_STRUCT), name_(std::move(name)) {}

std::shared_ptr<MetaStruct> MetaStruct::New(const std::string& name) { return std::make_shared<MetaStruct>(name); }

const std::string* MetaStruct::NameOf(const std::string& name) {
    static std::mutex lock;
    // Never freed: records may outlive every other static.
    static auto* names = new std::unordered_set<std::string>();
    std::lock_guard<std::mutex> guard(lock);
    return &*names->insert(name).first;
}

void MetaStruct::SetField(const std::string& name, const MetaObjectPtr& value) {
    for (auto& field : fields_) {
        if (*field.name == name) {
            field.value = value;
            return;
        }
    }
    fields_.push_back({NameOf(name), value});
}

void MetaStruct::SetField(const std::string& name, bool value) { SetField(name, MetaBool::New(value)); }

void MetaStruct::SetField(const std::string& name, const std::string& value) { SetField(name, MetaString::New(value)); }

void MetaStruct::SetField(const std::string& name, const char* value) {
    SetField(name, MetaString::New(value ? value : ""));
}

void MetaStruct::SetField(const std::string& name, const std::vector<std::string>& value) {
    auto list = MetaList::New(META_STRING);
    list->AddAll(value);
    SetField(name, list);
}

void MetaStruct::SetIntField(const std::string& name, int64_t value) { SetField(name, MetaInt::New(value)); }

MetaObjectPtr MetaStruct::GetField(const std::string& name) const {
    for (const auto& field : fields_) {
        if (*field.name == name) return field.value;
    }
    return nullptr;
}

}  // namespace MetaObj
}  // namespace Parvik
