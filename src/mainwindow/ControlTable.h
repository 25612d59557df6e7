#pragma once

#include "model/InputForm.h"

#include <compare>

// A control of the main window by its numeric identifier. The form's controls are the model's
// fields, selections and options, whose numbers are their identifiers, so they go by the model's
// names (InputField::iDepth, Selector::iType2, OptionBox::iCondCheck); only the controls outside
// the form are named here.
class ControlId {
public:
    constexpr ControlId(InputField field)
        : id_(static_cast<int>(field))
    {
    }
    constexpr ControlId(Selector selector)
        : id_(static_cast<int>(selector))
    {
    }
    constexpr ControlId(OptionBox box)
        : id_(static_cast<int>(box))
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

// What a control of the form shows, by its kind.
constexpr InputField FieldOf(ControlId id)
{
    return static_cast<InputField>(static_cast<int>(id));
}
constexpr Selector SelectorOf(ControlId id)
{
    return static_cast<Selector>(static_cast<int>(id));
}
constexpr OptionBox OptionOf(ControlId id)
{
    return static_cast<OptionBox>(static_cast<int>(id));
}

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
    constexpr ControlInfo(InputField field, int row)
        : id(field)
        , kind(ControlKind::Field)
        , sheetRow(row)
    {
    }
    constexpr ControlInfo(Selector selector, int row)
        : id(selector)
        , kind(ControlKind::SelectionBox)
        , sheetRow(row)
    {
    }
    constexpr ControlInfo(OptionBox box, int row)
        : id(box)
        , kind(ControlKind::CheckBox)
        , sheetRow(row)
    {
    }
    constexpr ControlInfo(ControlId control, ControlKind controlKind)
        : id(control)
        , kind(controlKind)
    {
    }

    ControlId id;
    ControlKind kind;
    int sheetRow = -1;
};

// Every control, the form's in tab order first.
inline constexpr int kControlCount = 37;
extern const ControlInfo kControls[kControlCount];

// The control's place in kControls.
int IndexOf(ControlId id);
