// The regular-expression tokenizer behind SplitUplinks. It lives in a library
// of its own, loaded on first use, so that talixcli does not load the regex
// engine and its Unicode tables for every command it runs.
#include <algorithm>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "parvik/PluginHooks.h"

extern "C" void TalixSplitUplinks(const std::string* value, std::vector<std::string>* names) {
    if (value->empty()) return;
    static const boost::regex kComma(",");
    boost::sregex_token_iterator piece(value->begin(), value->end(), kComma, -1);
    for (boost::sregex_token_iterator end; piece != end; ++piece) names->push_back(piece->str());
    // A trailing comma ends the list without an empty name after it.
    const auto commas = static_cast<size_t>(std::count(value->begin(), value->end(), ','));
    if (value->back() == ',' && names->size() > commas) names->pop_back();
}
