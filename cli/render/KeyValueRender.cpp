// The keyvalue format, for scripts: raw values only, never units or headings.
//
// One line per scalar: "<path>.<type>=<value>", type "string", "integer" or "boolean".
// The path starts with the root record's name; a field adds ".<Field>" and a list element
// "[<index>]": "Nic.Name.string=lmx0", "Nic[1].Tags[0].string=a",
// "Nic.Policy.Active.boolean=true". A root string list starts with "[<index>]" and a
// root scalar is "<type>=<value>". Fields follow "fields:<Record>". Unset values have an
// empty value; a missing (null) value drops ".<type>". Empty lists and records write no
// line. Values escape backslash as \\ and, as the human formats do, what a terminal would
// act on (\t \n \r, \xHH for other control bytes, DEL and bytes that are not UTF-8,
// \u00HH for C1 controls), so each value stays on its line and shows as it is.
#include "render/MachineDetail.h"
#include "render/RenderDetail.h"

namespace Parvik {
namespace Render {
namespace Detail {

namespace {

void AppendKeyValueText(std::string& out, std::string_view text) {
    const size_t start = out.size();
    out.append(text);
    EscapeControls(out, start, true);
}

class KeyValueWriter {
public:
    KeyValueWriter(const RenderOptions& options, OutBuffer& out)
        : context_(options.parameters, false), out_(out), picked_(kMaxDepth + 1) {}

    void Root(const MetaObject* root) {
        if (IsRecord(root)) path_ = static_cast<const MetaStruct*>(root)->GetName();
        Value(root);
    }

private:
    void Value(const MetaObject* value) {
        if (IsScalar(value)) {
            Scalar(value);
            return;
        }
        NestingGuard::Scope scope(context_.Nesting(), value);
        if (!scope) return;
        if (IsRecord(value)) {
            Record(static_cast<const MetaStruct&>(*value));
        } else {
            List(static_cast<const MetaList&>(*value));
        }
    }

    void Scalar(const MetaObject* value) {
        std::string& text = out_.Text();
        text += path_;
        if (value != nullptr) {
            if (!path_.empty()) text.push_back('.');
            text += TypeName(value->GetType());
        }
        text.push_back('=');
        if (value != nullptr && value->GetType() == MetaObj::META_STRING) {
            if (value->IsSet()) AppendKeyValueText(text, static_cast<const MetaString*>(value)->GetValue());
        } else {
            AppendScalar(text, value);
        }
        out_.EndLine();
    }

    void Record(const MetaStruct& record) {
        std::vector<const Field*>& fields = picked_[context_.Nesting().Depth()];
        context_.Style(record.GetName()).Pick(record, fields);
        const size_t base = path_.size();
        for (const Field* field : fields) {
            path_.push_back('.');
            path_ += field->Name();
            Value(field->value.get());
            path_.resize(base);
        }
    }

    void List(const MetaList& list) {
        const bool isRoot = context_.Nesting().Depth() == 1;
        const size_t base = path_.size();
        const auto& elements = list.GetElements();
        for (size_t i = 0; i < elements.size(); ++i) {
            // Each record of a root list is named after its kind.
            if (isRoot && IsRecord(elements[i].get())) {
                path_ = static_cast<const MetaStruct*>(elements[i].get())->GetName();
            }
            path_.push_back('[');
            AppendInt(path_, static_cast<int64_t>(i));
            path_.push_back(']');
            Value(elements[i].get());
            path_.resize(base);
        }
    }

    RenderContext context_;
    OutBuffer& out_;
    std::string path_;
    // Per nesting depth, reused across records; sized once so references stay valid.
    std::vector<std::vector<const Field*>> picked_;
};

}  // namespace

void RenderKeyValue(const MetaObject* root, const RenderOptions& options, OutBuffer& out) {
    KeyValueWriter(options, out).Root(root);
}

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
