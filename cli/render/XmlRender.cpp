// The xml format, for scripts: raw values only, never units or headings.
//
//   <?xml version="1.0" encoding="utf-8"?>
//   <output>
//      <root>
//         <structure typeName="Nic">
//            <field name="Name"><string>lmx0</string></field>
//            <field name="MTU"><integer>1500</integer></field>
//            <field name="Up"><boolean>true</boolean></field>
//            <field name="Unset"/>
//            <field name="Tags">
//               <list type="string">
//                  <string>a</string>
//               </list>
//            </field>
//         </structure>
//      </root>
//   </output>
//
// A list's type is its element kind ("string" or "structure"); an empty list is
// <list type="..."/>; an unset scalar outside a field is its empty element (<integer/>).
// Text escapes & < > " ' and writes tab, LF and CR as character references so parsers
// keep them; characters XML cannot hold and ill-formed UTF-8 become U+FFFD.
#include "render/MachineDetail.h"
#include "render/RenderDetail.h"

namespace Parvik {
namespace Render {
namespace Detail {

namespace {

void AppendXmlText(std::string& out, std::string_view text) {
    size_t plain = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        const char* replacement = nullptr;
        size_t length = 1;
        if (c >= 0x80) {
            Utf8Char ch = DecodeUtf8(text, pos);
            length = ch.length;
            if (ch.valid && ch.codePoint != 0xFFFE && ch.codePoint != 0xFFFF) {
                pos += length;
                continue;
            }
            replacement = kReplacementChar;
        } else {
            switch (c) {
            case '&': replacement = "&amp;"; break;
            case '<': replacement = "&lt;"; break;
            case '>': replacement = "&gt;"; break;
            case '"': replacement = "&quot;"; break;
            case '\'': replacement = "&apos;"; break;
            case '\t': replacement = "&#9;"; break;
            case '\n': replacement = "&#10;"; break;
            case '\r': replacement = "&#13;"; break;
            default:
                if (c < 0x20) replacement = kReplacementChar;
            }
            if (replacement == nullptr) {
                ++pos;
                continue;
            }
        }
        out.append(text.data() + plain, pos - plain);
        out += replacement;
        pos += length;
        plain = pos;
    }
    out.append(text.data() + plain, pos - plain);
}

class XmlWriter {
public:
    explicit XmlWriter(OutBuffer& out) : out_(out) {}

    void Document(const MetaObject* root) {
        out_.Put("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
        out_.EndLine();
        out_.Put("<output>");
        out_.EndLine();
        out_.PutSpaces(kMachineIndentStep);
        out_.Put("<root>");
        out_.EndLine();
        Value(root, 2 * kMachineIndentStep);
        out_.PutSpaces(kMachineIndentStep);
        out_.Put("</root>");
        out_.EndLine();
        out_.Put("</output>");
        out_.EndLine();
    }

private:
    // Writes value on lines of its own at indent; a null value writes nothing.
    void Value(const MetaObject* value, size_t indent) {
        if (value == nullptr) return;
        NestingGuard::Scope scope(nesting_, value);
        if (!scope) return;
        out_.PutSpaces(indent);
        if (IsScalar(value)) {
            Scalar(*value);
        } else if (IsList(value)) {
            List(static_cast<const MetaList&>(*value), indent);
        } else {
            Record(static_cast<const MetaStruct&>(*value), indent);
        }
        out_.EndLine();
    }

    void Scalar(const MetaObject& value) {
        const char* type = TypeName(value.GetType());
        out_.Put('<');
        out_.Put(type);
        if (!value.IsSet()) {
            out_.Put("/>");
            return;
        }
        out_.Put('>');
        if (value.GetType() == MetaObj::META_STRING) {
            AppendXmlText(out_.Text(), static_cast<const MetaString&>(value).GetValue());
        } else {
            AppendScalar(out_.Text(), &value);
        }
        out_.Put("</");
        out_.Put(type);
        out_.Put('>');
    }

    void List(const MetaList& list, size_t indent) {
        out_.Put("<list type=\"");
        out_.Put(TypeName(list.GetElementType()));
        if (list.GetElements().empty()) {
            out_.Put("\"/>");
            return;
        }
        out_.Put("\">");
        out_.EndLine();
        for (const auto& element : list.GetElements()) Value(element.get(), indent + kMachineIndentStep);
        out_.PutSpaces(indent);
        out_.Put("</list>");
    }

    void Record(const MetaStruct& record, size_t indent) {
        out_.Put("<structure typeName=\"");
        AppendXmlText(out_.Text(), record.GetName());
        if (record.GetFields().empty()) {
            out_.Put("\"/>");
            return;
        }
        out_.Put("\">");
        out_.EndLine();
        const size_t fieldIndent = indent + kMachineIndentStep;
        for (const auto& field : record.GetFields()) {
            const MetaObject* value = field.value.get();
            out_.PutSpaces(fieldIndent);
            out_.Put("<field name=\"");
            AppendXmlText(out_.Text(), field.Name());
            if (value == nullptr || !value->IsSet() || !nesting_.CanEnter(value)) {
                out_.Put("\"/>");
            } else if (IsScalar(value)) {
                out_.Put("\">");
                Scalar(*value);
                out_.Put("</field>");
            } else {
                out_.Put("\">");
                out_.EndLine();
                Value(value, fieldIndent + kMachineIndentStep);
                out_.PutSpaces(fieldIndent);
                out_.Put("</field>");
            }
            out_.EndLine();
        }
        out_.PutSpaces(indent);
        out_.Put("</structure>");
    }

    OutBuffer& out_;
    NestingGuard nesting_;
};

}  // namespace

void RenderXml(const MetaObject* root, const RenderOptions&, OutBuffer& out) { XmlWriter(out).Document(root); }

}  // namespace Detail
}  // namespace Render
}  // namespace Parvik
