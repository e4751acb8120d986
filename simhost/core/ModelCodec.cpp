// The reader and the writer of the host's JSON codec.
#include "ModelCodec.h"

#include <simdjson.h>

#include <charconv>
#include <cmath>
#include <cstring>

namespace SimHost {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// Character classes for the writer's loop: plain text is taken as it is
// (ASCII, no quote, backslash or control character).
constexpr unsigned char kPlainText = 2;
struct CharClasses {
    unsigned char of[256];
};
constexpr CharClasses MakeCharClasses() {
    CharClasses classes{};
    for (int c = 0x20; c < 0x80; ++c) classes.of[c] = kPlainText;
    classes.of[static_cast<unsigned char>('"')] = 0;
    classes.of[static_cast<unsigned char>('\\')] = 0;
    return classes;
}
constexpr CharClasses kCharClasses = MakeCharClasses();

bool Is(unsigned char charClass, char c) { return (kCharClasses.of[static_cast<unsigned char>(c)] & charClass) != 0; }

// The end of the plain text starting at p.
const char* PlainTextEnd(const char* p, const char* end) {
    while (p < end && Is(kPlainText, *p)) ++p;
    return p;
}

// Length of the well-formed UTF-8 sequence at p (p < end, *p >= 0x80), 0 when ill-formed.
size_t Utf8Length(const unsigned char* p, const unsigned char* end) {
    auto continuation = [&](size_t i, unsigned char low = 0x80, unsigned char high = 0xbf) {
        return p + i < end && p[i] >= low && p[i] <= high;
    };
    unsigned char c = p[0];
    if (c >= 0xc2 && c <= 0xdf) return continuation(1) ? 2 : 0;
    if (c == 0xe0) return continuation(1, 0xa0) && continuation(2) ? 3 : 0;
    if ((c >= 0xe1 && c <= 0xec) || c == 0xee || c == 0xef) return continuation(1) && continuation(2) ? 3 : 0;
    if (c == 0xed) return continuation(1, 0x80, 0x9f) && continuation(2) ? 3 : 0;
    if (c == 0xf0) return continuation(1, 0x90) && continuation(2) && continuation(3) ? 4 : 0;
    if (c >= 0xf1 && c <= 0xf3) return continuation(1) && continuation(2) && continuation(3) ? 4 : 0;
    if (c == 0xf4) return continuation(1, 0x80, 0x8f) && continuation(2) && continuation(3) ? 4 : 0;
    return 0;
}

// The first byte of text that is not well-formed UTF-8 (its end when all is).
const char* FirstIllFormedUtf8(const std::string& text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        size_t length = Utf8Length(p, end);
        if (length == 0) break;
        p += length;
    }
    return reinterpret_cast<const char*>(p);
}

}  // namespace

// The reader, over simdjson's On-Demand parser:
// the parser finds the document's structure and checks its UTF-8 at once; the
// values are parsed as the model asks for them.

namespace {

using simdjson::error_code;
namespace ondemand = simdjson::ondemand;

static_assert(kReadPadding >= simdjson::SIMDJSON_PADDING, "the reader's padding is what simdjson needs");

// Objects and arrays read without a model (skipped values) nest at most this deep.
constexpr int kMaxSkipDepth = 512;

// What is wrong, for the parser's own findings.
const char* ParserProblem(error_code error) {
    switch (error) {
        case simdjson::EMPTY: return "the document is empty";
        case simdjson::STRING_ERROR: return "invalid escape in a string";
        case simdjson::UNCLOSED_STRING: return "unterminated string";
        case simdjson::UNESCAPED_CHARS: return "control character in a string";
        case simdjson::UTF8_ERROR: return "ill-formed UTF-8";
        case simdjson::T_ATOM_ERROR: return "expected 'true'";
        case simdjson::F_ATOM_ERROR: return "expected 'false'";
        case simdjson::N_ATOM_ERROR: return "expected 'null'";
        case simdjson::NUMBER_ERROR: return "invalid number";
        case simdjson::TRAILING_CONTENT: return "unexpected text after the document";
        case simdjson::CAPACITY: return "the document is too large";
        case simdjson::MEMALLOC: return "not enough memory to read the document";
        default: return simdjson::error_message(error);
    }
}

const char* KindName(ondemand::json_type kind) {
    switch (kind) {
        case ondemand::json_type::object: return "object";
        case ondemand::json_type::array: return "array";
        case ondemand::json_type::string: return "string";
        case ondemand::json_type::number: return "number";
        case ondemand::json_type::boolean: return "boolean";
        default: return "null";
    }
}

bool IsBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

// The end of a string's text without escapes from p, just after its opening
// quote: its closing quote, or the first backslash. The parser has found the
// closing quote of every string before any is read.
const char* PlainStringEnd(const char* p) {
    while (*p != '"' && *p != '\\') ++p;
    return p;
}

// The parser of this thread, kept between documents up to this capacity: its
// buffers are allocated once for the small sections a command reads.
constexpr size_t kKeptParserCapacity = 1 << 20;
struct ParserSlot {
    ondemand::parser parser;
    bool busy = false;
};

}  // namespace

struct JsonReader::State {
    std::unique_ptr<ondemand::parser> ownParser;  // when the thread's is in use
    ParserSlot* slot = nullptr;
    ondemand::document document;
    ondemand::value value;  // the value to read next, below the root
    bool atRoot = true;
    const char* rootStart = nullptr;
    struct Frame {
        ondemand::object_iterator field;
        ondemand::array_iterator element;
        bool first = true;
    };
    std::vector<Frame> frames;

    ~State() {
        if (!slot) return;
        slot->busy = false;
        // The buffers of a big document (some 4 bytes per token) are given
        // back at once: a command holds what it decoded, not how.
        if (slot->parser.capacity() > kKeptParserCapacity) slot->parser = ondemand::parser();
    }

    // Calls get with the current value: the document's root or a value in it.
    template <typename Get>
    auto Current(Get get) {
        return atRoot ? get(document) : get(value);
    }
    const char* ValueStart() { return atRoot ? rootStart : value.raw_json_token().data(); }
};

JsonReader::JsonReader(const std::string& text) : text_(text), state_(std::make_unique<State>()) {
    State& state = *state_;
    static thread_local ParserSlot threadParser;
    ondemand::parser* parser;
    if (threadParser.busy) {
        state.ownParser = std::make_unique<ondemand::parser>();
        parser = state.ownParser.get();
    } else {
        threadParser.busy = true;
        state.slot = &threadParser;
        parser = &threadParser.parser;
    }
    size_t skip = text.size() >= 3 && std::memcmp(text.data(), "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
    const char* start = text.data() + skip;
    while (start < text.data() + text.size() && IsBlank(*start)) ++start;
    state.rootStart = start;
    error_code error = parser->iterate(text.data() + skip, text.size() - skip, text.capacity() - skip).get(state.document);
    if (error == simdjson::UTF8_ERROR) FailAt(FirstIllFormedUtf8(text), ParserProblem(error));
    if (error == simdjson::EMPTY) FailAt(text.data() + text.size(), "unexpected end of the document");
    if (error) Fail(ParserProblem(error));
}

JsonReader::~JsonReader() = default;

void JsonReader::Fail(const std::string& what) const { throw SectionFormatError(what); }

void JsonReader::FailAt(const char* at, const std::string& what) const {
    throw SectionFormatError("at byte " + std::to_string(at - text_.data() + 1) + ": " + what);
}

void JsonReader::FailHere(int code) {
    const auto error = static_cast<error_code>(code);
    const char* end = text_.data() + text_.size();
    const char* at = nullptr;
    if (state_->document.current_location().get(at) || at >= end) FailAt(end, "unexpected end of the document");
    // Punctuation missing or out of place: what was found instead.
    if (error == simdjson::TAPE_ERROR || error == simdjson::INCOMPLETE_ARRAY_OR_OBJECT) {
        FailAt(at, std::string("unexpected character '") + *at + "'");
    }
    FailAt(at, ParserProblem(error));
}

void JsonReader::ValueError(int code, const char* expected) {
    const auto error = static_cast<error_code>(code);
    State& state = *state_;
    const char* start = state.ValueStart();
    ondemand::json_type kind;
    if (state.Current([](auto& v) { return v.type(); }).get(kind)) {
        if (start >= text_.data() + text_.size()) FailAt(start, "unexpected end of the document");
        FailAt(start, std::string("unexpected character '") + *start + "'");
    }
    const bool anyKind = std::strcmp(expected, "value") == 0;
    if (!anyKind && std::strcmp(KindName(kind), expected) != 0) {
        FailAt(start, std::string("type must be ") + expected + ", but is " + KindName(kind));
    }
    // The right kind, but not well written.
    switch (kind) {
        case ondemand::json_type::boolean: FailAt(start, *start == 't' ? "expected 'true'" : "expected 'false'");
        case ondemand::json_type::null: FailAt(start, "expected 'null'");
        case ondemand::json_type::number: FailAt(start, "invalid number");
        case ondemand::json_type::string: FailAt(start, ParserProblem(error));
        default: break;
    }
    // An object or array whose first member is broken.
    FailHere(error);
}

void JsonReader::NotClosedAtEnd(char close) const {
    // The parser checks that a document's last character closes its first
    // value before it reads the value: what is at the end is wrong, whether
    // the value is not closed or other text follows it.
    const char* last = text_.data() + text_.size();
    while (last > text_.data() && IsBlank(last[-1])) --last;
    FailAt(last - 1, std::string("the document does not end with the '") + close + "' that closes its first value");
}

void JsonReader::BeginObject(const char* expected) {
    State& state = *state_;
    ondemand::object object;
    if (error_code error = state.Current([](auto& v) { return v.get_object(); }).get(object)) {
        if (state.atRoot && error == simdjson::INCOMPLETE_ARRAY_OR_OBJECT) NotClosedAtEnd('}');
        ValueError(error, expected);
    }
    State::Frame frame;
    if (error_code error = object.begin().get(frame.field)) FailHere(error);
    state.frames.push_back(frame);
    state.atRoot = false;
}

bool JsonReader::NextKey(std::string_view& key) {
    State& state = *state_;
    State::Frame& frame = state.frames.back();
    if (!frame.first) ++frame.field;
    frame.first = false;
    if (!(frame.field != frame.field)) {
        state.frames.pop_back();
        return false;
    }
    ondemand::field field;
    if (error_code error = (*frame.field).get(field)) FailHere(error);
    // A name without escapes, as every name the host writes, is taken where
    // it stands; only one with escapes is unescaped into the parser's buffer.
    const char* name = field.key().raw();
    const char* nameEnd = PlainStringEnd(name);
    if (*nameEnd == '"') {
        key = std::string_view(name, static_cast<size_t>(nameEnd - name));
    } else if (error_code error = field.unescaped_key().get(key)) {
        FailHere(error);
    }
    state.value = field.value();
    return true;
}

size_t JsonReader::BeginArray() { return StartArray(true); }

size_t JsonReader::StartArray(bool count) {
    State& state = *state_;
    ondemand::array array;
    if (error_code error = state.Current([](auto& v) { return v.get_array(); }).get(array)) {
        if (state.atRoot && error == simdjson::INCOMPLETE_ARRAY_OR_OBJECT) NotClosedAtEnd(']');
        ValueError(error, "array");
    }
    size_t elements = 0;
    if (count) {
        if (error_code error = array.count_elements().get(elements)) FailHere(error);
    }
    State::Frame frame;
    if (error_code error = array.begin().get(frame.element)) FailHere(error);
    state.frames.push_back(frame);
    state.atRoot = false;
    return elements;
}

bool JsonReader::NextElement() {
    State& state = *state_;
    State::Frame& frame = state.frames.back();
    if (!frame.first) ++frame.element;
    frame.first = false;
    if (!(frame.element != frame.element)) {
        state.frames.pop_back();
        return false;
    }
    if (error_code error = (*frame.element).get(state.value)) FailHere(error);
    return true;
}

void JsonReader::ReadString(std::string& out) {
    State& state = *state_;
    if (!state.atRoot) {
        // Text without escapes is copied once, straight from the document.
        const char* start = state.value.raw_json_token().data();
        if (*start == '"') {
            const char* end = PlainStringEnd(start + 1);
            ondemand::raw_json_string raw;
            if (*end == '"' && !state.value.get_raw_json_string().get(raw)) {
                out.assign(start + 1, static_cast<size_t>(end - start - 1));
                return;
            }
        }
    }
    std::string_view text;
    if (error_code error = state_->Current([](auto& v) { return v.get_string(); }).get(text)) {
        ValueError(error, "string");
    }
    out.assign(text.data(), text.size());
}

bool JsonReader::ReadBool() {
    bool value = false;
    if (error_code error = state_->Current([](auto& v) { return v.get_bool(); }).get(value)) {
        ValueError(error, "boolean");
    }
    return value;
}

bool JsonReader::TakeNull() {
    bool null = false;
    if (error_code error = state_->Current([](auto& v) { return v.is_null(); }).get(null)) ValueError(error, "null");
    return null;
}

JsonReader::Number JsonReader::ScanNumber() {
    State& state = *state_;
    numberStart_ = state.ValueStart();
    // Plain non-negative integers, nearly every number of a section, first.
    uint64_t plain = 0;
    if (!state.Current([](auto& v) { return v.get_uint64(); }).get(plain)) {
        return Number{Number::Unsigned, 0, plain, 0.0};
    }
    ondemand::number number;
    if (error_code error = state.Current([](auto& v) { return v.get_number(); }).get(number)) {
        // An integer beyond 64 bits is read only as a floating-point number.
        double large = 0;
        if (error != simdjson::NUMBER_ERROR || state.Current([](auto& v) { return v.get_double(); }).get(large)) {
            ValueError(error, "number");
        }
        return Number{Number::Float, 0, 0, large};
    }
    switch (number.get_number_type()) {
        case ondemand::number_type::signed_integer: return Number{Number::Signed, number.get_int64(), 0, 0.0};
        case ondemand::number_type::unsigned_integer: return Number{Number::Unsigned, 0, number.get_uint64(), 0.0};
        default: return Number{Number::Float, 0, 0, number.get_double()};
    }
}

std::string JsonReader::NumberText() const {
    // Up to the next blank or punctuation.
    const char* end = numberStart_;
    const char* textEnd = text_.data() + text_.size();
    while (end < textEnd && !IsBlank(*end) && *end != ',' && *end != '}' && *end != ']') ++end;
    return std::string(numberStart_, end);
}

bool JsonReader::IsExactWhole(double number) {
    constexpr double kExact = 9007199254740992.0;  // 2^53
    return std::isfinite(number) && std::trunc(number) == number && std::fabs(number) <= kExact;
}

void JsonReader::NotWhole() const {
    throw SectionFormatError("the number " + NumberText() + " is not a whole number in range (at byte " +
                             std::to_string(numberStart_ - text_.data() + 1) + ")");
}

void JsonReader::OutOfRange() const {
    throw SectionFormatError("the number " + NumberText() + " is out of range for its field (at byte " +
                             std::to_string(numberStart_ - text_.data() + 1) + ")");
}

void JsonReader::Skip() { SkipValue(0); }

void JsonReader::SkipValue(int depth) {
    // Every skipped value is parsed, so that a broken one is found whether
    // or not the model reads it.
    State& state = *state_;
    ondemand::json_type kind;
    if (state.Current([](auto& v) { return v.type(); }).get(kind)) ValueError(simdjson::TAPE_ERROR, "value");
    switch (kind) {
        case ondemand::json_type::object: {
            if (depth == kMaxSkipDepth) {
                FailAt(state.ValueStart(), "values nest deeper than " + std::to_string(kMaxSkipDepth) + " levels");
            }
            BeginObject();
            std::string_view key;
            while (NextKey(key)) SkipValue(depth + 1);
            break;
        }
        case ondemand::json_type::array:
            if (depth == kMaxSkipDepth) {
                FailAt(state.ValueStart(), "values nest deeper than " + std::to_string(kMaxSkipDepth) + " levels");
            }
            StartArray(false);
            while (NextElement()) SkipValue(depth + 1);
            break;
        case ondemand::json_type::string: {
            std::string_view text;
            if (error_code error = state.Current([](auto& v) { return v.get_string(); }).get(text)) {
                ValueError(error, "string");
            }
            break;
        }
        case ondemand::json_type::number: ScanNumber(); break;
        case ondemand::json_type::boolean: ReadBool(); break;
        case ondemand::json_type::null:
            if (!TakeNull()) ValueError(simdjson::N_ATOM_ERROR, "null");
            break;
    }
}

void JsonReader::ExpectEnd() {
    const char* at = nullptr;
    if (state_->document.current_location().get(at)) return;  // at the end
    FailAt(at, "unexpected text after the document");
}

void JsonWriter::NewLine() {
    out_ += '\n';
    out_.append(empty_.size(), ' ');
}

void JsonWriter::BeginObject() {
    out_ += '{';
    empty_.push_back(true);
}

void JsonWriter::NextMember() {
    if (!empty_.back()) out_ += ',';
    empty_.back() = false;
    NewLine();
}

void JsonWriter::Key(std::string_view name) {
    NextMember();
    out_ += '"';
    out_ += name;
    out_ += "\": ";
}

void JsonWriter::TextKey(const std::string& name) {
    NextMember();
    String(name);
    out_ += ": ";
}

void JsonWriter::EndObject() {
    bool empty = empty_.back();
    empty_.pop_back();
    if (!empty) NewLine();
    out_ += '}';
}

void JsonWriter::BeginArray() {
    out_ += '[';
    empty_.push_back(true);
}

void JsonWriter::Element() { NextMember(); }

void JsonWriter::EndArray() {
    bool empty = empty_.back();
    empty_.pop_back();
    if (!empty) NewLine();
    out_ += ']';
}

void JsonWriter::String(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    out_ += '"';
    for (;;) {
        // Plain text, nearly all of it, is copied a run at a time.
        const char* start = p;
        p = PlainTextEnd(p, end);
        out_.append(start, static_cast<size_t>(p - start));
        if (p == end) break;
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0x80) {
            size_t length =
                Utf8Length(reinterpret_cast<const unsigned char*>(p), reinterpret_cast<const unsigned char*>(end));
            if (length == 0) {
                throw SectionFormatError(std::string("a text to be written is not UTF-8 text (byte 0x") +
                                         kHexDigits[c >> 4] + kHexDigits[c & 0xf] + " at position " +
                                         std::to_string(p - text.data()) + ")");
            }
            out_.append(p, length);
            p += length;
            continue;
        }
        ++p;
        switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\b': out_ += "\\b"; break;
            case '\f': out_ += "\\f"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default: {
                const char escape[] = {'\\', 'u', '0', '0', kHexDigits[c >> 4], kHexDigits[c & 0xf]};
                out_.append(escape, sizeof escape);
            }
        }
    }
    out_ += '"';
}

void JsonWriter::Signed(int64_t value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
}

void JsonWriter::Unsigned(uint64_t value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
}

}  // namespace SimHost
