// The painted sheet of the real window as assistive tools get it through QAccessible: each
// painted figure with its label and unit, the warning and the error of a failed check as alerts,
// and the events that tell a reader of every change.
//
// The offscreen platform has no accessibility bridge, so QAccessible::isActive() stays false and
// Qt hands no event to an update handler; the events are observed as the sheet sends them.

#include "controls/NumericEdit.h"
#include "dialogs/CSettingsDlg.h"
#include "mainwindow/DoraRiveDlg.h"
#include "presentation/SheetAccessible.h"
#include "storage/MemoryProfileStore.h"

#include <QAccessible>
#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

struct SentEvent {
    QAccessible::Event type;
    QString name;
};

// The window's accessible children that stand for painted texts (they have no widget).
QList<QAccessibleInterface*> Painted(QWidget& window)
{
    QList<QAccessibleInterface*> items;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i); child && !child->object())
            items << child;
    return items;
}

QStringList Names(const QList<QAccessibleInterface*>& items)
{
    QStringList names;
    for (QAccessibleInterface* item : items)
        names << item->text(QAccessible::Name);
    return names;
}

QAccessibleInterface* Named(QWidget& window, const QString& start)
{
    for (QAccessibleInterface* item : Painted(window))
        if (item->text(QAccessible::Name).startsWith(start))
            return item;
    return nullptr;
}

void AnswerUnitsWithAll(bool imperial)
{
    QTimer::singleShot(20, [imperial] {
        auto* dialog = qobject_cast<CSettingsDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (int pair = 0; pair < 6; ++pair)
            (imperial ? dialog->ImperialButton(pair) : dialog->MetricButton(pair))->click();
        dialog->accept();
    });
}

} // namespace

class SheetAccessibleTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryProfileStore> store_;
    std::unique_ptr<DoraRiveDlg> window_;
    QList<SentEvent> events_;

    DoraRiveDlg& Open()
    {
        window_ = std::make_unique<DoraRiveDlg>(*store_);
        connect(window_->SpokenSheet(), &SheetAccessible::eventSent, this,
                [this](QAccessible::Event type, QAccessibleInterface* item) {
                    events_.append({type, item->text(QAccessible::Name)});
                });
        events_.clear();
        return *window_;
    }
    void Type(InputField f, const QString& text)
    {
        NumericEdit* edit = window_->Field(f);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        window_->OnTimer();
    }
    QList<QAccessible::Event> EventsFor(const QString& name) const
    {
        QList<QAccessible::Event> types;
        for (const SentEvent& e : events_)
            if (e.name == name)
                types << e.type;
        return types;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { store_ = std::make_unique<MemoryProfileStore>(); }
    void cleanup() { window_.reset(); }

    void painted_texts_follow_the_controls_in_reading_order()
    {
        DoraRiveDlg& w = Open();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&w);
        QCOMPARE(iface->role(), QAccessible::Dialog);
        QCOMPARE(iface->text(QAccessible::Name), w.windowTitle());
        const QList<QAccessibleInterface*> items = Painted(w);
        const QStringList expected{"Nordavik Kaldora",         "Version " + w.Texts().versionText.trimmed(),
                                   "Net volume 200 L",         "Cabinet load 41 W",
                                   "Additional heat load 0 W", "Cool down load 0 W"};
        QCOMPARE(Names(items), expected);
        QCOMPARE(items[0]->role(), QAccessible::Heading);
        QCOMPARE(items[2]->role(), QAccessible::StaticText);
        QCOMPARE(items[2]->text(QAccessible::Value), QStringLiteral("200 L"));
        // After every control; each knows its place and its parent.
        const int first = iface->childCount() - int(items.size());
        for (int i = 0; i < first; ++i)
            QVERIFY(iface->child(i)->object());
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(iface->indexOfChild(items[i]), first + i);
            QCOMPARE(items[i]->parent(), iface);
        }
        // Where it is painted: on the window, the figure's row below the header.
        QVERIFY(w.geometry().contains(items[2]->rect().center()));
        QVERIFY(items[2]->rect().top() > items[1]->rect().bottom());
    }

    void figures_follow_a_recalculation()
    {
        DoraRiveDlg& w = Open();
        QAccessibleInterface* volume = Named(w, "Net volume");
        const QAccessible::Id id = QAccessible::uniqueId(volume);
        Type(InputField::iDepth, "800");
        // The same object, so a reader sitting on it hears the new figure.
        QCOMPARE(QAccessible::accessibleInterface(id), volume);
        QCOMPARE(volume->text(QAccessible::Name), QStringLiteral("Net volume 400 L"));
        QCOMPARE(EventsFor("Net volume 400 L"), QList{QAccessible::NameChanged});
        QCOMPARE(EventsFor(Named(w, "Cabinet load")->text(QAccessible::Name)), QList{QAccessible::NameChanged});
        // An unchanged figure is not told again.
        QVERIFY(EventsFor("Cool down load 0 W").isEmpty());
    }

    void figures_follow_a_change_of_units()
    {
        DoraRiveDlg& w = Open();
        AnswerUnitsWithAll(true);
        w.OnUnitsButton();
        QCOMPARE(w.Units(), (UnitSystem{1, 1, 1, 1, 1, 1}));
        const QStringList names = Names(Painted(w));
        QVERIFY2(names.contains("Net volume 7.06 cubic feet"), qPrintable(names.join('|')));
        QVERIFY2(names.contains("Cabinet load 141 BTU per hour"), qPrintable(names.join('|')));
        QCOMPARE(EventsFor("Net volume 7.06 cubic feet"), QList{QAccessible::NameChanged});
        AnswerUnitsWithAll(false);
        w.OnUnitsButton();
        QVERIFY(Names(Painted(w)).contains("Net volume 200 L"));
    }

    void a_row_comes_and_goes_with_its_option_however_switched()
    {
        DoraRiveDlg& w = Open();
        auto* door = qobject_cast<QCheckBox*>(w.Control(OptionBox::iDoorCheck));
        // Switched on as a screen reader does it, through the box's own action.
        QAccessibleActionInterface* action = QAccessible::queryAccessibleInterface(door)->actionInterface();
        action->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(w.Control(InputField::iDoorWidth)->isVisible());
        QStringList names = Names(Painted(w));
        const int cabinet = names.indexOf(QRegularExpression("Cabinet load .*"));
        QVERIFY(names.value(cabinet + 1).contains(QRegularExpression("^Door load [1-9]\\d* W$")));
        const QString doorLoad = names[cabinet + 1];
        QCOMPARE(EventsFor(doorLoad), QList{QAccessible::ObjectCreated});
        const QAccessible::Id id = QAccessible::uniqueId(Named(w, "Door load"));

        QTest::mouseClick(door, Qt::LeftButton);
        QVERIFY(!Named(w, "Door load"));
        QCOMPARE(EventsFor(doorLoad),
                 (QList{QAccessible::ObjectCreated, QAccessible::ObjectHide, QAccessible::ObjectDestroyed}));
        QVERIFY(!QAccessible::accessibleInterface(id));
    }

    void warning_is_announced_and_leaves_when_gone()
    {
        DoraRiveDlg& w = Open();
        QTest::mouseClick(w.Control(OptionBox::iCondCheck), Qt::LeftButton);
        Type(InputField::iEvaporating, "5"); // above the box temperature
        const QString warning = QStringLiteral("Warning: Evaporating temp greater than box temp.");
        QCOMPARE(QString::fromStdString(w.WarningText()), warning);
        QAccessibleInterface* alert = Painted(w).last();
        QCOMPARE(alert->role(), QAccessible::AlertMessage);
        QCOMPARE(alert->text(QAccessible::Name), warning);
        QCOMPARE(EventsFor(warning), (QList{QAccessible::ObjectCreated, QAccessible::ObjectShow, QAccessible::Alert}));

        Type(InputField::iEvaporating, "-10");
        QVERIFY(!Named(w, "Warning"));
        QCOMPARE(EventsFor(warning).mid(3), (QList{QAccessible::ObjectHide, QAccessible::ObjectDestroyed}));
    }

    void error_row_is_announced_and_leaves_when_gone()
    {
        DoraRiveDlg& w = Open();
        Type(InputField::iRunTime, "9");
        const QString error = QStringLiteral("Invalid max runtime value. 10 to 100");
        QAccessibleInterface* alert = Painted(w).last();
        QCOMPARE(alert->role(), QAccessible::AlertMessage);
        QCOMPARE(alert->text(QAccessible::Name), error);
        QCOMPARE(EventsFor(error), (QList{QAccessible::ObjectCreated, QAccessible::ObjectShow, QAccessible::Alert}));

        Type(InputField::iRunTime, "75");
        QCOMPARE(Painted(w).last()->role(), QAccessible::StaticText);
        QCOMPARE(EventsFor(error).mid(3), (QList{QAccessible::ObjectHide, QAccessible::ObjectDestroyed}));
    }

    void figures_a_stopped_calculation_leaves_say_so()
    {
        DoraRiveDlg& w = Open();
        Type(InputField::iDepth, "800");
        QAccessibleInterface* volume = Named(w, "Net volume");
        QVERIFY(volume->text(QAccessible::Description).isEmpty());
        // The width check passes, so the stopped calculation has already computed a new volume:
        // the sheet keeps the complete one, described as such.
        NumericEdit* width = w.Field(InputField::iWidth);
        width->selectAll();
        QTest::keyClicks(width, "1000"); // no tick: one calculation with both changes
        Type(InputField::iRunTime, "9");
        QVERIFY(w.FiguresStale());
        QCOMPARE(volume->text(QAccessible::Name), QStringLiteral("Net volume 400 L"));
        QCOMPARE(volume->text(QAccessible::Description),
                 QStringLiteral("From the last complete calculation: the current inputs stop at a check."));
        QCOMPARE(EventsFor("Net volume 400 L").last(), QAccessible::DescriptionChanged);
        Type(InputField::iRunTime, "75");
        QVERIFY(!w.FiguresStale());
        QVERIFY(volume->text(QAccessible::Description).isEmpty());
        QVERIFY(volume->text(QAccessible::Name) != QStringLiteral("Net volume 400 L"));
    }
};

QTEST_MAIN(SheetAccessibleTest)
#include "tst_sheet_accessible.moc"
