// Unified differences: a minimal line edit script found in linear space
// (divide and conquer on the middle snake, after common ends are set aside),
// then grouped into hunks with three lines of context.
#include "UnifiedDiff.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace Parvik {
namespace AutoCli {

namespace {

constexpr size_t kContext = 3;

// Lines with their newline, so that a last line without one differs from the same text with one.
std::vector<std::string_view> SplitLines(const std::string& text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.emplace_back(text.data() + start, end - start);
        start = end;
    }
    return lines;
}

class EditScript {
public:
    EditScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b)
        : a_(a), b_(b), removed_(a.size(), false), added_(b.size(), false) {
        const size_t size = a.size() + b.size() + 3;
        forward_.resize(2 * size + 1);
        backward_.resize(2 * size + 1);
        Compare(0, static_cast<long>(a.size()), 0, static_cast<long>(b.size()));
    }
    const std::vector<bool>& Removed() const { return removed_; }
    const std::vector<bool>& Added() const { return added_; }

private:
    struct Snake {
        long x0, y0, x1, y1;  // a diagonal run from (x0, y0) to (x1, y1), relative to the region
    };

    void Compare(long aLow, long aHigh, long bLow, long bHigh) {
        while (aLow < aHigh && bLow < bHigh && a_[aLow] == b_[bLow]) ++aLow, ++bLow;
        while (aLow < aHigh && bLow < bHigh && a_[aHigh - 1] == b_[bHigh - 1]) --aHigh, --bHigh;
        if (aLow == aHigh) {
            for (long y = bLow; y < bHigh; ++y) added_[y] = true;
            return;
        }
        if (bLow == bHigh) {
            for (long x = aLow; x < aHigh; ++x) removed_[x] = true;
            return;
        }
        const Snake snake = MiddleSnake(aLow, aHigh, bLow, bHigh);
        Compare(aLow, aLow + snake.x0, bLow, bLow + snake.y0);
        Compare(aLow + snake.x1, aHigh, bLow + snake.y1, bHigh);
    }

    // The middle of an edit path of least cost through the region (Myers):
    // paths are extended from both corners, one cost step at a time, until they meet.
    Snake MiddleSnake(long aLow, long aHigh, long bLow, long bHigh) {
        const long n = aHigh - aLow, m = bHigh - bLow, delta = n - m;
        const bool odd = (delta & 1) != 0;
        const long offset = static_cast<long>(forward_.size() / 2);
        long* vf = forward_.data() + offset;
        long* vb = backward_.data() + offset;
        vf[1] = 0;
        vb[1] = 0;
        const long limit = (n + m + 1) / 2;
        for (long d = 0; d <= limit; ++d) {
            for (long k = -d; k <= d; k += 2) {
                long x = (k == -d || (k != d && vf[k - 1] < vf[k + 1])) ? vf[k + 1] : vf[k - 1] + 1;
                long y = x - k;
                const long x0 = x, y0 = y;
                while (x < n && y < m && a_[aLow + x] == b_[bLow + y]) ++x, ++y;
                vf[k] = x;
                const long reverse = delta - k;
                if (odd && reverse >= -(d - 1) && reverse <= d - 1 && vf[k] + vb[reverse] >= n) {
                    return Snake{x0, y0, x, y};
                }
            }
            for (long k = -d; k <= d; k += 2) {
                long x = (k == -d || (k != d && vb[k - 1] < vb[k + 1])) ? vb[k + 1] : vb[k - 1] + 1;
                long y = x - k;
                const long x0 = x, y0 = y;
                while (x < n && y < m && a_[aHigh - 1 - x] == b_[bHigh - 1 - y]) ++x, ++y;
                vb[k] = x;
                const long reverse = delta - k;
                if (!odd && reverse >= -d && reverse <= d && vb[k] + vf[reverse] >= n) {
                    return Snake{n - x, m - y, n - x0, m - y0};
                }
            }
        }
        return Snake{n, m, n, m};  // not reached: the paths meet within the limit
    }

    const std::vector<std::string_view>& a_;
    const std::vector<std::string_view>& b_;
    std::vector<bool> removed_;
    std::vector<bool> added_;
    std::vector<long> forward_;
    std::vector<long> backward_;
};

enum class Op { Keep, Remove, Add };

struct Step {
    Op op;
    size_t line;  // index in a (Keep, Remove) or b (Add)
};

void AppendLine(std::string& out, char marker, std::string_view line) {
    out += marker;
    out.append(line.data(), line.size());
    if (line.empty() || line.back() != '\n') out += "\n\\ No newline at end of file\n";
}

void AppendRange(std::string& out, size_t first, size_t count) {
    // An empty range is named by the line before it.
    out += std::to_string(count == 0 ? first : first + 1);
    if (count != 1) out += "," + std::to_string(count);
}

}  // namespace

std::string DiffHunks(const std::string& before, const std::string& after) {
    const auto a = SplitLines(before);
    const auto b = SplitLines(after);
    EditScript script(a, b);
    std::vector<Step> steps;
    steps.reserve(a.size() + b.size());
    for (size_t i = 0, j = 0; i < a.size() || j < b.size();) {
        if (i < a.size() && script.Removed()[i]) {
            steps.push_back({Op::Remove, i++});
        } else if (j < b.size() && script.Added()[j]) {
            steps.push_back({Op::Add, j++});
        } else {
            steps.push_back({Op::Keep, i++});
            ++j;
        }
    }

    std::string out;
    size_t at = 0;
    size_t counted = 0, aSeen = 0, bSeen = 0;  // lines of a and b in steps before counted
    while (at < steps.size()) {
        while (at < steps.size() && steps[at].op == Op::Keep) ++at;
        if (at == steps.size()) break;
        const size_t begin = at >= kContext ? at - kContext : 0;
        // The hunk runs on while the next change is at most twice the context away.
        size_t end = at;
        for (;;) {
            while (end < steps.size() && steps[end].op != Op::Keep) ++end;
            size_t kept = end;
            while (kept < steps.size() && steps[kept].op == Op::Keep) ++kept;
            if (kept == steps.size() || kept - end > 2 * kContext) break;
            end = kept;
        }
        const size_t stop = std::min(steps.size(), end + kContext);
        // Where the hunk starts in each text: the lines before it in a and in b.
        for (; counted < begin; ++counted) {
            aSeen += steps[counted].op != Op::Add;
            bSeen += steps[counted].op != Op::Remove;
        }
        const size_t aFirst = aSeen, bFirst = bSeen;
        size_t aCount = 0, bCount = 0;
        for (size_t s = begin; s < stop; ++s) {
            aCount += steps[s].op != Op::Add;
            bCount += steps[s].op != Op::Remove;
        }
        out += "@@ -";
        AppendRange(out, aFirst, aCount);
        out += " +";
        AppendRange(out, bFirst, bCount);
        out += " @@\n";
        for (size_t s = begin; s < stop; ++s) {
            switch (steps[s].op) {
            case Op::Keep: AppendLine(out, ' ', a[steps[s].line]); break;
            case Op::Remove: AppendLine(out, '-', a[steps[s].line]); break;
            case Op::Add: AppendLine(out, '+', b[steps[s].line]); break;
            }
        }
        at = stop;
    }
    return out;
}

std::string UnifiedDiff(const std::string& path, const std::optional<std::string>& before,
                        const std::optional<std::string>& after) {
    const std::string hunks = DiffHunks(before.value_or(""), after.value_or(""));
    std::string out = "--- " + (before ? "a/" + path : std::string("/dev/null")) + "\n";
    out += "+++ " + (after ? "b/" + path : std::string("/dev/null")) + "\n";
    return out + hunks;
}

}  // namespace AutoCli
}  // namespace Parvik
