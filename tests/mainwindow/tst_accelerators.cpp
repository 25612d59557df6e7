// The letters Alt takes in each window, in every language: within one window (with its menu, and
// with the window's own Alt keys) no two controls may underline the same letter, else the letter
// only moves the focus between them and runs neither.

#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "mainwindow/CommandMenu.h"
#include "mainwindow/DoraRiveDlg.h"
#include "mainwindow/WhatIfWindow.h"
#include "storage/MemoryProfileStore.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// Who underlines each letter, as "Alt+X" -> texts.
using Letters = QMultiMap<QString, QString>;

void Add(Letters& letters, const QString& text)
{
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty())
        letters.insert(key.toString(QKeySequence::PortableText), text);
}

// Every control of the window itself (not of a window it owns) that takes an Alt letter, shown
// or not: a panel that changes its page keeps its window's letters.
Letters WindowLetters(QWidget* window)
{
    Letters letters;
    const auto mine = [window](const QWidget* w) { return w->window() == window; };
    for (const auto* button : window->findChildren<QAbstractButton*>())
        if (mine(button))
            Add(letters, button->text());
    for (const auto* label : window->findChildren<QLabel*>())
        if (mine(label) && label->buddy())
            Add(letters, label->text());
    for (const auto* box : window->findChildren<QGroupBox*>())
        if (mine(box))
            Add(letters, box->title());
    for (const auto* tabs : window->findChildren<QTabWidget*>())
        if (mine(tabs))
            for (int i = 0; i < tabs->count(); ++i)
                Add(letters, tabs->tabText(i));
    return letters;
}

Letters MenuLetters(const QMenu* menu)
{
    Letters letters;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            Add(letters, action->text());
    return letters;
}

QStringList Clashes(const Letters& letters)
{
    QStringList clashes;
    for (const QString& key : letters.uniqueKeys())
        if (letters.count(key) > 1)
            clashes << key + QStringLiteral(": ") + QStringList(letters.values(key)).join(QStringLiteral(" / "));
    return clashes;
}

} // namespace

class AcceleratorsTest : public QObject {
    Q_OBJECT

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;

    void Speak(const QString& language)
    {
        translators_.clear();
        if (language == u"en")
            return;
        auto own = std::make_unique<QTranslator>();
        QVERIFY(own->load(QStringLiteral(":/i18n/dorarive_") + language));
        translators_.push_back(std::move(own));
        // Qt's own buttons, as the program loads them where the package is installed.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            translators_.push_back(std::move(qt));
        for (const auto& t : translators_)
            QCoreApplication::installTranslator(t.get());
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { translators_.clear(); }

    void letters_are_unique_per_window_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        for (const QString& name : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("dorarive_*.qm")}))
            QTest::newRow(qPrintable(name.mid(9).chopped(3))) << name.mid(9).chopped(3);
    }

    void letters_are_unique_per_window()
    {
        QFETCH(QString, language);
        Speak(language);
        MemoryProfileStore store;
        DoraRiveDlg window(store);
        window.OpenWhatIf();
        QVERIFY(window.WhatIf());

        // The main window's Alt keys stand beside whatever its own controls underline.
        Letters main = WindowLetters(&window);
        for (const QAction* action : window.actions())
            if (action->shortcut().count() == 1 && action->shortcut()[0].keyboardModifiers() == Qt::AltModifier)
                main.insert(action->shortcut().toString(QKeySequence::PortableText), action->text());
        const UnitSystem units;
        CSettingsDlg unitsDialog(units);
        CHelpDlg help;
        CAboutDlg about(QStringLiteral("Nordavik Kaldora"), QStringLiteral("1.0"), QIcon());

        const std::pair<const char*, Letters> windows[] = {
            {"main window", main},
            {"command menu", MenuLetters(window.Commands()->Menu())},
            {"What If", WindowLetters(window.WhatIf())},
            {"Units", WindowLetters(&unitsDialog)},
            {"Help", WindowLetters(&help)},
            {"About", WindowLetters(&about)},
        };
        int seen = 0;
        for (const auto& [name, letters] : windows) {
            const QStringList clashes = Clashes(letters);
            QVERIFY2(clashes.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(name, clashes.join(u'\n'))));
            seen += letters.size();
        }
        // The menu's thirteen entries and the What If window's controls, at least.
        QVERIFY2(seen >= 30, qPrintable(QString::number(seen)));
    }
};

QTEST_MAIN(AcceleratorsTest)
#include "tst_accelerators.moc"
