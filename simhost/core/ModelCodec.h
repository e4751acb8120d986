// The host's one JSON codec: section documents straight into their models and
// back, a pull reader over the text (ReadValue) and a writer (WriteValue) for
// every field type models use: strings, booleans, integers, vectors, optional
// values, maps by name and nested models. A model binds its fields by name
// with TALIX_MODEL; the same struct may be a platform struct.
//
// Reading: absent fields keep their defaults, unknown fields are skipped (but
// must be valid JSON), a field of the wrong type, text that is not JSON, or
// trailing text is an error, with its place ("at byte N"). A null optional
// value is unset. Writing: members in name order, one per line, indented by
// one blank per level; unset optional values are left out.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "ForEach.h"

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
    // An integer field's number: whole, and within the field's type.
    template <typename T>
    T ReadNumber();
    void Skip();
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
    // The comma between two members or elements, where close was not found.
    void ExpectSeparator(char close);
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
    static_assert(std::is_integral_v<T>, "model numbers are integers");
    if (Peek() != Kind::Number) WrongType("number");
    const char* start = pos_;
    Number number = ScanNumber();
    // A number written with a fraction or an exponent (9000.0, 9e3) is taken
    // only when it is whole and exact; then, however it is written, only a
    // value the field's own type can hold.
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

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void BeginObject();
    // A member name that is a plain identifier, as model fields are.
    void Key(std::string_view name);
    // Any other member name, escaped like a string.
    void TextKey(const std::string& name);
    void EndObject();
    void BeginArray();
    void Element();
    void EndArray();
    // Escapes what JSON requires (quote, backslash, control characters) and
    // keeps the rest as it is; throws SectionFormatError on ill-formed UTF-8.
    void String(std::string_view text);
    void Bool(bool value) { out_ += value ? "true" : "false"; }
    void Null() { out_ += "null"; }
    void Signed(int64_t value);
    void Unsigned(uint64_t value);

private:
    void NextMember();
    void Close(char bracket);

    std::string& out_;
    std::vector<bool> empty_;  // per open object or array: nothing written in it yet
    // What goes before a member or element: a comma, a line break and a blank
    // per open object or array, appended whole (without the comma for the first).
    std::string lineStart_ = ",\n";
};

// One field of a model: its stored name and its member.
template <typename Owner, typename T>
struct ModelField {
    std::string_view name;
    T Owner::*member;
};

template <typename Owner, typename T>
constexpr ModelField<Owner, T> MakeModelField(std::string_view name, T Owner::*member) {
    return {name, member};
}

// The fields of Model (a tuple of ModelField), as TALIX_MODEL declares them.
template <typename Model>
inline constexpr auto kModelFields = ModelFields(static_cast<const Model*>(nullptr));

template <typename T, typename = void>
struct IsModel : std::false_type {};
template <typename T>
struct IsModel<T, std::void_t<decltype(ModelFields(static_cast<const T*>(nullptr)))>> : std::true_type {};

template <typename T>
struct IsVector : std::false_type {};
template <typename T, typename A>
struct IsVector<std::vector<T, A>> : std::true_type {};

template <typename T>
struct IsOptional : std::false_type {};
template <typename T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <typename T>
struct IsTextMap : std::false_type {};
template <typename T, typename C, typename A>
struct IsTextMap<std::map<std::string, T, C, A>> : std::true_type {};

template <typename Model>
std::enable_if_t<IsModel<Model>::value> ReadModel(JsonReader& reader, Model& model);
template <typename Model>
std::enable_if_t<IsModel<Model>::value> WriteModel(JsonWriter& writer, const Model& model);

template <typename T>
void ReadValue(JsonReader& reader, T& value) {
    static_assert(!std::is_same_v<T, std::vector<bool>>, "no model field is a vector of booleans");
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
    } else if constexpr (IsTextMap<T>::value) {
        // A repeated name: the last value wins.
        value.clear();
        reader.BeginObject();
        std::string_view key;
        bool first = true;
        while (reader.NextKey(key, first)) ReadValue(reader, value[std::string(key)]);
    } else {
        // A model, or a type with a ReadModel of its own.
        ReadModel(reader, value);
    }
}

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
    } else if constexpr (IsOptional<T>::value) {
        // Written only inside a vector or map: a model leaves an unset field out.
        if (value) {
            WriteValue(writer, *value);
        } else {
            writer.Null();
        }
    } else if constexpr (IsTextMap<T>::value) {
        writer.BeginObject();
        for (const auto& entry : value) {
            writer.TextKey(entry.first);
            WriteValue(writer, entry.second);
        }
        writer.EndObject();
    } else {
        // A model, or a type with a WriteModel of its own.
        WriteModel(writer, value);
    }
}

namespace detail {

template <typename Model>
constexpr size_t kFieldCount = std::tuple_size_v<std::decay_t<decltype(kModelFields<Model>)>>;

// The positions of Model's fields in the order of their names.
template <typename Model>
constexpr std::array<size_t, kFieldCount<Model>> FieldsByName() {
    constexpr size_t count = kFieldCount<Model>;
    auto names = std::apply([](const auto&... field) { return std::array<std::string_view, count>{field.name...}; },
                            kModelFields<Model>);
    std::array<size_t, count> order{};
    for (size_t i = 0; i < count; ++i) order[i] = i;
    for (size_t i = 1; i < count; ++i) {
        for (size_t j = i; j > 0 && names[order[j]] < names[order[j - 1]]; --j) {
            size_t swapped = order[j];
            order[j] = order[j - 1];
            order[j - 1] = swapped;
        }
    }
    return order;
}

template <typename Model>
inline constexpr auto kFieldsByName = FieldsByName<Model>();

template <typename Model>
constexpr bool NamesAreUnique() {
    constexpr auto& order = kFieldsByName<Model>;
    auto names =
        std::apply([](const auto&... field) { return std::array<std::string_view, kFieldCount<Model>>{field.name...}; },
                   kModelFields<Model>);
    for (size_t i = 1; i < order.size(); ++i) {
        if (names[order[i]] == names[order[i - 1]]) return false;
    }
    return true;
}

// Field I of Model is taken as a constant (name and member), so that the
// field tables stay compile-time values: no table, and no relocation of one
// at start-up, in the libraries.
template <typename Model, size_t I>
bool ReadFieldNamed(JsonReader& reader, std::string_view key, Model& model) {
    constexpr auto field = std::get<I>(kModelFields<Model>);
    if (key != field.name) return false;
    ReadValue(reader, model.*field.member);
    return true;
}

template <typename Model, size_t... I>
bool ReadKnownField(JsonReader& reader, std::string_view key, Model& model, std::index_sequence<I...>) {
    return (ReadFieldNamed<Model, I>(reader, key, model) || ...);
}

// A default-constructed model: what reading gives a field that is absent.
template <typename Model>
const Model& DefaultModel() {
    static const Model model{};
    return model;
}

// Whether a field holds what reading an absent field gives: a scalar equal to
// its default, or an empty list or map whose default is empty. Such fields
// are left out, so that a file holds only what was set and a change rewrites
// only the lines it touches. (A nested record is always written.)
template <typename T>
bool HoldsDefault(const T& value, const T& fallback) {
    if constexpr (std::is_same_v<T, std::string> || std::is_arithmetic_v<T>) {
        return value == fallback;
    } else if constexpr (IsVector<T>::value || IsTextMap<T>::value) {
        return value.empty() && fallback.empty();
    } else {
        return false;
    }
}

template <typename Model, size_t I>
void WriteField(JsonWriter& writer, const Model& model) {
    constexpr auto field = std::get<I>(kModelFields<Model>);
    const auto& value = model.*field.member;
    using T = std::decay_t<decltype(value)>;
    if (HoldsDefault(value, DefaultModel<Model>().*field.member)) return;
    if constexpr (IsOptional<T>::value) {
        if (!value) return;
        writer.Key(field.name);
        WriteValue(writer, *value);
    } else {
        writer.Key(field.name);
        WriteValue(writer, value);
    }
}

template <typename Model, size_t... I>
void WriteFieldsByName(JsonWriter& writer, const Model& model, std::index_sequence<I...>) {
    (WriteField<Model, kFieldsByName<Model>[I]>(writer, model), ...);
}

}  // namespace detail

template <typename Model>
std::enable_if_t<IsModel<Model>::value> ReadModel(JsonReader& reader, Model& model) {
    reader.BeginObject();
    std::string_view key;
    bool first = true;
    while (reader.NextKey(key, first)) {
        if (!detail::ReadKnownField(reader, key, model, std::make_index_sequence<detail::kFieldCount<Model>>{})) {
            reader.Skip();
        }
    }
}

template <typename Model>
std::enable_if_t<IsModel<Model>::value> WriteModel(JsonWriter& writer, const Model& model) {
    static_assert(detail::NamesAreUnique<Model>(), "a model names each field once");
    writer.BeginObject();
    detail::WriteFieldsByName(writer, model, std::make_index_sequence<detail::kFieldCount<Model>>{});
    writer.EndObject();
}

// A whole section document, with a final newline.
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

#define TALIX_MODEL_FIELD(field) ::SimHost::MakeModelField(#field, &TalixModelSelf::field)

// Binds a struct's fields to the codec by name: TALIX_MODEL(Type, field...),
// in the struct's own namespace (a platform struct's too), so that the codec
// finds the binding by the type.
#define TALIX_MODEL(Type, ...)                                                  \
    inline constexpr auto ModelFields(const Type*) {                            \
        using TalixModelSelf = Type;                                            \
        return std::make_tuple(TALIX_FOR_EACH(TALIX_MODEL_FIELD, __VA_ARGS__)); \
    }
