// The pull reader and the writer of the host's JSON codec.
#include "ModelCodec.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "hostcommon/HexDigit.h"

namespace SimHost {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr char kHexDigits[] = "0123456789abcdef";

// Character classes, one table lookup per character of the hot loops.
constexpr unsigned char kBlank = 1;      // between tokens
constexpr unsigned char kPlainText = 2;  // in a string, taken as it is: ASCII, no quote, backslash or control
struct CharClasses {
    unsigned char of[256];
};
constexpr CharClasses MakeCharClasses() {
    CharClasses classes{};
    for (int c = 0x20; c < 0x80; ++c) classes.of[c] = kPlainText;
    classes.of[static_cast<unsigned char>('"')] = 0;
    classes.of[static_cast<unsigned char>('\\')] = 0;
    for (char c : {' ', '\n', '\r', '\t'}) classes.of[static_cast<unsigned char>(c)] |= kBlank;
    return classes;
}
constexpr CharClasses kCharClasses = MakeCharClasses();

bool Is(unsigned char charClass, char c) { return (kCharClasses.of[static_cast<unsigned char>(c)] & charClass) != 0; }

// The end of the plain text starting at p.
const char* PlainTextEnd(const char* p, const char* end) {
    while (p < end && Is(kPlainText, *p)) ++p;
    return p;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xc0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xe0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    }
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

}  // namespace

JsonReader::JsonReader(std::string_view text)
    : begin_(text.data()), pos_(text.data()), end_(text.data() + text.size()) {
    if (text.size() >= 3 && std::memcmp(pos_, "\xEF\xBB\xBF", 3) == 0) pos_ += 3;
}

void JsonReader::Fail(const std::string& what) const {
    throw SectionFormatError("at byte " + std::to_string(pos_ - begin_ + 1) + ": " + what);
}

const char* JsonReader::KindName(Kind kind) {
    switch (kind) {
    case Kind::Object: return "object";
    case Kind::Array: return "array";
    case Kind::String: return "string";
    case Kind::Number: return "number";
    case Kind::Boolean: return "boolean";
    default: return "null";
    }
}

void JsonReader::WrongType(const char* expected) {
    Fail(std::string("type must be ") + expected + ", but is " + KindName(Peek()));
}

bool JsonReader::IsExactWhole(double number) {
    constexpr double kExact = 9007199254740992.0;  // 2^53
    return std::isfinite(number) && std::trunc(number) == number && std::fabs(number) <= kExact;
}

void JsonReader::NotWhole(const char* start) const {
    throw SectionFormatError("the number " + std::string(start, pos_) + " is not a whole number in range (at byte " +
                             std::to_string(start - begin_ + 1) + ")");
}

void JsonReader::OutOfRange(const char* start) const {
    throw SectionFormatError("the number " + std::string(start, pos_) + " is out of range for its field (at byte " +
                             std::to_string(start - begin_ + 1) + ")");
}

void JsonReader::Enter() {
    constexpr int kMaxDepth = 512;
    if (++depth_ > kMaxDepth) Fail("values nest deeper than " + std::to_string(kMaxDepth) + " levels");
}

void JsonReader::SkipBlanks() {
    while (pos_ < end_ && Is(kBlank, *pos_)) ++pos_;
}

JsonReader::Kind JsonReader::Peek() {
    SkipBlanks();
    if (pos_ == end_) Fail("unexpected end of the document");
    switch (*pos_) {
    case '{': return Kind::Object;
    case '[': return Kind::Array;
    case '"': return Kind::String;
    case 't':
    case 'f': return Kind::Boolean;
    case 'n': return Kind::Null;
    default:
        if (*pos_ == '-' || IsDigit(*pos_)) return Kind::Number;
        Fail(std::string("unexpected character '") + *pos_ + "'");
    }
}

void JsonReader::Expect(char c) {
    SkipBlanks();
    if (pos_ == end_) Fail(std::string("expected '") + c + "', found the end of the document");
    if (*pos_ != c) Fail(std::string("expected '") + c + "', found '" + *pos_ + "'");
    ++pos_;
}

void JsonReader::ExpectSeparator(char close) {
    // Blanks are skipped: the next value, or the close, is not here.
    if (pos_ == end_) Fail(std::string("expected ',' or '") + close + "', found the end of the document");
    if (*pos_ != ',') Fail(std::string("expected ',' or '") + close + "', found '" + *pos_ + "'");
    ++pos_;
}

void JsonReader::ExpectWord(const char* word) {
    size_t length = std::strlen(word);
    if (static_cast<size_t>(end_ - pos_) < length || std::memcmp(pos_, word, length) != 0) {
        Fail(std::string("expected '") + word + "'");
    }
    pos_ += length;
}

void JsonReader::BeginObject(const char* expected) {
    if (Peek() != Kind::Object) WrongType(expected);
    ++pos_;
}

bool JsonReader::NextKey(std::string_view& key, bool& first) {
    SkipBlanks();
    if (pos_ < end_ && *pos_ == '}') {
        ++pos_;
        return false;
    }
    if (!first) {
        ExpectSeparator('}');
        SkipBlanks();
    }
    if (pos_ == end_ || *pos_ != '"') Fail("expected a member name");
    first = false;
    // Member names rarely hold escapes: take them in place when they do not.
    const char* start = pos_ + 1;
    const char* p = PlainTextEnd(start, end_);
    if (p < end_ && *p == '"') {
        key = std::string_view(start, static_cast<size_t>(p - start));
        pos_ = p + 1;
    } else {
        ScanString(keyBuffer_);
        key = keyBuffer_;
    }
    Expect(':');
    return true;
}

void JsonReader::BeginArray() {
    if (Peek() != Kind::Array) WrongType("array");
    ++pos_;
}

bool JsonReader::NextElement(bool& first) {
    SkipBlanks();
    if (pos_ < end_ && *pos_ == ']') {
        ++pos_;
        return false;
    }
    if (!first) ExpectSeparator(']');
    first = false;
    return true;
}

void JsonReader::ScanString(std::string& out) {
    // pos_ is at the opening quote.
    ++pos_;
    out.clear();
    for (;;) {
        const char* start = pos_;
        pos_ = PlainTextEnd(pos_, end_);
        out.append(start, static_cast<size_t>(pos_ - start));
        if (pos_ == end_) Fail("unterminated string");
        unsigned char c = static_cast<unsigned char>(*pos_);
        if (c == '"') {
            ++pos_;
            return;
        }
        if (c < 0x20) Fail("control character in a string");
        if (c >= 0x80) {
            size_t length =
                Utf8Length(reinterpret_cast<const unsigned char*>(pos_), reinterpret_cast<const unsigned char*>(end_));
            if (length == 0) Fail("ill-formed UTF-8 in a string");
            out.append(pos_, length);
            pos_ += length;
            continue;
        }
        // An escape.
        if (end_ - pos_ < 2) Fail("unterminated string");
        char escape = pos_[1];
        pos_ += 2;
        switch (escape) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
            auto hex4 = [&]() -> uint32_t {
                if (end_ - pos_ < 4) Fail("incomplete \\u escape");
                uint32_t value = 0;
                for (int i = 0; i < 4; ++i) {
                    int digit = HexDigitValue(pos_[i]);
                    if (digit < 0) Fail("invalid \\u escape");
                    value = value * 16 + static_cast<uint32_t>(digit);
                }
                pos_ += 4;
                return value;
            };
            uint32_t code = hex4();
            if (code >= 0xd800 && code <= 0xdbff) {
                if (end_ - pos_ < 2 || pos_[0] != '\\' || pos_[1] != 'u') Fail("unpaired surrogate escape");
                pos_ += 2;
                uint32_t low = hex4();
                if (low < 0xdc00 || low > 0xdfff) Fail("unpaired surrogate escape");
                code = 0x10000 + ((code - 0xd800) << 10) + (low - 0xdc00);
            } else if (code >= 0xdc00 && code <= 0xdfff) {
                Fail("unpaired surrogate escape");
            }
            AppendUtf8(out, code);
            break;
        }
        default:
            pos_ -= 2;  // the place of the backslash
            Fail("invalid escape in a string");
        }
    }
}

void JsonReader::ReadString(std::string& out) {
    if (Peek() != Kind::String) WrongType("string");
    ScanString(out);
}

bool JsonReader::ReadBool() {
    if (Peek() != Kind::Boolean) WrongType("boolean");
    if (*pos_ == 't') {
        ExpectWord("true");
        return true;
    }
    ExpectWord("false");
    return false;
}

void JsonReader::ReadNull() {
    if (Peek() != Kind::Null) WrongType("null");
    ExpectWord("null");
}

JsonReader::Number JsonReader::ScanNumber() {
    // Plain non-negative integers below 10^19, nearly every number of a
    // section, are converted while they are scanned; the rest (signs,
    // fractions, exponents, leading zeros, more digits) take the full path.
    {
        const char* p = pos_;
        uint64_t value = 0;
        int digits = 0;
        while (p < end_ && IsDigit(*p) && digits < 19) {
            value = value * 10 + static_cast<uint64_t>(*p - '0');
            ++p;
            ++digits;
        }
        const bool ends = p == end_ || !(IsDigit(*p) || *p == '.' || *p == 'e' || *p == 'E');
        if (digits > 0 && ends && !(digits > 1 && *pos_ == '0')) {
            pos_ = p;
            return Number{Number::Unsigned, 0, value, 0.0};
        }
    }
    const char* start = pos_;
    const char* p = pos_;
    bool negative = p < end_ && *p == '-';
    if (negative) ++p;
    if (p == end_ || !IsDigit(*p)) Fail("invalid number");
    if (*p == '0') {
        ++p;
    } else {
        while (p < end_ && IsDigit(*p)) ++p;
    }
    bool integral = true;
    if (p < end_ && *p == '.') {
        integral = false;
        ++p;
        if (p == end_ || !IsDigit(*p)) Fail("invalid number");
        while (p < end_ && IsDigit(*p)) ++p;
    }
    if (p < end_ && (*p == 'e' || *p == 'E')) {
        integral = false;
        ++p;
        if (p < end_ && (*p == '+' || *p == '-')) ++p;
        if (p == end_ || !IsDigit(*p)) Fail("invalid number");
        while (p < end_ && IsDigit(*p)) ++p;
    }
    pos_ = p;
    Number number{Number::Float, 0, 0, 0.0};
    if (integral) {
        if (negative) {
            auto result = std::from_chars(start, p, number.i);
            if (result.ec == std::errc()) {
                number.kind = Number::Signed;
                return number;
            }
        } else {
            auto result = std::from_chars(start, p, number.u);
            if (result.ec == std::errc()) {
                number.kind = Number::Unsigned;
                return number;
            }
        }
    }
    // Fractions, exponents and integers too large for 64 bits.
    std::string text(start, p);
    number.f = std::strtod(text.c_str(), nullptr);
    return number;
}

void JsonReader::SkipString() {
    // Plain text, the common case, is passed over without being copied; a
    // string with escapes or non-ASCII text is checked the long way.
    const char* p = PlainTextEnd(pos_ + 1, end_);
    if (p < end_ && *p == '"') {
        pos_ = p + 1;
        return;
    }
    ScanString(skipBuffer_);
}

void JsonReader::Skip() {
    switch (Peek()) {
    case Kind::Object: {
        Enter();  // the place of the bracket that nests too deep
        ++pos_;
        std::string_view key;
        bool first = true;
        while (NextKey(key, first)) Skip();
        Leave();
        break;
    }
    case Kind::Array: {
        Enter();  // the place of the bracket that nests too deep
        ++pos_;
        bool first = true;
        while (NextElement(first)) Skip();
        Leave();
        break;
    }
    case Kind::String: SkipString(); break;
    case Kind::Number: ScanNumber(); break;
    case Kind::Boolean: ReadBool(); break;
    case Kind::Null: ReadNull(); break;
    }
}

void JsonReader::ExpectEnd() {
    SkipBlanks();
    if (pos_ != end_) Fail("unexpected text after the document");
}

void JsonWriter::BeginObject() {
    out_ += '{';
    empty_.push_back(true);
    lineStart_ += ' ';
}

void JsonWriter::NextMember() {
    const bool first = empty_.back();
    empty_.back() = false;
    out_.append(lineStart_, first ? 1 : 0, std::string::npos);
}

void JsonWriter::Key(std::string_view name) {
    NextMember();
    out_ += '"';
    out_.append(name.data(), name.size());
    out_.append("\": ", 3);
}

void JsonWriter::TextKey(const std::string& name) {
    NextMember();
    String(name);
    out_.append(": ", 2);
}

void JsonWriter::EndObject() { Close('}'); }

void JsonWriter::BeginArray() {
    out_ += '[';
    empty_.push_back(true);
    lineStart_ += ' ';
}

void JsonWriter::Element() { NextMember(); }

void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Close(char bracket) {
    const bool empty = empty_.back();
    empty_.pop_back();
    lineStart_.pop_back();
    if (!empty) out_.append(lineStart_, 1, std::string::npos);
    out_ += bracket;
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
