// The csv format, for scripts: raw values only, never units or headings.
//
// RFC 4180 with LF line ends: a header row of the shown field names ("fields:<Record>"),
// then one row per record. A cell holding a comma, quote, CR or LF is quoted, quotes
// doubled. A string list is one cell joined by ","; a nested record is one cell
// "{Field: v, ...}". A root that is not a record or a list of records writes one value
// per line.
#include "render/MachineDetail.h"
#include "render/RenderDetail.h"

namespace Parvik {
namespace Render {
namespace Detail {

namespace {

void AppendCsvCell(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(text.data(), text.size());
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

class CsvWriter {
public:
    CsvWriter(const RenderOptions& options, OutBuffer& out)
        : options_(options), context_(options.parameters, false), out_(out) {}

    void Root(const MetaObject* root) {
        if (IsRecord(root)) {
            const auto* record = static_cast<const MetaStruct*>(root);
            Table({record}, *record);
            return;
        }
        if (!IsList(root)) {
            Line(root);
            return;
        }
        const auto& list = static_cast<const MetaList&>(*root);
        std::vector<const MetaStruct*> rows;
        rows.reserve(list.GetCount());
        for (const auto& element : list.GetElements()) {
            if (IsRecord(element.get())) rows.push_back(static_cast<const MetaStruct*>(element.get()));
        }
        if (!rows.empty()) {
            Table(rows, *ElementTemplate(list));
            return;
        }
        for (const auto& element : list.GetElements()) Line(element.get());
    }

private:
    void Line(const MetaObject* value) {
        cell_.clear();
        AppendCompact(cell_, value, ",", context_, false);
        AppendCsvCell(out_.Text(), cell_);
        out_.EndLine();
    }

    void Table(const std::vector<const MetaStruct*>& rows, const MetaStruct& layout) {
        FieldFinder columns(ColumnsFor(layout, FindParameter(options_.parameters, kFieldsPrefix + layout.GetName())));
        if (columns.Size() == 0) return;
        for (size_t c = 0; c < columns.Size(); ++c) {
            if (c > 0) out_.Put(',');
            AppendCsvCell(out_.Text(), columns.Name(c));
        }
        out_.EndLine();
        for (const MetaStruct* row : rows) {
            NestingGuard::Scope scope(context_.Nesting(), row);
            for (size_t c = 0; c < columns.Size(); ++c) {
                if (c > 0) out_.Put(',');
                const Field* field = columns.Find(*row, c);
                if (field == nullptr) continue;
                cell_.clear();
                AppendCompact(cell_, field->value.get(), ",", context_, false);
                AppendCsvCell(out_.Text(), cell_);
            }
            out_.EndLine();
        }
    }

    const RenderOptions& options_;
    RenderContext context_;
    OutBuffer& out_;
    std::string cell_;
};

}  // namespace

void RenderCsv(const MetaObject* root, const RenderOptions& options, OutBuffer& out) {
    CsvWriter(options, out).Root(root);
}

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
