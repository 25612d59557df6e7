#pragma once

#include <QString>

class VersionInfo;

// The three texts the main window shows from the version block: its caption, the product name
// heading the sheet and the About box, and the version text.
struct VersionTexts {
    QString title;
    QString productName;
    QString versionText;

    bool operator==(const VersionTexts&) const = default;
};

// Built from a loaded reader; the fallbacks (" ", the product name, "0.0") when it is not valid.
VersionTexts VersionTextsFrom(const VersionInfo& info);

// The texts of our own executable.
VersionTexts ReadVersionTexts();
