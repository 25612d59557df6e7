#include "presentation/SheetReading.h"

#include "model/Translatable.h"
#include "presentation/SpokenUnits.h"

namespace {

// The painter measures its texts with the screen's fonts; a reader only needs to know roughly
// where a text lies, so its extent runs to the end of its unit column.
constexpr int kUnitColumnWidth = 72;
constexpr int kRightMargin = 8;
using SheetGeometry::kTitleText;
using SheetGeometry::kVersionLabel;

std::string Trimmed(std::string text)
{
    const auto first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string Joined(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        if (!text.empty())
            text += ' ';
        text += part;
    }
    return text;
}

SpokenItem RowItem(const SheetLine& line, TextLookup lookup, bool stale)
{
    SpokenItem item;
    if (stale)
        item.description = SheetReading::kStaleFigure;
    item.key = "row " + std::to_string(line.row);
    item.value = line.valueText;
    item.unit = SpokenUnits(LookUp(lookup, "UnitLabel", line.unitText.c_str()), lookup);
    const std::string label = LookUp(lookup, "FormSheet", line.labelText.c_str());
    item.name = Joined({SheetReading::SpokenLabel(label.c_str()), item.value, item.unit});
    item.rect = {line.label.x, line.label.y, line.unit.x + kUnitColumnWidth, line.label.y + line.fontHeight};
    return item;
}

SpokenItem MessageItem(const std::string& text, const SheetReadingInput& in)
{
    const SheetPoint at = SheetGeometry::MessageLinePoint(in.frame.formLeft, in.clientHeight);
    SpokenItem item;
    item.key = "message " + text;
    item.role = SpokenRole::Alert;
    item.name = SpokenUnits(text, in.lookup);
    item.rect = {at.x, at.y, in.clientWidth - kRightMargin, at.y + in.frame.sheetFontHeight + 2};
    return item;
}

} // namespace

const char* const SheetReading::kStaleFigure =
    QT_TRANSLATE_NOOP("SheetReading", "From the last complete calculation: the current inputs stop at a check.");

std::string SheetReading::SpokenLabel(const char* label)
{
    std::string text = Trimmed(label);
    if (!text.empty() && text.back() == ':')
        text.pop_back();
    return text;
}

std::vector<SpokenItem> SheetReading::Items(const SheetReadingInput& in)
{
    std::vector<SpokenItem> items;
    const int right = in.clientWidth - kRightMargin;
    items.push_back({"title",
                     SpokenRole::Heading,
                     Trimmed(in.productName),
                     {},
                     {},
                     {},
                     {0, kTitleText.y, right, kTitleText.y + kTitleText.height}});
    items.push_back({"version",
                     SpokenRole::Text,
                     Joined({LookUp(in.lookup, "SheetPainter", kVersionWord), Trimmed(in.versionText)}),
                     {},
                     {},
                     {},
                     {0, kVersionLabel.y, right, kVersionLabel.y + kVersionLabel.height}});
    for (const SheetLine& line : FormSheet::VisibleLines(in.options, in.frame, in.results, in.units))
        if (!line.valueText.empty())
            items.push_back(RowItem(line, in.lookup, in.figuresStale));
    if (!in.warningText.empty())
        items.push_back(MessageItem(in.warningText, in));
    if (!in.errorText.empty())
        items.push_back(MessageItem(Joined({in.errorText, in.errorRange}), in));
    return items;
}
