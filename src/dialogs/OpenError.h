#pragma once

#include <QString>

class QWidget;

// The message for a failed open: "Unable to open hyperlink:" and the line for the code.
QString OpenErrorText(int code);

// Shows OpenErrorText in a modal message box with the exclamation icon and an OK button.
void ShowOpenError(int code, QWidget* parent = nullptr);
