#pragma once

#include <QString>

class QWidget;

// The message for a failed open: "Unable to open hyperlink:" and the line for the code.
QString OpenErrorText(int code);

// OpenErrorText followed by the address, so that it can be opened by hand.
QString OpenErrorMessage(int code, const QString& address);

// Shows OpenErrorMessage in a modal message box with the exclamation icon and an OK button; its
// text can be selected and copied.
void ShowOpenError(int code, const QString& address, QWidget* parent = nullptr);

// A page that could not be opened, told the same way wherever it was asked for (a link, the
// Product Selection button): the exclamation beep, then ShowOpenError.
void ReportFailedOpen(int code, const QString& address, QWidget* parent);
