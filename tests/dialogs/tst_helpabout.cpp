#include "ModalCloser.h"
#include "TestEnvironment.h"
#include "controls/TextFilterEdit.h"
#include "dialogs/AboutCommand.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/HyperLinkLabel.h"
#include "dialogs/WebAddresses.h"

#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

class HelpAboutTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void help_box_shows_headings_without_colons();
    void typing_into_help_box_changes_nothing();
    void disclaimer_twice_keeps_help_open();
    void help_link_opens_home_page();
    void dialogs_keep_their_controls_inside();
    void about_line_data();
    void about_line();
    void about_command_routing_data();
    void about_command_routing();
    void about_item_follows_a_separator();
};

void HelpAboutTest::help_box_shows_headings_without_colons()
{
    CHelpDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Help Info"));
    const QString shown = dialog.HelpBox().CurrentText();
    const QStringList lines = shown.split(u'\n');
    for (const char* heading : {"Introduction", "Installation and requirements", "System requirements"})
        QVERIFY2(lines.contains(QString::fromLatin1(heading)), heading);
    QVERIFY(!shown.contains(u':'));
    QVERIFY(shown.contains(QString::fromUtf8("Copyright \u00A9 2026 Nordavik")));
    QVERIFY(shown.contains(QStringLiteral("Min. screen height 768 pixels.")));
    // What the text says about installing and running is true of this platform.
    for (const char* other : {"harddisk, network drive", "Setup will ask", "Pentium", "Microsoft Windows"})
        QVERIFY2(!shown.contains(QString::fromLatin1(other)), other);
    for (const char* here :
         {"Debian package", "apt-get remove dorarive", "Nordavik Frimo 042/dorarive.conf", "Alt-U Units", "Linux"})
        QVERIFY2(shown.contains(QString::fromLatin1(here)), here);
    // The colons are the only rejected characters of the text: nothing else may go.
    QCOMPARE(shown, CHelpDlg::HelpText().remove(u':'));
    QCOMPARE(lines.first(), QStringLiteral("Nordavik Kaldora"));
    QVERIFY(dialog.HelpBox().IsReadOnly());
}

void HelpAboutTest::typing_into_help_box_changes_nothing()
{
    CHelpDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TextFilterEdit& box = dialog.HelpBox();
    box.setFocus();
    const QString before = box.CurrentText();
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClicks(&box, QStringLiteral("typed text"));
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab})
        QTest::keyClick(&box, key);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box.CurrentText(), before);
}

void HelpAboutTest::disclaimer_twice_keeps_help_open()
{
    CHelpDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ModalCloser closer;
    dialog.DisclaimerButton().click();
    dialog.DisclaimerButton().click();
    QCOMPARE(closer.texts.size(), 2);
    for (const QString& text : closer.texts) {
        QVERIFY(text.startsWith(
            QStringLiteral("Disclaimer:\n\nNordavik can accept no responsibility for possible errors in this program. "
                           "Nordavik reserves the right to alter its products without notice. All trademarks in this "
                           "material are property of the respective companies.")));
        QCOMPARE(text, CHelpDlg::DisclaimerText());
    }
    QCOMPARE(closer.icons, (QList<QMessageBox::Icon>{QMessageBox::Information, QMessageBox::Information}));
    // Owned by the dialog, so the message stays over it.
    QCOMPARE(closer.parents.value(0), &dialog);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void HelpAboutTest::help_link_opens_home_page()
{
    CHelpDlg dialog;
    HyperLinkLabel& link = dialog.HomePageLink();
    QCOMPARE(link.text(), QStringLiteral("Visit Nordavik on the Web"));
    QCOMPARE(link.Address(), QString::fromLatin1(WebAddresses::kHomePage));
    QVERIFY(!link.IsVisited());
    QCOMPARE(link.NormalColor(), QColor(0, 0, 238));
}

void HelpAboutTest::dialogs_keep_their_controls_inside()
{
    CHelpDlg help;
    CAboutDlg about(QStringLiteral("Nordavik Kaldora"), QStringLiteral("1.0 "), QIcon());
    for (QDialog* dialog : std::initializer_list<QDialog*>{&help, &about}) {
        const QList<QWidget*> children = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(children.size() >= 4);
        for (const QWidget* child : children) {
            QVERIFY2(dialog->rect().contains(child->geometry()), qPrintable(child->metaObject()->className()));
            QVERIFY(!child->geometry().isEmpty());
        }
    }
    // The buttons sit side by side below the text box, the link on their left.
    QVERIFY(help.HelpBox().geometry().bottom() < help.DisclaimerButton().geometry().top());
    QVERIFY(help.HomePageLink().geometry().right() < help.DisclaimerButton().geometry().left());
}

void HelpAboutTest::about_line_data()
{
    QTest::addColumn<QString>("productName");
    QTest::addColumn<QString>("versionText");
    QTest::addColumn<QString>("line");
    QTest::newRow("our block") << "Nordavik Kaldora"
                               << "1.0 "
                               << "Nordavik Kaldora v1.0 ";
    QTest::newRow("fallbacks") << "Nordavik Kaldora"
                               << "0.0"
                               << "Nordavik Kaldora v0.0";
    QTest::newRow("special build") << "Kaldora"
                                   << "2.3 beta"
                                   << "Kaldora v2.3 beta";
    QTest::newRow("no prefix processing") << "K&ald %1"
                                          << "1.0 "
                                          << "K&ald %1 v1.0 ";
}

void HelpAboutTest::about_line()
{
    QFETCH(QString, productName);
    QFETCH(QString, versionText);
    QFETCH(QString, line);
    CAboutDlg dialog(productName, versionText, QIcon());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
    QCOMPARE(dialog.NameAndVersionLine(), line);
}

void HelpAboutTest::about_command_routing_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("opensAbout");
    QTest::newRow("0x10") << 0x10 << true;
    QTest::newRow("0x11") << 0x11 << true;
    QTest::newRow("0x1F") << 0x1F << true;
    QTest::newRow("0x0F") << 0x0F << false;
    QTest::newRow("0x20") << 0x20 << false;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("close 0xF060") << 0xF060 << false;
    QTest::newRow("0xF010") << 0xF010 << false;
}

void HelpAboutTest::about_command_routing()
{
    QFETCH(int, command);
    QFETCH(bool, opensAbout);
    QCOMPARE(AboutCommand::Opens(command), opensAbout);
}

void HelpAboutTest::about_item_follows_a_separator()
{
    QMenu menu;
    menu.addAction(QStringLiteral("Restore"));
    QAction* about = AboutCommand::AppendTo(menu);
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(actions.size(), 3);
    QVERIFY(actions[1]->isSeparator());
    QCOMPARE(actions[2], about);
    QCOMPARE(about->text(), QStringLiteral("&About..."));
    QVERIFY(AboutCommand::Opens(about->data().toInt()));
}

QTEST_MAIN(HelpAboutTest)
#include "tst_helpabout.moc"
