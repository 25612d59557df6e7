// The Qt widgets on the offscreen platform: every way text gets in goes through the rules.
#include "ModalCloser.h"
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "controls/TextFilterEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

LocaleChars DotChars()
{
    return LocaleChars{};
}

// Keystroke script: '\b' Backspace, '\x7f' Delete, '\x01' Home, '\x02' Left, '\x03' End.
void Press(QWidget* widget, const QString& keys)
{
    for (const QChar key : keys) {
        switch (key.unicode()) {
        case '\b':
            QTest::keyClick(widget, Qt::Key_Backspace);
            break;
        case 0x7f:
            QTest::keyClick(widget, Qt::Key_Delete);
            break;
        case 0x01:
            QTest::keyClick(widget, Qt::Key_Home);
            break;
        case 0x02:
            QTest::keyClick(widget, Qt::Key_Left);
            break;
        case 0x03:
            QTest::keyClick(widget, Qt::Key_End);
            break;
        default:
            QTest::keyClicks(widget, QString(key));
            break;
        }
    }
}

QAction* FindAction(QMenu* menu, const QString& start)
{
    for (QAction* action : menu->actions())
        if (action->text().startsWith(start))
            return action;
    return nullptr;
}

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

    // Closes a modal box nobody expects, so that the test fails instead of hanging; a test that
    // expects one closes it with a closer of its own.
    ModalCloser watchdog_;

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void cleanup();
    void typing_data();
    void typing();
    void change_signal_once_per_change();
    void paste_data();
    void paste();
    void cut_keeps_text_valid();
    void undo_keeps_text_valid();
    void external_set_text_is_sanitised();
    void input_method_commit_is_typed();
    void focus_loss_without_options_does_nothing();
    void focus_loss_reports_limits_and_refocuses();
    void context_menu_delete_and_drop();
    void colours_data();
    void colours();
    void text_filter_read_only();
    void text_filter_editable();
};

void WidgetsTest::cleanup()
{
    const QString unexpectedModal = watchdog_.classes.join(QStringLiteral(", "));
    watchdog_.classes.clear();
    QVERIFY2(unexpectedModal.isEmpty(), qPrintable("unexpected modal " + unexpectedModal));
}

void WidgetsTest::typing_data()
{
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    QTest::newRow("ten digits into nine") << 0 << ""
                                          << "1234567890"
                                          << "123456789" << 9;
    QTest::newRow("letters and second point refused") << 0 << ""
                                                      << "12a.3.b45"
                                                      << "12.45" << 5;
    QTest::newRow("backspace") << 0 << ""
                               << "123\b"
                               << "12" << 2;
    QTest::newRow("delete") << 0 << ""
                            << "123\x01\x7f"
                            << "23" << 0;
    QTest::newRow("minus toggles in the middle") << 0 << ""
                                                 << "123\x02-"
                                                 << "-123" << 3;
    QTest::newRow("minus toggles back") << 0 << ""
                                        << "123\x02--"
                                        << "123" << 2;
    QTest::newRow("groups") << 3 << ""
                            << "1234567"
                            << "1,234,567" << 9;
    QTest::newRow("groups backspace") << 3 << ""
                                      << "1234\b"
                                      << "123" << 3;
    QTest::newRow("multibyte prefix") << 3 << "€ "
                                      << "1234"
                                      << "€ 1,234" << 7;
    QTest::newRow("multibyte prefix delete") << 3 << "€ "
                                             << "1234\x01\x02\x7f"
                                             << "€ 1,234" << 0;
}

void WidgetsTest::typing()
{
    QFETCH(int, groupSize);
    QFETCH(QString, prefix);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, caret);

    NumericEdit edit(9, 2, DotChars());
    edit.SetGroupSize(groupSize);
    edit.SetPrefixText(prefix);
    Press(&edit, keys);
    QCOMPARE(edit.CurrentText(), expected);
    QCOMPARE(edit.cursorPosition(), caret);
}

void WidgetsTest::change_signal_once_per_change()
{
    NumericEdit edit(9, 2, DotChars());
    QSignalSpy spy(&edit, &NumericEdit::changed);
    QTest::keyClicks(&edit, "12");
    QCOMPARE(spy.count(), 2);
    QTest::keyClick(&edit, 'a');
    QTest::keyClick(&edit, '3');
    QCOMPARE(spy.count(), 3);
    edit.SetValue(5.25, true);
    QCOMPARE(spy.count(), 4);
    edit.SetValue(5.25, true);
    QCOMPARE(spy.count(), 4);
    // A setter that changes the text reports once, however many steps it takes.
    edit.SetGroupSize(3);
    edit.SetValue(1234567, true);
    QCOMPARE(spy.count(), 5);
    edit.SetDecimalPlaces(0);
    QCOMPARE(edit.CurrentText(), QString("1,234,567"));
    QCOMPARE(spy.count(), 5);
    edit.SetWholeDigits(4);
    QCOMPARE(edit.CurrentText(), QString("1,234"));
    QCOMPARE(spy.count(), 6);
    edit.AssignText("abc");
    QCOMPARE(edit.CurrentText(), QString());
    QCOMPARE(spy.count(), 7);
}

void WidgetsTest::paste_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("ctrl+v") << "ctrl+v";
    QTest::newRow("shift+insert") << "shift+insert";
    QTest::newRow("context menu") << "menu";
}

void WidgetsTest::paste()
{
    QFETCH(QString, how);

    NumericEdit edit(9, 2, DotChars());
    QSignalSpy spy(&edit, &NumericEdit::changed);
    QGuiApplication::clipboard()->setText("abc-1x2.345");
    if (how == "ctrl+v") {
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    } else if (how == "shift+insert") {
        if (!QKeySequence::keyBindings(QKeySequence::Paste).contains(QKeySequence(Qt::SHIFT | Qt::Key_Insert)))
            QSKIP("Shift+Insert does not paste on this platform");
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        std::unique_ptr<QMenu> menu(edit.CreateContextMenu());
        QAction* action = FindAction(menu.get(), "&Paste");
        QVERIFY(action != nullptr);
        QVERIFY(action->isEnabled());
        action->trigger();
    }
    QCOMPARE(edit.CurrentText(), QString("-12.34"));
    QCOMPARE(edit.cursorPosition(), 0);
    QCOMPARE(spy.count(), 1);
}

void WidgetsTest::cut_keeps_text_valid()
{
    NumericEdit edit(9, 2, DotChars());
    edit.AssignText("123456789.12");
    edit.setSelection(9, 1);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("."));
    QCOMPARE(edit.CurrentText(), QString("123456789"));

    // The context menu's Cut takes the same way.
    edit.AssignText("123456789.12");
    edit.setSelection(9, 1);
    std::unique_ptr<QMenu> menu(edit.CreateContextMenu());
    FindAction(menu.get(), "Cu&t")->trigger();
    QCOMPARE(edit.CurrentText(), QString("123456789"));
}

void WidgetsTest::undo_keeps_text_valid()
{
    NumericEdit edit(9, 2, DotChars());
    edit.SetGroupSize(3);
    QTest::keyClicks(&edit, "123456.7");
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit.CurrentText(), QString::fromStdString(edit.Behavior().SanitizedText()));
    }
    std::unique_ptr<QMenu> menu(edit.CreateContextMenu());
    FindAction(menu.get(), "&Redo")->trigger();
    QCOMPARE(edit.CurrentText(), QString::fromStdString(edit.Behavior().SanitizedText()));
}

void WidgetsTest::external_set_text_is_sanitised()
{
    NumericEdit edit(9, 2, DotChars());
    QSignalSpy spy(&edit, &NumericEdit::changed);
    edit.setText("abc12.345");
    QCOMPARE(edit.CurrentText(), QString("12.34"));
    QCOMPARE(spy.count(), 1);
    edit.insert("9");
    QCOMPARE(edit.CurrentText(), QString("12.34"));
}

void WidgetsTest::input_method_commit_is_typed()
{
    NumericEdit edit(9, 2, DotChars());
    QInputMethodEvent event;
    event.setCommitString("12x.3.45");
    QApplication::sendEvent(&edit, &event);
    QCOMPARE(edit.CurrentText(), QString("12.45"));
}

void WidgetsTest::focus_loss_without_options_does_nothing()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new NumericEdit(9, 2, DotChars());
    auto* other = new QLineEdit;
    layout->addWidget(edit);
    layout->addWidget(other);
    edit->SetLimits(0, 100);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "00150");

    ModalCloser closer;
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QTest::qWait(50);
    QCOMPARE(closer.count, 0);
    QCOMPARE(edit->CurrentText(), QString("00150"));
    QVERIFY(other->hasFocus());
}

void WidgetsTest::focus_loss_reports_limits_and_refocuses()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new NumericEdit(9, 2, DotChars());
    auto* other = new QLineEdit;
    layout->addWidget(edit);
    layout->addWidget(other);
    edit->SetLimits(0, 100);
    edit->ChangeOptions(
        NumericBehavior::MessageOutOfRange | NumericBehavior::RefocusOutOfRange | NumericBehavior::TrimLeadingZeros, 0);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "00150");

    ModalCloser closer;
    other->setFocus();
    QTRY_COMPARE(closer.count, 1);
    QCOMPARE(closer.texts.value(0), QString("Please specify a numeric value between 0 and 100."));
    QCOMPARE(closer.icons.value(0), QMessageBox::Warning);
    QCOMPARE(edit->CurrentText(), QString("150"));
    // The focus goes back to the field within its window, whichever window is active now.
    QTRY_COMPARE(window.focusWidget(), edit);
    window.activateWindow();
    QTRY_VERIFY(edit->hasFocus());
}

void WidgetsTest::context_menu_delete_and_drop()
{
    NumericEdit edit(9, 2, DotChars());
    QVERIFY(!edit.acceptDrops());
    edit.SetGroupSize(3);
    edit.AssignText("1,234,567");
    edit.setSelection(0, 3);
    std::unique_ptr<QMenu> menu(edit.CreateContextMenu());
    QAction* remove = FindAction(menu.get(), "Delete");
    QVERIFY(remove != nullptr && remove->isEnabled());
    remove->trigger();
    QCOMPARE(edit.CurrentText(), QString("34,567"));

    edit.setReadOnly(true);
    std::unique_ptr<QMenu> readOnlyMenu(edit.CreateContextMenu());
    QVERIFY(!FindAction(readOnlyMenu.get(), "&Paste")->isEnabled());
    QVERIFY(!FindAction(readOnlyMenu.get(), "Cu&t")->isEnabled());
    QTest::keyClicks(&edit, "99");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.CurrentText(), QString("34,567"));
}

void WidgetsTest::colours_data()
{
    QTest::addColumn<bool>("textFilter");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("numeric") << false << false;
    QTest::newRow("numeric read-only") << false << true;
    QTest::newRow("text filter read-only") << true << true;
}

void WidgetsTest::colours()
{
    QFETCH(bool, textFilter);
    QFETCH(bool, readOnly);

    std::unique_ptr<QWidget> widget;
    ValidatingEdit* edit = nullptr;
    if (textFilter) {
        auto* filter = new TextFilterEdit(0, ":");
        filter->setReadOnly(readOnly);
        edit = filter;
        widget.reset(filter);
    } else {
        auto* numeric = new NumericEdit(9, 2, DotChars());
        numeric->setReadOnly(readOnly);
        edit = numeric;
        widget.reset(numeric);
    }
    const QColor defaultText = widget->palette().color(QPalette::Active, QPalette::Text);
    const QColor pale(242, 246, 251);
    edit->SetBackColor(pale);
    QCOMPARE(edit->BackColor(), pale);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(widget->palette().color(group, QPalette::Base), pale);

    widget->resize(200, 60);
    const QImage image = widget->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() / 3, image.height() / 2).rgb(), pale.rgb());

    edit->SetForeColor(Qt::red);
    QCOMPARE(widget->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    // Black counts as no colour: the field's own text colour returns.
    edit->SetForeColor(Qt::black);
    QCOMPARE(edit->ForeColor(), QColor(Qt::black));
    QCOMPARE(widget->palette().color(QPalette::Active, QPalette::Text), defaultText);
    QCOMPARE(widget->palette().color(QPalette::Active, QPalette::Base), pale);
}

void WidgetsTest::text_filter_read_only()
{
    TextFilterEdit edit(0, ":");
    QVERIFY(edit.isReadOnly());
    QCOMPARE(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QSignalSpy spy(&edit, &TextFilterEdit::changed);
    edit.AssignText("Door: opened 3 times: per hour");
    QCOMPARE(edit.CurrentText(), QString("Door opened 3 times per hour"));
    QCOMPARE(spy.count(), 1);
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClicks(&edit, "xyz");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.CurrentText(), QString("Door opened 3 times per hour"));
    QCOMPARE(spy.count(), 1);
}

void WidgetsTest::text_filter_editable()
{
    TextFilterEdit edit(5, ":");
    edit.setReadOnly(false);
    QSignalSpy spy(&edit, &TextFilterEdit::changed);
    QTest::keyClicks(&edit, "ab:cdefg");
    QCOMPARE(edit.CurrentText(), QString("abcde"));
    QCOMPARE(spy.count(), 5);

    // A full field: Enter adds nothing, a paste is cut back to the length.
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(edit.CurrentText(), QString("abcde"));
    edit.moveCursor(QTextCursor::Start);
    QGuiApplication::clipboard()->setText("1:2");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.CurrentText(), QString("12ab"));

    // Text set past the rules is filtered as well.
    edit.setPlainText("x:y");
    QCOMPARE(edit.CurrentText(), QString("xy"));
}

QTEST_MAIN(WidgetsTest)
#include "tst_Widgets.moc"
