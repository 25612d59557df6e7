#pragma once

#include "controls/EditBehavior.h"
#include "controls/EditWindow.h"

#include <QClipboard>
#include <QColor>
#include <QPalette>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QWidget;

// What the Qt text widgets of the field family share: they are the EditWindow their behaviour
// works on, route every way of changing the text through it, colour themselves and report each
// change once. Qt counts positions in UTF-16 units, the behaviours in UTF-8 bytes; the
// conversion happens here.
class ValidatingEdit : protected EditWindow {
public:
    explicit ValidatingEdit(QWidget& widget);
    ~ValidatingEdit() override;

    ValidatingEdit(const ValidatingEdit&) = delete;
    ValidatingEdit& operator=(const ValidatingEdit&) = delete;

    QString CurrentText() const;
    QString TrimmedText() const;
    // The set-text rule: the text is cut to its valid form.
    void AssignText(const QString& text);
    void Revalidate();
    bool IsReadOnly() const override = 0;

    // The colours apply to the editable and the read-only field alike.
    void SetBackColor(const QColor& colour);
    QColor BackColor();
    // Black counts as "not set": the palette's text colour stays.
    void SetForeColor(const QColor& colour);
    QColor ForeColor();

    virtual EditBehavior& Behavior() = 0;

protected:
    // Counts the routed operations in progress; the outermost one reports a change of text.
    class ChangeScope {
    public:
        explicit ChangeScope(ValidatingEdit& edit);
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        ValidatingEdit& edit_;
    };

    // The widget's own primitives, in UTF-16 positions.
    virtual QString WidgetText() const = 0;
    virtual void SetWidgetText(const QString& text) = 0;
    virtual std::pair<int, int> WidgetSelection() const = 0;
    virtual void SetWidgetSelection(int start, int end) = 0;
    virtual void InsertWidgetText(const QString& text) = 0;
    virtual void DeleteForward() = 0;
    virtual void BaseKeyPress(QKeyEvent* event) = 0;
    virtual void BaseFocusOut(QFocusEvent* event) = 0;
    virtual void BasePaste(QClipboard::Mode mode) = 0;
    virtual void NotifyChanged() = 0;

    // EditWindow
    std::string Text() const override;
    void SetText(const std::string& text) override;
    EditSelection Selection() const override;
    void SetSelection(std::size_t start, std::size_t end) override;
    void ReplaceSelection(const std::string& text) override;
    void DefaultChar(char32_t c) override;
    void DefaultKey(EditKey key) override;
    void DefaultPaste() override;
    void DefaultFocusLoss() override;
    void CopyToClipboard(const std::string& text) override;
    void Beep() override;
    void ShowMessage(const std::string& text) override;
    std::string Translate(const char* context, const char* text) const override;
    void TakeFocus() override;
    bool IsEnabled() const override;

    // Event routing for the widgets.
    void RouteKeyPress(QKeyEvent* event);
    void RouteFocusOut(QFocusEvent* event);
    void RoutePaste(QClipboard::Mode mode);
    void RouteCut();
    void RouteClear();
    // An edit the widget makes on its own (undo, redo), brought back to the valid form.
    void RouteWidgetEdit(const std::function<void()>& edit);
    void RouteInputMethodCommit(const QString& commit);
    // A text change that bypassed the routes (the base class's setText called directly, an
    // accessibility tool): the text is sanitised and the change reported.
    void RouteExternalChange();

    void ApplyColours();

private:
    void TypeText(const QString& text);
    void RunOrDefer(std::function<void()> action);

    QWidget& widget_;
    // The widget's own palette, before any colour of ours.
    std::optional<QPalette> basePalette_;
    std::optional<QColor> backColour_;
    std::optional<QColor> foreColour_;
    bool foreColourSet_ = false;
    QKeyEvent* currentKey_ = nullptr;
    QFocusEvent* currentFocus_ = nullptr;
    QClipboard::Mode pasteMode_ = QClipboard::Clipboard;
    int depth_ = 0;
    QString textBefore_;
    // Message boxes and refocusing wait until the focus change is over.
    bool deferUi_ = false;
    std::vector<std::function<void()>> deferred_;
};
