#pragma once

#include "model/InputForm.h"

#include <charconv>
#include <cstdio>
#include <map>

// A form that keeps plain doubles: enough to follow what the model reads and writes.
class FakeForm : public InputForm {
public:
    std::string Text(InputField f) const override
    {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%g", Value(f));
        return buf;
    }
    double Value(InputField f) const override
    {
        const auto it = values.find(f);
        return it == values.end() ? 0.0 : it->second;
    }
    int IntValue(InputField f) const override { return static_cast<int>(Value(f)); }
    void SetValue(InputField f, double v, bool) override { values[f] = v; }
    void SetIntValue(InputField f, int v) override { values[f] = v; }
    void SetDecimalPlaces(InputField f, int places) override { decimals[f] = places; }
    // No cutting: the number as it is written.
    void PasteNumber(InputField f, const std::string& number) override
    {
        double v = 0.0;
        std::from_chars(number.data(), number.data() + number.size(), v);
        values[f] = v;
    }
    int Selection(Selector s) const override { return selections.count(s) ? selections.at(s) : 0; }
    void SetSelection(Selector s, int row) override { selections[s] = row; }
    bool Option(OptionBox b) const override { return options.count(b) && options.at(b); }
    void SetOption(OptionBox b, bool on) override { options[b] = on; }

    std::map<InputField, double> values;
    std::map<InputField, int> decimals;
    std::map<Selector, int> selections;
    std::map<OptionBox, bool> options;
};
