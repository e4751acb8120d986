// Output objects a command fills and the framework renders: records, lists and scalars.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace Parvik {
namespace MetaObj {

enum MetaType {
    META_BOOL = 0,
    META_INT = 1,
    META_STRING = 2,  // string element of a list
    META_STRUCT = 3,  // record element of a list
    META_LIST = 4,
};

class MetaObject {
public:
    virtual ~MetaObject() = default;
    MetaType GetType() const { return type_; }
    // False for an empty object (a template slot never given a value).
    virtual bool IsSet() const = 0;

protected:
    explicit MetaObject(MetaType type) : type_(type) {}

private:
    MetaType type_;
};

using MetaObjectPtr = std::shared_ptr<MetaObject>;

class MetaBool : public MetaObject {
public:
    static std::shared_ptr<MetaBool> New();
    static std::shared_ptr<MetaBool> New(bool value);
    bool IsSet() const override { return set_; }
    bool GetValue() const { return value_; }
    MetaBool() : MetaObject(META_BOOL) {}

private:
    bool set_ = false;
    bool value_ = false;
};

class MetaInt : public MetaObject {
public:
    static std::shared_ptr<MetaInt> New();
    static std::shared_ptr<MetaInt> New(int64_t value);
    bool IsSet() const override { return set_; }
    int64_t GetValue() const { return value_; }
    MetaInt() : MetaObject(META_INT) {}

private:
    bool set_ = false;
    int64_t value_ = 0;
};

class MetaString : public MetaObject {
public:
    static std::shared_ptr<MetaString> New();
    static std::shared_ptr<MetaString> New(std::string value);
    bool IsSet() const override { return set_; }
    const std::string& GetValue() const { return value_; }
    MetaString() : MetaObject(META_STRING) {}
    explicit MetaString(std::string value) : MetaObject(META_STRING), set_(true), value_(std::move(value)) {}

private:
    bool set_ = false;
    std::string value_;
};

class MetaStruct;

class MetaList : public MetaObject {
public:
    // elementType is META_STRING or META_STRUCT; a record list carries its element template.
    static std::shared_ptr<MetaList> New(MetaType elementType, std::shared_ptr<MetaStruct> elementTemplate = nullptr);
    void Add(const MetaObjectPtr& element);
    void Add(const std::string& element);
    void AddAll(const std::vector<std::string>& elements);
    void AddAll(const std::vector<MetaObjectPtr>& elements);
    void Reserve(size_t count);
    size_t GetCount() const { return elements_.size(); }

    bool IsSet() const override { return true; }
    MetaType GetElementType() const { return elementType_; }
    const std::shared_ptr<MetaStruct>& GetElementTemplate() const { return elementTemplate_; }
    const std::vector<MetaObjectPtr>& GetElements() const { return elements_; }

    MetaList(MetaType elementType, std::shared_ptr<MetaStruct> elementTemplate);

private:
    MetaType elementType_;
    std::shared_ptr<MetaStruct> elementTemplate_;
    std::vector<MetaObjectPtr> elements_;
};

class MetaStruct : public MetaObject {
public:
    // A field's name is kept once per process, and every record refers to it:
    // a listing of thousands of records of one kind holds each name once.
    struct Field {
        const std::string& Name() const { return *name; }
        const std::string* name;  // from NameOf, so equal names are the same object
        MetaObjectPtr value;
    };
    // The process's one object for a field name.
    static const std::string* NameOf(const std::string& name);

    static std::shared_ptr<MetaStruct> New(const std::string& name);

    // Setting an existing field replaces its value in place; a new field is appended.
    void SetField(const std::string& name, const MetaObjectPtr& value);
    void SetField(const std::string& name, bool value);
    void SetField(const std::string& name, const std::string& value);
    void SetField(const std::string& name, const char* value);
    void SetField(const std::string& name, const std::vector<std::string>& value);
    template <typename T,
              typename std::enable_if<std::is_integral<T>::value && !std::is_same<T, bool>::value, int>::type = 0>
    void SetField(const std::string& name, T value) {
        SetIntField(name, static_cast<int64_t>(value));
    }

    bool IsSet() const override { return true; }
    const std::string& GetName() const { return name_; }
    const std::vector<Field>& GetFields() const { return fields_; }
    // The field's value, or null when the record has no such field.
    MetaObjectPtr GetField(const std::string& name) const;

    explicit MetaStruct(std::string name);

private:
    void SetIntField(const std::string& name, int64_t value);

    std::string name_;
    std::vector<Field> fields_;
};

}  // namespace MetaObj
}  // namespace Parvik
