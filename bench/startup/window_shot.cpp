// Saves the window's first picture (surface and controls) as a PNG, so the look can be compared
// pixel by pixel before and after a start-up change:
//
//   window_shot OUT.png [door] [heat] [cool] [detailed] [glass]
//
// The words switch the options on (glass: a glass door); the screen size is the X server's, e.g.
// Xvfb :77 -screen 0 1366x768x24. Point XDG_CONFIG_HOME at an empty folder. The language is the
// desktop's, as for the program (LANGUAGE=de).

#include "controls/UiLanguage.h"
#include "mainwindow/DoraRiveDlg.h"
#include "storage/SettingsStore.h"

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <string>

namespace {

// The option words and the stored entries they set.
struct Switch {
    const char* word;
    const char* entry;
    int value;
};

constexpr Switch kSwitches[] = {
    {"door", "iDoorCheck", 1},     {"heat", "iHeatCheck", 1}, {"cool", "iCoolCheck", 1},
    {"detailed", "iCondCheck", 1}, {"glass", "iType2", 1}, // the first glass door
};

// Runs an action once, from the event loop, after the first paint of a widget.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& widget, std::function<void()> action)
        : QObject(&widget)
        , widget_(widget)
        , action_(std::move(action))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &widget_ && event->type() == QEvent::Paint && action_) {
            QTimer::singleShot(0, this, std::exchange(action_, nullptr));
        }
        return false;
    }

private:
    QWidget& widget_;
    std::function<void()> action_;
};

bool SetOption(SettingsStore& store, const std::string& word)
{
    for (const Switch& s : kSwitches) {
        if (word == s.word) {
            store.WriteProfileInt("Settings1", s.entry, s.value);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("dorarive"));
    InstallCatalogues(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_shot OUT.png [door] [heat] [cool] [detailed] [glass]\n");
        return 2;
    }
    SettingsStore store(QStringLiteral("dorarive"));
    for (int i = 2; i < argc; ++i) {
        if (!SetOption(store, argv[i])) {
            std::fprintf(stderr, "window_shot: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    store.Sync();
    DoraRiveDlg window(store);
    // Taken while the window is up, right after its first paint: the caret shows from the focus on
    // and blinks only after a while, so the picture does not depend on timing.
    QPixmap shot;
    FirstPaint first(window, [&] {
        shot = window.grab();
        window.reject();
    });
    window.exec();
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
