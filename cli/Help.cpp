// Help texts and the command listing.
#include "Help.h"

#include <algorithm>

#include "FormatParams.h"
#include "FrameworkOptions.h"
#include "Strings.h"
#include "UsageExamples.h"
#include "render/Render.h"

namespace Parvik {
namespace AutoCli {

using CallSpec::ParameterConstraint;
using CallSpec::ParameterSpec;

namespace {

const char* TypeWord(CallSpec::ParameterType type) {
    switch (type) {
    case CallSpec::PARAM_STRING: return "str";
    case CallSpec::PARAM_INTEGER: return "long";
    case CallSpec::PARAM_BOOLEAN: return "bool";
    case CallSpec::PARAM_FLAG: return "flag";
    case CallSpec::PARAM_LIST: return "str[]";
    }
    return "str";
}

std::string EnumValues(const ParameterConstraint& constraint, bool withHelp) {
    std::string text;
    if (constraint.GetType() == CallSpec::CONSTRAINT_STRING_ENUM) {
        for (const auto& entry : constraint.GetStringEnums()) {
            text += "\n    " + entry.value;
            if (withHelp && !entry.help.empty()) text += ": " + entry.help;
        }
    } else if (constraint.GetType() == CallSpec::CONSTRAINT_INT_ENUM) {
        for (int64_t value : constraint.GetIntEnums()) text += "\n    " + std::to_string(value);
    } else if (constraint.GetType() == CallSpec::CONSTRAINT_INT_RANGE) {
        text = std::to_string(constraint.GetRangeMin()) + " to " + std::to_string(constraint.GetRangeMax());
    }
    return text;
}

void PrintChildren(std::ostream& out, const NamespaceNode& node) {
    std::vector<const NamespaceNode::Child*> namespaces, commands;
    size_t width = 0;
    for (const auto& child : node.GetChildren()) {
        (child.second->GetType() == NODE_COMMAND ? commands : namespaces).push_back(&child);
        width = std::max(width, child.first.size());
    }
    auto section = [&](const char* title, const std::vector<const NamespaceNode::Child*>& children) {
        if (children.empty()) return;
        out << "\n" << title << ":\n";
        for (const auto* child : children) {
            out << "  " << child->first << std::string(width - child->first.size() + 2, ' ')
                << child->second->GetDescription() << "\n";
        }
    };
    section("Available Namespaces", namespaces);
    section("Available Commands", commands);
}

// The framework options --help shows, from the table the parser reads.
void PrintFrameworkOptions(std::ostream& out) {
    std::string formatters;
    for (const auto& name : Render::FormatterNames()) formatters += (formatters.empty() ? "" : ", ") + name;
    std::vector<std::pair<std::string, std::string>> rows;
    size_t width = 0;
    for (const auto& option : kFrameworkOptionTable) {
        if (!*option.help) continue;
        std::string left = *option.shortName ? std::string(option.shortName) + "|" : "";
        left += std::string(option.name) + option.helpValue;
        width = std::max(width, left.size());
        std::string text = option.help;
        ReplaceAll(text, "%FORMATTERS%", formatters);
        rows.emplace_back(left, text);
    }
    out << "\nOptions:\n";
    const std::string indent(width + 4, ' ');
    for (auto& row : rows) {
        ReplaceAll(row.second, "\n", "\n" + indent);
        out << "  " << row.first << std::string(width - row.first.size() + 2, ' ') << row.second << "\n";
    }
}

void PrintExamples(std::ostream& out) {
    out << "\nExamples:\n";
    for (const auto& example : kUsageExamples) {
        std::string commands = example.commands;
        ReplaceAll(commands, "\n", "\n    ");
        out << "  " << example.what << "\n    " << commands << "\n";
    }
}

}  // namespace

std::string ExpandEnumPlaceholders(const std::string& description, const ParameterConstraint* constraint) {
    std::string text = description;
    if (text.find('%') == std::string::npos) return text;
    ReplaceAll(text, "%FULLENUM%", constraint ? EnumValues(*constraint, true) : "");
    ReplaceAll(text, "%ENUM%", constraint ? EnumValues(*constraint, false) : "");
    return text;
}

void PrintNamespaceHelp(std::ostream& out, const std::string& path, const NamespaceNode& node, bool isRoot) {
    std::string prefix = path.empty() ? "talixcli" : "talixcli " + path;
    out << "Usage: " << prefix << (isRoot ? " [options] {namespace}+ {cmd} [cmd options]\n" : " {cmd} [cmd options]\n");
    if (isRoot) {
        PrintFrameworkOptions(out);
        out << "\nFormat parameters (--format-param=KEY=VALUE; a command's --help names its records and fields):\n"
               "  fields:RECORD=F1,F2,...        Show only these fields of RECORD, in this order\n"
               "                                 (simple, table, csv, keyvalue).\n"
               "  header:RECORD=TEXT             Heading above each RECORD: %FIELD% stands for the field's\n"
               "                                 value, <NONE> for no heading (simple).\n"
               "  units:RECORD.FIELD=LABEL       Unit shown after the field's value (simple, table).\n"
               "  table-columns=F1,F2,...        Columns of a table (table).\n"
               "  table-columns:RECORD=F1,F2,... Columns of a table of RECORD; before fields: and\n"
               "                                 table-columns (table).\n"
               "  wrap-last=true|false           Wrap the last table column at the terminal width (table).\n"
               "  json and xml always show every field: no key changes them. An unknown key, record or\n"
               "  field is refused.\n"
               "  Example: talixcli --formatter=table --format-param=fields:Nic=Name,Speed network nic list\n";
    } else if (!node.GetDescription().empty()) {
        out << "\nDescription:\n  " << node.GetDescription() << "\n";
    }
    PrintChildren(out, node);
    if (isRoot) PrintExamples(out);
}

namespace {

void PrintCommandOptions(std::ostream& out, Command& command) {
    auto spec = command.GetInputSpec();
    if (!spec || spec->GetParameters().empty()) {
        out << "\nCmd options:\n  (none)\n";
        return;
    }
    std::vector<std::pair<std::string, const ParameterSpec*>> rows;
    size_t width = 0;
    for (const auto& parameter : spec->GetParameters()) {
        std::string left = parameter->GetShortName().empty() ? "" : "-" + parameter->GetShortName() + "|";
        left += "--" + parameter->GetName();
        if (parameter->GetType() != CallSpec::PARAM_FLAG) {
            left += std::string("=<") + TypeWord(parameter->GetType()) + ">";
        }
        width = std::max(width, left.size());
        rows.emplace_back(left, parameter.get());
    }
    out << "\nCmd options:\n";
    for (const auto& row : rows) {
        const ParameterSpec& parameter = *row.second;
        out << "  " << row.first << std::string(width - row.first.size() + 2, ' ')
            << ExpandEnumPlaceholders(parameter.GetDescription(), parameter.GetConstraint().get());
        if (parameter.IsRequired()) out << " (required)";
        const auto& constraint = parameter.GetConstraint();
        if (constraint && constraint->GetType() == CallSpec::CONSTRAINT_INT_RANGE &&
            parameter.GetDescription().find("%ENUM%") == std::string::npos) {
            out << " [" << EnumValues(*constraint, false) << "]";
        }
        out << "\n";
    }
}

void PrintRenderedRecords(std::ostream& out, Command& command) {
    auto spec = command.GetOutputSpec();
    const auto records = RenderedRecords(spec ? spec->GetRootObject().get() : nullptr);
    if (records.empty()) return;
    out << "\nOutput records (for --format-param fields:RECORD=...):\n";
    for (const auto& record : records) {
        out << "  " << record.name << ":";
        for (size_t i = 0; i < record.fields.size(); ++i) out << (i ? ", " : " ") << record.fields[i];
        out << "\n";
    }
}

}  // namespace

void PrintCommandHelp(std::ostream& out, const std::string& path, Command& command) {
    out << "Usage: talixcli " << path << " [cmd options]\n\nDescription:\n  " << command.GetName() << "  "
        << command.GetDescription() << "\n";
    PrintCommandOptions(out, command);
    PrintRenderedRecords(out, command);
}

}  // namespace AutoCli
}  // namespace Parvik
