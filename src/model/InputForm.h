#pragma once

#include "model/InputTable.h"

#include <string>

// The form as the calculation, the unit change and the stored-inputs code see it: numeric fields
// read and written with the numeric field's rules, three selections and four options. The window
// implements it over its widgets; the command-line tool over headless fields.
class InputForm {
public:
    virtual ~InputForm() = default;

    virtual std::string Text(InputField field) const = 0;
    virtual double Value(InputField field) const = 0;
    virtual int IntValue(InputField field) const = 0;
    virtual void SetValue(InputField field, double value, bool trimZeros) = 0;
    virtual void SetIntValue(InputField field, int value) = 0;
    virtual void SetDecimalPlaces(InputField field, int places) = 0;
    // Replaces the field's text as pasting the number over all of it would, so that the field's
    // rules cut it ("455.5599" shows 455.55). The number is written with "-" and "."; the field
    // shows it in its own characters.
    virtual void PasteNumber(InputField field, const std::string& number) = 0;

    virtual int Selection(Selector selector) const = 0;
    virtual void SetSelection(Selector selector, int row) = 0;
    virtual bool Option(OptionBox box) const = 0;
    virtual void SetOption(OptionBox box, bool on) = 0;
};
