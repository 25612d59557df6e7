// Window titles as a window manager reads them from a real X server: the program's dialogs are
// titled by their captions alone, the main window by its own caption, and message boxes by the
// program's name. Runs the real application object and its main window.

#include "app/DoraRiveApp.h"
#include "common/XvfbDisplay.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/OpenError.h"
#include "mainwindow/DoraRiveDlg.h"

#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// The title the X server holds for a window, as xprop prints it: _NET_WM_NAME = "text".
QString XTitle(const QWidget* w)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-notype"), QStringLiteral("-id"), QString::number(w->winId()),
                                          QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(5000))
        return QStringLiteral("(xprop did not answer)");
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype open = out.indexOf(u'"');
    return open < 0 ? out : out.mid(open + 1, out.lastIndexOf(u'"') - open - 1);
}

// Runs `act` once a window that `wanted` picks is on screen; the act may open the next modal
// window, which blocks it until that one closes.
void WhenShown(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [=] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (wanted(top) && top->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(top);
                return;
            }
        }
        if (++*tries > 1000) {
            poll->stop();
            poll->deleteLater();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close(); // nothing waits for ever
        }
    });
    poll->start(10);
}

template <class T>
std::function<bool(QWidget*)> Is()
{
    return [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; };
}

} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

private:
    QStringList seen_; // "caption: X title" of every window looked at

    void Look(const QWidget* w, const QString& expected)
    {
        QTRY_COMPARE_WITH_TIMEOUT(XTitle(w), expected, 3000);
        seen_ << expected;
    }

    void LookAtHelp(QWidget* help, const QString& programName)
    {
        Look(help, QStringLiteral("Help Info"));
        auto* dialog = qobject_cast<CHelpDlg*>(help);
        WhenShown(Is<QMessageBox>(), [this, help, programName](QWidget* box) {
            Look(box, programName);
            box->close();
            QTimer::singleShot(0, help, &QWidget::close);
        });
        dialog->DisclaimerButton().click();
    }

    void LookAtEverything(DoraRiveDlg& window)
    {
        const QString programName = window.Texts().productName;
        Look(&window, window.windowTitle());

        WhenShown(Is<CHelpDlg>(), [this, programName](QWidget* help) { LookAtHelp(help, programName); });
        qobject_cast<QAbstractButton*>(window.Control(ControlId::HelpButton))->click();

        WhenShown(Is<CSettingsDlg>(), [this](QWidget* units) {
            Look(units, QStringLiteral("Units"));
            units->close();
        });
        window.OnUnitsButton();

        CAboutDlg about(window.Texts().productName, window.Texts().versionText, window.windowIcon(), &window);
        about.show();
        Look(&about, QStringLiteral("About"));
        about.close();

        WhenShown(Is<QMessageBox>(), [this, programName](QWidget* box) {
            Look(box, programName);
            box->close();
        });
        ShowOpenError(2, QStringLiteral("https://nordavik.example/"), &window);
    }

private slots:
    void dialogs_carry_their_captions_alone()
    {
        auto& app = static_cast<DoraRiveApp&>(*qApp);
        WhenShown(Is<DoraRiveDlg>(), [this](QWidget* main) {
            LookAtEverything(*qobject_cast<DoraRiveDlg*>(main));
            main->close();
        });
        QCOMPARE(app.Run(), 0);
        QCOMPARE(seen_.size(), 6);
    }
};

int main(int argc, char** argv)
{
    XvfbDisplay display;
    if (!display.Running()) {
        std::fprintf(stderr, "Xvfb (package xvfb) is needed to read window titles\n");
        return 1;
    }
    QTemporaryDir config; // the window stores its inputs when it closes
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    DoraRiveApp app(argc, argv);
    CaptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_captions.moc"
