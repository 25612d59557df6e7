// The window hands its icon to the window manager once its first picture is up.

#include "mainwindow/DoraRiveDlg.h"
#include "presentation/Artwork.h"
#include "storage/MemoryProfileStore.h"

#include <QtTest>

class WindowIconTest : public QObject {
    Q_OBJECT
private slots:
    void icon_follows_the_first_paint();
};

void WindowIconTest::icon_follows_the_first_paint()
{
    MemoryProfileStore store;
    DoraRiveDlg window(store);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(!window.windowIcon().isNull());
    const QSize size(32, 32);
    QCOMPARE(window.windowIcon().pixmap(size).toImage(), Artwork::ApplicationIcon().pixmap(size).toImage());
}

QTEST_MAIN(WindowIconTest)
#include "tst_window_icon.moc"
