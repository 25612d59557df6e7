#include "presentation/SheetAccessible.h"

#include "controls/Translated.h"
#include "presentation/SheetPainter.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

QAccessible::Role RoleOf(SpokenRole role)
{
    switch (role) {
    case SpokenRole::Heading:
        return QAccessible::Heading;
    case SpokenRole::Text:
        return QAccessible::StaticText;
    case SpokenRole::Alert:
        return QAccessible::AlertMessage;
    }
    return QAccessible::StaticText;
}

// One painted text. It has no object of its own: it lives while its text is painted, and the
// sheet replaces what it says.
class SheetItemAccessible : public QAccessibleInterface {
public:
    SheetItemAccessible(SheetAccessible* sheet, SpokenItem item)
        : sheet_(sheet)
        , item_(std::move(item))
    {
    }

    const SpokenItem& Spoken() const { return item_; }
    void SetSpoken(const SpokenItem& item) { item_ = item; }

    bool isValid() const override { return !sheet_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return sheet_ ? sheet_->Window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return sheet_ ? QAccessible::queryAccessibleInterface(sheet_->Window()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return RoleOf(item_.role); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString::fromStdString(item_.name);
        if (t == QAccessible::Description && !item_.description.empty())
            return QCoreApplication::translate("SheetReading", item_.description.c_str());
        if (t == QAccessible::Value && !item_.value.empty())
            return QString::fromStdString(item_.unit.empty() ? item_.value : item_.value + ' ' + item_.unit);
        return {};
    }

    QRect rect() const override
    {
        if (!sheet_)
            return {};
        const SheetRect& r = item_.rect;
        return {sheet_->Window()->mapToGlobal(QPoint(r.left, r.top)), QSize(r.Width(), r.Height())};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    QPointer<SheetAccessible> sheet_;
    SpokenItem item_;
};

// The window as Qt describes it, with the painted texts after its controls.
class SheetWindowAccessible : public QAccessibleWidget {
public:
    SheetWindowAccessible(QWidget* window, SheetAccessible* sheet)
        : QAccessibleWidget(window, window->inherits("QDialog") ? QAccessible::Dialog : QAccessible::Window)
        , sheet_(sheet)
    {
    }

    int childCount() const override { return QAccessibleWidget::childCount() + PaintedCount(); }

    QAccessibleInterface* child(int index) const override
    {
        const int controls = QAccessibleWidget::childCount();
        if (index < controls)
            return QAccessibleWidget::child(index);
        return index < controls + PaintedCount() ? sheet_->Item(index - controls) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const int painted = sheet_ ? sheet_->IndexOf(child) : -1; painted >= 0)
            return QAccessibleWidget::childCount() + painted;
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    int PaintedCount() const { return sheet_ ? sheet_->ItemCount() : 0; }

    QPointer<SheetAccessible> sheet_;
};

QAccessibleInterface* SheetWindowFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    auto* sheet = widget->findChild<SheetAccessible*>(QString(), Qt::FindDirectChildrenOnly);
    return sheet ? new SheetWindowAccessible(widget, sheet) : nullptr;
}

} // namespace

struct SheetAccessible::Entry {
    SheetItemAccessible* item;
    QAccessible::Id id;
};

SheetAccessible::SheetAccessible(QWidget* window)
    : QObject(window)
{
    QAccessible::installFactory(&SheetWindowFactory); // installed once, whatever the count of calls
    // An accessible object handed out before the sheet existed would lack the painted texts.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
    if (iface && !dynamic_cast<SheetWindowAccessible*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

SheetAccessible::~SheetAccessible()
{
    for (const Entry& entry : items_)
        QAccessible::deleteAccessibleInterface(entry.id);
}

QWidget* SheetAccessible::Window() const
{
    return static_cast<QWidget*>(parent());
}

int SheetAccessible::ItemCount() const
{
    return static_cast<int>(items_.size());
}

QAccessibleInterface* SheetAccessible::Item(int index) const
{
    return index >= 0 && index < ItemCount() ? items_[static_cast<size_t>(index)].item : nullptr;
}

int SheetAccessible::IndexOf(const QAccessibleInterface* item) const
{
    const auto it = std::find_if(items_.begin(), items_.end(), [item](const Entry& e) { return e.item == item; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void SheetAccessible::Update(const SheetState& state, const std::string& errorText, const std::string& errorRange)
{
    SheetReadingInput in;
    in.options = state.options;
    in.frame = {state.formLeft, state.rowPitch, SheetMetrics::ForScreen(state.screenHeight).sheetFontHeight,
                state.columns};
    in.clientWidth = state.clientWidth;
    in.clientHeight = state.clientHeight;
    in.results = state.results;
    in.figuresStale = state.figuresStale;
    in.units = state.units;
    in.warningText = state.warningText;
    in.productName = state.productName;
    in.versionText = state.versionText;
    in.errorText = errorText;
    in.errorRange = errorRange;
    in.lookup = Translated;
    Update(SheetReading::Items(in));
}

void SheetAccessible::Update(const std::vector<SpokenItem>& items)
{
    // The tree is brought up to date first, so a reader that looks on an event finds it so.
    std::vector<Entry> previous = std::move(items_);
    items_.clear();
    std::vector<SheetItemAccessible*> created;
    std::vector<SheetItemAccessible*> renamed;
    std::vector<SheetItemAccessible*> redescribed;
    for (const SpokenItem& item : items) {
        const auto kept = std::find_if(previous.begin(), previous.end(),
                                       [&item](const Entry& e) { return e.item->Spoken().key == item.key; });
        if (kept == previous.end()) {
            auto* iface = new SheetItemAccessible(this, item);
            items_.push_back({iface, QAccessible::registerAccessibleInterface(iface)});
            created.push_back(iface);
            continue;
        }
        if (kept->item->Spoken().name != item.name)
            renamed.push_back(kept->item);
        if (kept->item->Spoken().description != item.description)
            redescribed.push_back(kept->item);
        kept->item->SetSpoken(item);
        items_.push_back(*kept);
        previous.erase(kept);
    }
    for (const Entry& gone : previous)
        Remove(gone);
    for (SheetItemAccessible* iface : created) {
        Send(QAccessible::ObjectCreated, iface);
        if (iface->Spoken().role == SpokenRole::Alert) {
            Send(QAccessible::ObjectShow, iface);
            Send(QAccessible::Alert, iface);
        }
    }
    for (SheetItemAccessible* iface : renamed)
        Send(QAccessible::NameChanged, iface);
    for (SheetItemAccessible* iface : redescribed)
        Send(QAccessible::DescriptionChanged, iface);
}

void SheetAccessible::Remove(const Entry& entry)
{
    Send(QAccessible::ObjectHide, entry.item);
    Send(QAccessible::ObjectDestroyed, entry.item);
    QAccessible::deleteAccessibleInterface(entry.id);
}

void SheetAccessible::Send(QAccessible::Event type, QAccessibleInterface* item)
{
    QAccessibleEvent event(item, type);
    QAccessible::updateAccessibility(&event);
    emit eventSent(type, item);
}
