// Section documents straight into their models and back, without building a
// JSON document in between: a pull reader over the text with ReadValue, and a
// writer with WriteValue, for the field types models use. A model declared
// with TALIX_MODEL reads and writes its fields by name; other types (with
// hand-written from_json/to_json) go through a JSON value.
//
// Reading follows the models' from_json: absent fields keep their defaults,
// unknown fields are skipped (but must be valid JSON), a field of the wrong
// type, text that is not JSON, or trailing text is an error. Writing gives
// exactly the text of to_json and dump(1): members in name order, one per line.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

namespace SimHost {

// A section document that is not valid JSON or holds a value of the wrong type.
class SectionFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class JsonReader {
public:
    enum class Kind { Object, Array, String, Number, Boolean, Null };

    explicit JsonReader(std::string_view text);

    // The kind of the next value (skips blanks); fails at the end of the text.
    Kind Peek();

    // Objects: BeginObject(), then while (NextKey(key, first)) read or Skip() the value.
    void BeginObject(const char* expected = "object");
    bool NextKey(std::string_view& key, bool& first);
    // Arrays: BeginArray(), then while (NextElement(first)) read the element.
    void BeginArray();
    bool NextElement(bool& first);

    void ReadString(std::string& out);
    bool ReadBool();
    void ReadNull();
    // A number converted as a JSON library converts it: integers exactly, others truncated.
    template <typename T>
    T ReadNumber();
    void Skip();
    nlohmann::json ReadDom();
    // Only blanks may follow the document.
    void ExpectEnd();

    [[noreturn]] void Fail(const std::string& what) const;
    [[noreturn]] void WrongType(const char* expected);

private:
    struct Number {
        enum { Signed, Unsigned, Float } kind;
        int64_t i;
        uint64_t u;
        double f;
    };
    Number ScanNumber();
    static bool IsExactWhole(double number);
    [[noreturn]] void NotWhole(const char* start) const;
    // The number that starts at start and ends here does not fit its field.
    [[noreturn]] void OutOfRange(const char* start) const;
    // Objects and arrays read without a model nest at most this deep.
    void Enter();
    void Leave() { --depth_; }
    void SkipBlanks();
    void SkipString();
    void Expect(char c);
    void ExpectWord(const char* word);
    void ScanString(std::string& out);
    static const char* KindName(Kind kind);

    const char* begin_;
    const char* pos_;
    const char* end_;
    std::string keyBuffer_;
    std::string skipBuffer_;  // the text of skipped strings, reused
    int depth_ = 0;
};

template <typename T>
T JsonReader::ReadNumber() {
    if (Peek() != Kind::Number) WrongType("number");
    const char* start = pos_;
    Number number = ScanNumber();
    if constexpr (std::is_floating_point_v<T>) {
        if (number.kind == Number::Signed) return static_cast<T>(number.i);
        if (number.kind == Number::Unsigned) return static_cast<T>(number.u);
        return static_cast<T>(number.f);
    } else {
        // An integer field takes a number written with a fraction or an
        // exponent (9000.0, 9e3) only when it is whole and exact; then, however
        // it is written, only a value its own type can hold.
        if (number.kind == Number::Float) {
            if (!IsExactWhole(number.f)) NotWhole(start);
            if (number.f < 0) {
                number.kind = Number::Signed;
                number.i = static_cast<int64_t>(number.f);
            } else {
                number.kind = Number::Unsigned;
                number.u = static_cast<uint64_t>(number.f);
            }
        }
        constexpr auto kMax = static_cast<uint64_t>(std::numeric_limits<T>::max());
        if (number.kind == Number::Unsigned) {
            if (number.u > kMax) OutOfRange(start);
            return static_cast<T>(number.u);
        }
        if (number.i < static_cast<int64_t>(std::numeric_limits<T>::min()) ||
            (number.i > 0 && static_cast<uint64_t>(number.i) > kMax)) {
            OutOfRange(start);
        }
        return static_cast<T>(number.i);
    }
}

template <typename T>
struct IsVector : std::false_type {};
template <typename T, typename A>
struct IsVector<std::vector<T, A>> : std::true_type {};
template <typename A>
struct IsVector<std::vector<bool, A>> : std::false_type {};  // left to the JSON library

template <typename T>
struct IsOptional : std::false_type {};
template <typename T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <typename T, typename = void>
struct HasReadModel : std::false_type {};
template <typename T>
struct HasReadModel<T, std::void_t<decltype(ReadModel(std::declval<JsonReader&>(), std::declval<T&>()))>>
    : std::true_type {};

template <typename T>
void ReadValue(JsonReader& reader, T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        reader.ReadString(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        value = reader.ReadBool();
    } else if constexpr (std::is_arithmetic_v<T>) {
        value = reader.ReadNumber<T>();
    } else if constexpr (IsVector<T>::value) {
        value.clear();
        reader.BeginArray();
        bool first = true;
        while (reader.NextElement(first)) {
            value.emplace_back();
            ReadValue(reader, value.back());
        }
    } else if constexpr (IsOptional<T>::value) {
        // null, like an absent field, leaves the value unset.
        if (reader.Peek() == JsonReader::Kind::Null) {
            reader.ReadNull();
            value.reset();
        } else {
            ReadValue(reader, value.emplace());
        }
    } else if constexpr (HasReadModel<T>::value) {
        ReadModel(reader, value);
    } else {
        reader.ReadDom().get_to(value);
    }
}

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void BeginObject();
    void Key(const char* name);
    void EndObject();
    void BeginArray();
    void Element();
    void EndArray();
    void String(const std::string& text);
    void Bool(bool value) { out_ += value ? "true" : "false"; }
    void Signed(int64_t value);
    void Unsigned(uint64_t value);
    // Any other value, as the JSON library prints it at this depth.
    void Dom(const nlohmann::json& value);

private:
    void NewLine();

    std::string& out_;
    std::vector<bool> empty_;  // per open object or array: nothing written in it yet
};

template <typename T, typename = void>
struct HasWriteModel : std::false_type {};
template <typename T>
struct HasWriteModel<T, std::void_t<decltype(WriteModel(std::declval<JsonWriter&>(), std::declval<const T&>()))>>
    : std::true_type {};

template <typename T>
void WriteValue(JsonWriter& writer, const T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        writer.String(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        writer.Bool(value);
    } else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) {
        writer.Signed(value);
    } else if constexpr (std::is_integral_v<T>) {
        writer.Unsigned(value);
    } else if constexpr (IsVector<T>::value) {
        writer.BeginArray();
        for (const auto& element : value) {
            writer.Element();
            WriteValue(writer, element);
        }
        writer.EndArray();
    } else if constexpr (HasWriteModel<T>::value) {
        WriteModel(writer, value);
    } else {
        writer.Dom(nlohmann::json(value));
    }
}

// One member of a model, for writing members in name order.
template <typename Model>
struct ModelField {
    const char* name;
    void (*write)(JsonWriter&, const Model&);
};

template <typename Model>
std::vector<ModelField<Model>> FieldsByName(std::initializer_list<ModelField<Model>> fields) {
    std::vector<ModelField<Model>> sorted(fields);
    std::sort(sorted.begin(), sorted.end(),
              [](const ModelField<Model>& a, const ModelField<Model>& b) { return std::strcmp(a.name, b.name) < 0; });
    return sorted;
}

// A whole section document, as dump(1) writes it, with a final newline.
template <typename Model>
std::string WriteDocument(const Model& model) {
    std::string out;
    JsonWriter writer(out);
    WriteValue(writer, model);
    out += '\n';
    return out;
}

// A whole section document. Its text is the section's value, like `[]` or
// `5` a `null` is no section at all: only an absent file takes the defaults.
template <typename Model>
void ReadDocument(std::string_view text, Model& model) {
    JsonReader reader(text);
    ReadValue(reader, model);
    reader.ExpectEnd();
}

}  // namespace SimHost

#define TALIX_MODEL_READ_FIELD(field)      \
    if (key == #field) {                   \
        ::SimHost::ReadValue(reader, model.field); \
        continue;                          \
    }

#define TALIX_MODEL_WRITE_FIELD(field) \
    {#field, [](::SimHost::JsonWriter& writer, const Self& model) { ::SimHost::WriteValue(writer, model.field); }},

// A reader for a model whose fields are written by hand (optional fields
// that are left out when unset): fields by name, unknown ones skipped.
#define TALIX_MODEL_READER(Type, ...)                                                      \
    inline void ReadModel(::SimHost::JsonReader& reader, Type& model) {                    \
        reader.BeginObject();                                                              \
        std::string_view key;                                                              \
        bool first = true;                                                                 \
        while (reader.NextKey(key, first)) {                                               \
            NLOHMANN_JSON_EXPAND(NLOHMANN_JSON_PASTE(TALIX_MODEL_READ_FIELD, __VA_ARGS__)) \
            reader.Skip();                                                                 \
        }                                                                                  \
    }

// Declares a model's JSON conversions (fields by name, absent ones defaulted)
// and its direct reader and writer.
#define TALIX_MODEL(Type, ...)                                                                  \
    NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(Type, __VA_ARGS__)                          \
    inline void WriteModel(::SimHost::JsonWriter& writer, const Type& value) {                  \
        using Self = Type;                                                                      \
        static const auto fields = ::SimHost::FieldsByName<Self>(                               \
            {NLOHMANN_JSON_EXPAND(NLOHMANN_JSON_PASTE(TALIX_MODEL_WRITE_FIELD, __VA_ARGS__))}); \
        writer.BeginObject();                                                                   \
        for (const auto& field : fields) {                                                      \
            writer.Key(field.name);                                                             \
            field.write(writer, value);                                                         \
        }                                                                                       \
        writer.EndObject();                                                                     \
    }                                                                                           \
    TALIX_MODEL_READER(Type, __VA_ARGS__)
