// The field-kind table. Grid and check-group lines carry an index in brackets
// after the underscore ("[c,r]" or "[n]"); on loading it is read from the raw
// line, and a line missing either bracket changes nothing.
#include "certificate/field_kinds.h"

#include "base/number_text.h"

#include <array>

namespace rq::certificate {
namespace {

using rq::base::copy1;
using rq::base::intToStr;
using rq::base::pos1;
using rq::base::strToInt;

constexpr std::ptrdiff_t kRest = 0x7FFFFFFF; // Copy count meaning "to the end"

template <typename Value> const Value* valueOf(const FormComponent& component) {
    return dynamic_cast<const Value*>(&component);
}
template <typename Value> Value* valueOf(FormComponent& component) {
    return dynamic_cast<Value*>(&component);
}

AnsiString checkMark(bool checked) {
    return checked ? "i" : "n";
}

// Adds text as gather-buffer lines: each line break inside it starts a
// further line.
void addLines(LineBuffer& lines, const AnsiString& text) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines.Add(text.substr(start, end - start));
        if (end == AnsiString::npos)
            return;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

// --- gathering -------------------------------------------------------------

void gatherText(const FormComponent& c, LineBuffer& lines) {
    if (const auto* value = valueOf<TextValue>(c))
        addLines(lines, c.Name() + "_" + value->Text());
}

void gatherItemIndex(const FormComponent& c, LineBuffer& lines) {
    if (const auto* value = valueOf<ItemIndexValue>(c))
        lines.Add(c.Name() + "_" + intToStr(value->ItemIndex()));
}

void gatherChecked(const FormComponent& c, LineBuffer& lines) {
    if (const auto* value = valueOf<CheckedValue>(c))
        lines.Add(c.Name() + "_" + checkMark(value->Checked()));
}

// Columns outer, rows inner, heading row and column left out; empty cells
// are gathered too.
void gatherGrid(const FormComponent& c, LineBuffer& lines) {
    const auto* grid = valueOf<GridValue>(c);
    if (!grid)
        return;
    for (int col = 1; col < grid->ColCount(); ++col)
        for (int row = 1; row < grid->RowCount(); ++row)
            lines.Add(c.Name() + "_[" + intToStr(col) + "," + intToStr(row) + "]" +
                      grid->Cell(col, row));
}

void gatherCheckGroup(const FormComponent& c, LineBuffer& lines) {
    const auto* group = valueOf<CheckGroupValue>(c);
    if (!group)
        return;
    for (int item = 0; item < group->ItemCount(); ++item)
        lines.Add(c.Name() + "_[" + intToStr(item) + "]" + checkMark(group->ItemChecked(item)));
}

// --- applying --------------------------------------------------------------

void applyText(FormComponent& c, const LoadedLine& line) {
    if (auto* value = valueOf<TextValue>(c))
        value->SetText(line.value);
}

// Rich text collects its pieces: each line appends without a line break.
void applyAppendedText(FormComponent& c, const LoadedLine& line) {
    if (auto* value = valueOf<TextValue>(c))
        value->SetText(value->Text() + line.value);
}

void applyItemIndex(FormComponent& c, const LoadedLine& line) {
    auto* value = valueOf<ItemIndexValue>(c);
    if (value && !line.value.empty())
        value->SetItemIndex(strToInt(line.value));
}

void applyChecked(FormComponent& c, const LoadedLine& line) {
    if (auto* value = valueOf<CheckedValue>(c))
        value->SetChecked(line.value == "i");
}

// The text between the first "[" and the first "]" of the raw line; false
// when either bracket is missing.
bool bracketIndex(const AnsiString& raw, AnsiString& index) {
    const auto open = pos1("[", raw);
    const auto close = pos1("]", raw);
    if (open == 0 || close == 0)
        return false;
    index = copy1(raw, static_cast<std::ptrdiff_t>(open) + 1,
                  static_cast<std::ptrdiff_t>(close) - static_cast<std::ptrdiff_t>(open) - 1);
    return true;
}

AnsiString afterBracket(const AnsiString& line) {
    return copy1(line, static_cast<std::ptrdiff_t>(pos1("]", line)) + 1, kRest);
}

// Cells outside the grid are left alone rather than growing it.
void applyGrid(FormComponent& c, const LoadedLine& line) {
    auto* grid = valueOf<GridValue>(c);
    AnsiString index;
    if (!grid || !bracketIndex(line.raw, index))
        return;
    const auto comma = static_cast<std::ptrdiff_t>(pos1(",", index));
    const int col = strToInt(copy1(index, 1, comma - 1));
    const int row = strToInt(copy1(index, comma + 1, kRest));
    if (col >= 0 && col < grid->ColCount() && row >= 0 && row < grid->RowCount())
        grid->SetCell(col, row, afterBracket(line.line));
}

void applyCheckGroup(FormComponent& c, const LoadedLine& line) {
    auto* group = valueOf<CheckGroupValue>(c);
    AnsiString index;
    if (!group || !bracketIndex(line.raw, index))
        return;
    const int item = strToInt(index);
    if (item >= 0 && item < group->ItemCount())
        group->SetItemChecked(item, afterBracket(line.line) == "i");
}

const std::array<FieldKind, 10> kFieldKinds = {{
    {"TEdit", gatherText, applyText},
    {"TAdvLUEdit", gatherText, applyText},
    {"TPBNumEdit", gatherText, applyText},
    {"TAdvEdit", gatherText, applyText},
    {"TRichEdit", gatherText, applyAppendedText},
    {"TLMDMaskEdit", gatherText, applyText},
    {"TLMDRadioGroup", gatherItemIndex, applyItemIndex},
    {"TLMDCheckBox", gatherChecked, applyChecked},
    {"TAdvStringGrid", gatherGrid, applyGrid},
    {"TLMDCheckGroup", gatherCheckGroup, applyCheckGroup},
}};

} // namespace

std::span<const FieldKind> fieldKinds() {
    return kFieldKinds;
}

void gatherComponent(const FormComponent& component, LineBuffer& lines) {
    for (const auto& kind : kFieldKinds)
        if (component.InheritsFrom(kind.className))
            kind.gather(component, lines);
}

void applyLine(FormComponent& component, const LoadedLine& line) {
    for (const auto& kind : kFieldKinds)
        if (kind.className == component.ClassName()) {
            kind.apply(component, line);
            return;
        }
}

} // namespace rq::certificate
