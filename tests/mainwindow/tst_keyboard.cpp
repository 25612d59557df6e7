// Every command from the keyboard, with real key events sent to a focused numeric field of the
// real window: the command keys, the command menu and its keys, and closing with Ctrl+Q.

#include "controls/NumericEdit.h"
#include "controls/TextFilterEdit.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/OpenAddress.h"
#include "dialogs/OpenError.h"
#include "dialogs/StandInOpeners.h"
#include "dialogs/WebAddresses.h"
#include "mainwindow/DoraRiveDlg.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <QAccessible>
#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Answers the next window that takes the keyboard (a modal dialog or a popup menu) from a timer,
// so that no key can hang the test; records what it was.
class NextWindow : public QObject {
    Q_OBJECT

public:
    explicit NextWindow(std::function<void(QWidget*)> answer = {})
        : answer_(std::move(answer))
    {
        connect(&poll_, &QTimer::timeout, this, &NextWindow::Poll);
        poll_.start(10);
    }

    QWidget* seen = nullptr;
    QString className;

private:
    void Poll()
    {
        QWidget* w = QApplication::activePopupWidget();
        if (!w)
            w = QApplication::activeModalWidget();
        if (!w && ++tries_ < 300)
            return;
        poll_.stop();
        if (!w)
            return;
        seen = w;
        className = QString::fromLatin1(w->metaObject()->className());
        if (answer_)
            answer_(w);
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
        else if (w->isVisible())
            w->close();
    }

    std::function<void(QWidget*)> answer_;
    QTimer poll_;
    int tries_ = 0;
};

// The visible entries of a menu as "text|key", without the mnemonic marks.
QStringList Entries(const QMenu* menu)
{
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString key = action->isShortcutVisibleInContextMenu()
                                ? action->shortcut().toString(QKeySequence::PortableText)
                                : QString();
        entries << QString(action->text()).remove(u'&') + u'|' + key;
    }
    return entries;
}

// Stands in for the browser through Qt's own hook.

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryProfileStore> store_;
    std::unique_ptr<DoraRiveDlg> window_;

    // The window, active, with the focus in the depth field holding "620".
    NumericEdit* OpenWithFocusInField()
    {
        window_ = std::make_unique<DoraRiveDlg>(*store_);
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get()))
            return nullptr;
        NumericEdit* field = window_->Field(InputField::iDepth);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("620"));
        return field;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { store_ = std::make_unique<MemoryProfileStore>(); }
    void cleanup() { window_.reset(); }

    void command_keys_work_from_a_numeric_field_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("opens");
        QTest::newRow("F1 help") << QKeyCombination(Qt::Key_F1) << "CHelpDlg";
        QTest::newRow("Ctrl+P print") << (Qt::CTRL | Qt::Key_P) << "QPrintDialog";
        QTest::newRow("Alt+U units") << (Qt::ALT | Qt::Key_U) << "CSettingsDlg";
    }
    void command_keys_work_from_a_numeric_field()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, opens);
        NumericEdit* field = OpenWithFocusInField();
        QVERIFY(field);
        NextWindow next;
        QTest::keyClick(field, key.key(), key.keyboardModifiers());
        QCOMPARE(next.className, opens);
        // The key went to the command, not into the field.
        QCOMPARE(field->CurrentText(), QStringLiteral("620"));
        QCOMPARE(window_->Units(), UnitSystem{});
    }

    void help_names_its_text_for_screen_readers()
    {
        NumericEdit* field = OpenWithFocusInField();
        QVERIFY(field);
        QString name;
        NextWindow next([&name](QWidget* w) {
            if (auto* help = qobject_cast<CHelpDlg*>(w))
                name = QAccessible::queryAccessibleInterface(&help->HelpBox())->text(QAccessible::Name);
        });
        QTest::keyClick(field, Qt::Key_F1);
        QCOMPARE(name, QStringLiteral("Help text"));
    }

    void alt_s_opens_the_product_selection_page()
    {
        NumericEdit* field = OpenWithFocusInField();
        QVERIFY(field);
        // The page opens through xdg-open; a stand-in records what it was asked to open.
        StandInOpeners openers;
        QVERIFY(!openers.Write(QStringLiteral("xdg-open"), 0).isEmpty());
        QTest::keyClick(field, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(openers.Arguments(QStringLiteral("xdg-open")),
                     QStringList{QString::fromLatin1(WebAddresses::kProductSelection)});
        QCOMPARE(field->CurrentText(), QStringLiteral("620"));
    }

    void product_selection_tells_a_failed_open_as_a_link_does()
    {
        NumericEdit* field = OpenWithFocusInField();
        QVERIFY(field);
        // xdg-open fails and the test desktop registers no browser.
        StandInOpeners openers;
        QVERIFY(!openers.Write(QStringLiteral("xdg-open"), 3).isEmpty());
        QString said;
        Qt::TextInteractionFlags flags;
        NextWindow answer([&](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                said = box->text();
                flags = box->textInteractionFlags();
            }
        });
        QTest::keyClick(field, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(answer.seen);
        const QString address = QString::fromLatin1(WebAddresses::kProductSelection);
        QCOMPARE(said, OpenErrorMessage(OpenResult::kNoAssociation, address));
        QVERIFY(said.endsWith(u'\n' + address));
        QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
    }

    void menu_keys_open_every_command_with_its_key_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<bool>("inField");
        QTest::newRow("F10 in a field") << QKeyCombination(Qt::Key_F10) << true;
        QTest::newRow("Menu key in a field") << QKeyCombination(Qt::Key_Menu) << true;
        QTest::newRow("Shift+F10 on a check box") << (Qt::SHIFT | Qt::Key_F10) << false;
    }
    void menu_keys_open_every_command_with_its_key()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(bool, inField);
        NumericEdit* field = OpenWithFocusInField();
        QVERIFY(field);
        QWidget* target = field;
        if (!inField) {
            target = window_->Control(OptionBox::iDoorCheck);
            target->setFocus();
        }
        QStringList entries;
        NextWindow next([&entries](QWidget* w) {
            if (auto* menu = qobject_cast<QMenu*>(w))
                entries = Entries(menu);
        });
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QCOMPARE(next.seen, window_->Commands()->Menu());
        const QStringList expected{"New|Ctrl+N",
                                   "Open...|Ctrl+O",
                                   "Open Recent|",
                                   "Save|Ctrl+S",
                                   "Save As...|Ctrl+Shift+S",
                                   "Units...|Alt+U",
                                   "Print...|Ctrl+P",
                                   "What If...|Alt+I",
                                   "Help|F1",
                                   "Product Selection|Alt+S",
                                   "Visit Nordavik on the Web|",
                                   "About...|",
                                   "Close|Ctrl+Q"};
        QCOMPARE(entries, expected);
        QCOMPARE(field->CurrentText(), QStringLiteral("620"));
    }

    void shift_f10_in_a_field_opens_its_editing_menu()
    {
        NumericEdit* field = OpenWithFocusInField();
        QVERIFY(field);
        QStringList entries;
        NextWindow next([&entries](QWidget* w) {
            if (auto* menu = qobject_cast<QMenu*>(w))
                entries = Entries(menu);
        });
        QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(next.seen); // the field's menu does not wait for an answer; it goes when closed
        QCOMPARE(next.className, QStringLiteral("QMenu"));
        QVERIFY2(entries.join(u' ').contains(QStringLiteral("Paste")), qPrintable(entries.join(u' ')));
        QVERIFY(!entries.contains(QStringLiteral("Close|Ctrl+Q")));
    }

    void a_menu_entry_runs_by_its_letter()
    {
        NumericEdit* field = OpenWithFocusInField();
        QVERIFY(field);
        std::unique_ptr<NextWindow> about;
        NextWindow menu([&about](QWidget* w) {
            about = std::make_unique<NextWindow>();
            QTest::keyClick(w, Qt::Key_A);
        });
        QTest::keyClick(field, Qt::Key_F10);
        QCOMPARE(menu.seen, window_->Commands()->Menu());
        QVERIFY(about);
        QCOMPARE(about->className, QStringLiteral("CAboutDlg"));
    }

    void right_click_on_the_surface_opens_the_same_menu()
    {
        QVERIFY(OpenWithFocusInField());
        NextWindow next;
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(30, 400), window_->mapToGlobal(QPoint(30, 400)));
        QApplication::sendEvent(window_.get(), &click);
        QCOMPARE(next.seen, window_->Commands()->Menu());
    }

    void ctrl_q_closes_the_window_and_stores_the_inputs()
    {
        NumericEdit* field = OpenWithFocusInField();
        QVERIFY(field);
        QTest::keyClick(field, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Rejected));
        window_.reset();
        QCOMPARE(store_->GetProfileInt(StoredInputs::kSection, "iDepth", 0), 62000);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
