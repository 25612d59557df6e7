#pragma once

#include "model/InputForm.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <stdexcept>
#include <type_traits>

// A control of the main window by its numeric identifier. The form's controls are the model's
// fields, selections and options, whose numbers are their identifiers, so they go by the model's
// names (InputField::iDepth, Selector::iType2, OptionBox::iCondCheck); only the controls outside
// the form are named here.
class ControlId {
public:
    template <class Id>
    requires std::is_constructible_v<InputId, Id>
    constexpr ControlId(Id id)
        : id_(InputId(id).value)
    {
    }

    constexpr explicit operator int() const { return id_; }
    constexpr auto operator<=>(const ControlId&) const = default;

    static const ControlId UnitsButton;
    static const ControlId PrintButton;
    static const ControlId HelpButton;
    static const ControlId ResultsList;
    static const ControlId HomePageLink;
    static const ControlId ProductPageLink;
    static const ControlId ProductSelectionButton;

private:
    constexpr explicit ControlId(int id)
        : id_(id)
    {
    }

    int id_;
};

inline constexpr ControlId ControlId::UnitsButton{1016};
inline constexpr ControlId ControlId::PrintButton{1018};
inline constexpr ControlId ControlId::HelpButton{1019};
inline constexpr ControlId ControlId::ResultsList{1020};
inline constexpr ControlId ControlId::HomePageLink{1022};
inline constexpr ControlId ControlId::ProductPageLink{1039};
inline constexpr ControlId ControlId::ProductSelectionButton{1041};

enum class ControlKind {
    Field,
    CheckBox,
    SelectionBox,
    Button,
    ReportList,
    LinkLabel
};

// A row of the control table. A control of the form sits on a row of the painted sheet, which
// gives its place and its group (the option that shows the row), and its accessible name and
// description (the row's label, unit and help text); its stored entry name is the model's. The
// controls outside the form have no sheet row.
struct ControlInfo {
    ControlId id{InputField::iAmbient};
    ControlKind kind = ControlKind::Field;
    int sheetRow = -1;
};

// Every control: the form's, which are the inputs in tab order, then the others.
inline constexpr int kControlCount = kInputCount + 7;
inline constexpr std::array<ControlInfo, kControlCount> kControls = [] {
    std::array<ControlInfo, kControlCount> controls{};
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        const InputRow& input = kInputs[i];
        if (input.quantity == Quantity::Selection)
            controls[i] = {input.SelectorId(), ControlKind::SelectionBox, input.sheetRow};
        else if (input.quantity == Quantity::Option)
            controls[i] = {input.Box(), ControlKind::CheckBox, input.sheetRow};
        else
            controls[i] = {input.Field(), ControlKind::Field, input.sheetRow};
    }
    const ControlInfo others[] = {
        {ControlId::HelpButton, ControlKind::Button},         {ControlId::PrintButton, ControlKind::Button},
        {ControlId::UnitsButton, ControlKind::Button},        {ControlId::ProductSelectionButton, ControlKind::Button},
        {ControlId::ResultsList, ControlKind::ReportList},    {ControlId::HomePageLink, ControlKind::LinkLabel},
        {ControlId::ProductPageLink, ControlKind::LinkLabel},
    };
    std::copy(std::begin(others), std::end(others), controls.begin() + kInputCount);
    return controls;
}();

// The control's place in kControls. Every identifier there is has a place; an identifier forged
// from another number throws (and does not compile where the place is a constant).
constexpr int IndexOf(ControlId id)
{
    for (int i = 0; i < kControlCount; ++i)
        if (kControls[static_cast<std::size_t>(i)].id == id)
            return i;
    throw std::out_of_range("not a control of the window");
}
