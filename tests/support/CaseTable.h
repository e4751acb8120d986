// Case tables kept as data files beside the tests that read them: one case a
// line, its fields separated by tabs. Blank lines and lines that start with
// '#' are skipped. In a field, \t \n \r and \\ stand for a tab, a line end, a
// carriage return and a backslash, \xNN for any byte, \- for nothing (to show
// an empty field), and \R<count>:<c> for <count> copies of the byte c. A
// row's last field written as <<< takes the lines that follow, up to a line
// >>>, each with its line end (the same escapes apply).
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace TalixTest {

struct CaseRow {
    std::string where;  // file:line, for SCOPED_TRACE
    std::vector<std::string> fields;
};

inline std::string UnescapeCaseField(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char kind = text[++i];
        if (kind == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (kind == 'R') {
            const size_t colon = text.find(':', i);
            out += std::string(std::stoul(text.substr(i + 1, colon - i - 1)), text.at(colon + 1));
            i = colon + 1;
        } else if (kind != '-') {
            out += kind == 't' ? '\t' : kind == 'n' ? '\n' : kind == 'r' ? '\r' : kind;
        }
    }
    return out;
}

// The rows of tests/<name>, each with exactly `columns` fields.
inline std::vector<CaseRow> ReadCaseTable(const std::string& name, size_t columns) {
    std::ifstream in(std::string(TALIX_SOURCE_DIR "/tests/") + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << name;
    std::vector<CaseRow> rows;
    size_t number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        CaseRow row{name + ":" + std::to_string(number), {}};
        for (size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            row.fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        }
        if (row.fields.back() == "<<<") {
            row.fields.back().clear();
            for (std::string more; std::getline(in, more) && (++number, more != ">>>");)
                row.fields.back() += more + "\\n";
        }
        for (auto& field : row.fields) field = UnescapeCaseField(field);
        if (row.fields.size() == columns)
            rows.push_back(std::move(row));
        else
            ADD_FAILURE() << row.where << ": " << row.fields.size() << " fields, not " << columns;
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

}  // namespace TalixTest
