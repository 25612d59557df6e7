#pragma once

#include "controls/EditBehavior.h"

#include <string>

// A free text field that keeps to a maximum length and refuses a set of characters.
class TextFilterBehavior : public EditBehavior {
public:
    // maxLength 0 is unlimited; lengths count characters, not bytes.
    TextFilterBehavior(EditWindow& window, int maxLength, std::string rejectedChars);

    std::string SanitizedText() const override;
    void HandleChar(char32_t c) override;

    // The text cut to maxLength characters, then without the rejected characters.
    std::string SanitizeText(const std::string& text) const;

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength);
    const std::string& RejectedChars() const { return rejectedChars_; }
    void SetRejectedChars(const std::string& rejectedChars);

private:
    int maxLength_ = 0;
    std::string rejectedChars_;
};
