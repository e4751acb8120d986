// Batch input split into command lines and words.
#include "ShellWords.h"

#include <algorithm>

namespace Parvik {
namespace AutoCli {

namespace {

// Enough for most commands' words, so that a line's word list is allocated once.
constexpr size_t kUsualWords = 12;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A character that stands for itself inside a word (a '#' inside a word does too).
bool IsPlain(char c) { return !IsBlank(c) && c != '\n' && c != '\\' && c != '\'' && c != '"'; }

// Characters a backslash escapes inside double quotes.
bool EscapableInDoubleQuotes(char c) { return c == '"' || c == '\\' || c == '$' || c == '`' || c == '\n'; }

std::string Trimmed(const std::string& text, size_t begin, size_t end) {
    while (begin < end && (IsBlank(text[begin]) || text[begin] == '\n')) ++begin;
    while (end > begin && (IsBlank(text[end - 1]) || text[end - 1] == '\n')) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

std::vector<BatchLine> SplitBatch(const std::string& input) {
    std::vector<BatchLine> lines;
    // A line a command, nearly always: room for them all at once instead of
    // moving thousands of lines at each growth.
    lines.reserve(static_cast<size_t>(std::count(input.begin(), input.end(), '\n')) + 1);
    size_t pos = 0;
    size_t lineNumber = 1;
    while (pos < input.size()) {
        BatchLine line;
        line.number = lineNumber;
        line.words.reserve(kUsualWords);
        const size_t start = pos;
        std::string word;
        bool inWord = false;
        bool ended = false;
        auto endWord = [&]() {
            if (inWord) line.words.push_back(std::move(word));
            word.clear();
            inWord = false;
        };
        while (pos < input.size() && !ended) {
            const char c = input[pos];
            if (c == '\n') {
                ++lineNumber;
                ++pos;
                ended = true;
            } else if (IsBlank(c)) {
                endWord();
                ++pos;
            } else if (c == '#' && !inWord) {
                while (pos < input.size() && input[pos] != '\n') ++pos;
            } else if (c == '\\') {
                if (pos + 1 >= input.size()) {
                    line.error = "The line ends with an unfinished escape (\\).";
                    ++pos;
                } else if (input[pos + 1] == '\n') {
                    ++lineNumber;  // a continued line
                    pos += 2;
                } else {
                    word += input[pos + 1];
                    inWord = true;
                    pos += 2;
                }
            } else if (c == '\'') {
                const size_t close = input.find('\'', pos + 1);
                if (close == std::string::npos) {
                    line.error = "The line has an unterminated single quote.";
                    pos = input.size();
                    break;
                }
                for (size_t i = pos + 1; i < close; ++i) lineNumber += input[i] == '\n';
                word.append(input, pos + 1, close - pos - 1);
                inWord = true;
                pos = close + 1;
            } else if (c == '"') {
                inWord = true;
                ++pos;
                bool closed = false;
                while (pos < input.size()) {
                    const char q = input[pos];
                    if (q == '"') {
                        closed = true;
                        ++pos;
                        break;
                    }
                    if (q == '\\' && pos + 1 < input.size() && EscapableInDoubleQuotes(input[pos + 1])) {
                        if (input[pos + 1] == '\n') {
                            ++lineNumber;
                        } else {
                            word += input[pos + 1];
                        }
                        pos += 2;
                        continue;
                    }
                    lineNumber += q == '\n';
                    word += q;
                    ++pos;
                }
                if (!closed) {
                    line.error = "The line has an unterminated double quote.";
                    break;
                }
            } else {
                // The rest of a run of plain characters, copied at once.
                size_t end = pos + 1;
                while (end < input.size() && IsPlain(input[end])) ++end;
                word.append(input, pos, end - pos);
                inWord = true;
                pos = end;
            }
        }
        endWord();
        line.text = Trimmed(input, start, pos);
        if (!line.words.empty() || !line.error.empty()) lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace AutoCli
}  // namespace Parvik
