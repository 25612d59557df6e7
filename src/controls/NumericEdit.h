#pragma once

#include "controls/LocaleChars.h"
#include "controls/NumericBehavior.h"
#include "controls/ValidatingEdit.h"

#include <QLineEdit>

#include <cstdint>
#include <optional>
#include <utility>

class QMenu;

// The numeric field: a single-line edit that refuses what cannot be part of a number while it
// is typed, keeps to its whole digits and decimal places, and reads and writes numbers in the
// locale's characters. The locale is read once, when the field is made.
class NumericEdit : public QLineEdit, public ValidatingEdit {
    Q_OBJECT

public:
    NumericEdit(int wholeDigits, int decimalPlaces, QWidget* parent = nullptr);
    NumericEdit(int wholeDigits, int decimalPlaces, LocaleChars chars, QWidget* parent = nullptr);
    ~NumericEdit() override;

    void SetValue(double value, bool trimZeros);
    double Value() const { return behavior_.Value(); }
    void SetIntValue(int value);
    int IntValue() const { return behavior_.IntValue(); }

    void SetDecimalPlaces(int places);
    int DecimalPlaces() const { return behavior_.DecimalPlaces(); }
    void SetWholeDigits(int digits);
    int WholeDigits() const { return behavior_.WholeDigits(); }
    void SetNegativeAllowed(bool allowed);
    bool NegativeAllowed() const { return behavior_.NegativeAllowed(); }
    void SetGroupSize(int size);
    int GroupSize() const { return behavior_.GroupSize(); }
    void SetSeparatorChars(char decimalPoint, char groupSeparator);
    std::pair<char, char> SeparatorChars() const { return behavior_.SeparatorChars(); }
    void SetPrefixText(const QString& prefix);
    QString PrefixText() const { return QString::fromStdString(behavior_.PrefixText()); }
    void ApplyPattern(const QString& pattern);
    QString Pattern() const { return QString::fromStdString(behavior_.Pattern()); }
    void SetLimits(double minimum, double maximum);
    std::pair<double, double> Limits() const { return behavior_.Limits(); }
    bool ChangeOptions(std::uint32_t add, std::uint32_t remove);
    std::uint32_t Options() const { return behavior_.Options(); }
    bool IsWithinLimits() const { return behavior_.IsWithinLimits(); }
    bool CheckLimits(bool report);
    void ReportLimits() { behavior_.ReportLimits(); }
    void ClampToLimits();
    const LocaleChars& Chars() const { return behavior_.Chars(); }
    // Pastes text over the whole field without the clipboard, under the same rule as Ctrl+V.
    void PasteOver(const QString& text);

    bool IsReadOnly() const override { return isReadOnly(); }
    NumericBehavior& Behavior() override { return behavior_; }

    // The context menu, with every editing entry routed through the field's rules. The caller
    // owns it.
    QMenu* CreateContextMenu();

signals:
    // Once for every change of the text, whichever way it came.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

    QString WidgetText() const override { return text(); }
    void SetWidgetText(const QString& text) override { setText(text); }
    std::pair<int, int> WidgetSelection() const override;
    void SetWidgetSelection(int start, int end) override;
    void InsertWidgetText(const QString& text) override { insert(text); }
    void DeleteForward() override;
    void BaseKeyPress(QKeyEvent* event) override { QLineEdit::keyPressEvent(event); }
    void BaseFocusOut(QFocusEvent* event) override { QLineEdit::focusOutEvent(event); }
    void BasePaste(QClipboard::Mode mode) override;
    void NotifyChanged() override { emit changed(); }

private:
    NumericBehavior behavior_;
    std::optional<QString> pendingPaste_; // the text PasteOver hands to the paste rule
};
