#pragma once

#include <string>

// The 23 numeric fields of the form, by the stored entry name of the value each holds. The
// numbers are the window's control identifiers.
enum class InputField : int {
    iOpenings = 1003,
    iEvapTemp = 1004,
    iCoolMass = 1005,
    iStart = 1006,
    iFanLoad = 1007,
    iAmbient = 1008,
    iDepth = 1027,
    iWidth = 1028,
    iHeight = 1029,
    iInsulation = 1030,
    iLightLoad = 1031,
    iEnd = 1033,
    iTime = 1034,
    iRunTime = 1035,
    iDoorWidth = 1036,
    iDoorHeight = 1037,
    iDoorInsul = 1038,
    iAntisweatLoad = 1043,
    iInsulTherm = 1044,     // the wall k-value field
    iDoorInsulTherm = 1045, // the door k-value field
    iEvaporating = 1049,
    iCondensing = 1050,
    iSubcool = 1051,
};

enum class Selector : int {
    iType = 1017,  // insulation material
    iProd = 1032,  // product
    iType2 = 1040, // door material
};

enum class OptionBox : int {
    iDoorCheck = 1042,
    iHeatCheck = 1046,
    iCoolCheck = 1047,
    iCondCheck = 1048,
};

struct InputFieldInfo {
    InputField field;
    const char* name;
};

struct SelectorInfo {
    Selector selector;
    const char* name;
};

struct OptionInfo {
    OptionBox box;
    const char* name;
};

// All numeric fields in the window's tab order.
extern const InputFieldInfo kInputFields[23];
// The selections and the options in the order they are stored: iType, iType2, iProd;
// iDoorCheck, iHeatCheck, iCoolCheck, iCondCheck.
extern const SelectorInfo kSelectors[3];
extern const OptionInfo kOptions[4];

const char* FieldName(InputField field);
// Parses an entry name ("iDepth"); false when it names no numeric field.
bool FieldFromName(const std::string& name, InputField& field);

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
