// Texts joined at compile time from constant pieces. A command's settings
// built this way live in the library's read-only data: nothing is assembled
// when the plug-in loads, and the framework keeps them by reference.
#pragma once

#include <cstddef>

namespace NorvaleCli {
namespace NetworkNamespace {

template <size_t N>
struct StaticText {
    char text[N];
};

// JoinText("fields:", kRecordName) is the text "fields:<record name>".
template <size_t... Sizes>
constexpr StaticText<(Sizes + ...) - sizeof...(Sizes) + 1> JoinText(const char (&... pieces)[Sizes]) {
    StaticText<(Sizes + ...) - sizeof...(Sizes) + 1> joined{};
    size_t at = 0;
    auto append = [&joined, &at](const char* piece, size_t size) {
        for (size_t i = 0; i + 1 < size; ++i) joined.text[at++] = piece[i];
    };
    (append(pieces, Sizes), ...);
    joined.text[at] = '\0';
    return joined;
}

}  // namespace NetworkNamespace
}  // namespace NorvaleCli

// STATIC_TEXT("fields:", kRecordName): the joined text as a constant array
// with static storage, which the framework keeps by reference.
#define STATIC_TEXT(...)                                                                   \
    ([]() -> const auto& {                                                                 \
        static constexpr auto joined = ::NorvaleCli::NetworkNamespace::JoinText(__VA_ARGS__); \
        return joined.text;                                                                \
    }())
