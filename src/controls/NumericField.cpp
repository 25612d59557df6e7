#include "controls/NumericField.h"

#include "controls/Utf8Text.h"

NumericField::NumericField(int wholeDigits, int decimalPlaces, LocaleChars chars)
    : behavior_(window_, wholeDigits, decimalPlaces, chars)
{
}

void NumericField::SelectAll()
{
    window_.SetSelection(0, window_.Text().size());
}

void NumericField::Paste(const std::string& text)
{
    window_.SetClipboard(text);
    behavior_.HandlePaste();
}

void NumericField::Type(const std::string& text)
{
    for (std::size_t pos = 0; pos < text.size(); pos = Utf8Text::Next(text, pos))
        behavior_.HandleChar(Utf8Text::DecodeAt(text, pos));
}
