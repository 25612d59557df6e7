// The text filter's rules over the in-memory window.
#include "controls/MemoryEditWindow.h"
#include "controls/TextFilterBehavior.h"

#include <QTest>

#include <string>

class TextFilterBehaviorTest : public QObject {
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void set_text_is_filtered_data();
    void set_text_is_filtered();
    void read_only_shows_text_without_rejected_chars();
    void paste_is_filtered();
    void setters_revalidate();
};

void TextFilterBehaviorTest::typing_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("rejected");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");

    QTest::newRow("colon rejected with beep") << 0 << ":"
                                              << "" << 0 << "a:b"
                                              << "ab" << 1;
    QTest::newRow("multibyte rejected") << 0 << "°:"
                                        << "" << 0 << "5°C"
                                        << "5C" << 1;
    QTest::newRow("full field typed over") << 3 << ""
                                           << "abc" << 1 << "x"
                                           << "axc" << 0;
    QTest::newRow("full field at end ignores") << 3 << ""
                                               << "abc" << 3 << "x"
                                               << "abc" << 0;
    QTest::newRow("fills up to length") << 3 << ""
                                        << "a" << 1 << "bcd"
                                        << "abc" << 0;
    QTest::newRow("length counts characters") << 3 << ""
                                              << "äö" << 2 << "üx"
                                              << "äöü" << 0;
    QTest::newRow("backspace in full field") << 3 << ""
                                             << "abc" << 3 << "\b"
                                             << "ab" << 0;
    QTest::newRow("unlimited") << 0 << ""
                               << "" << 0 << "hello"
                               << "hello" << 0;
}

void TextFilterBehaviorTest::typing()
{
    QFETCH(int, maxLength);
    QFETCH(QString, rejected);
    QFETCH(QString, initial);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, beeps);

    MemoryEditWindow window;
    TextFilterBehavior filter(window, maxLength, rejected.toStdString());
    filter.AssignText(initial.toStdString());
    const std::string text = window.Text();
    const std::size_t at = static_cast<std::size_t>(QStringView(initial).left(caret).toUtf8().size());
    window.SetSelection(at, at);
    for (const char32_t c : typed.toUcs4())
        filter.HandleChar(c);
    QCOMPARE(QString::fromStdString(window.Text()), expected);
    QCOMPARE(window.Beeps(), beeps);
}

void TextFilterBehaviorTest::set_text_is_filtered_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("rejected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("colons removed") << 0 << ":"
                                    << "Time: 12:30"
                                    << "Time 1230";
    QTest::newRow("cut before removing") << 5 << ":"
                                         << "Time: 12:30"
                                         << "Time";
    QTest::newRow("cut counts characters") << 2 << ""
                                           << "äöü"
                                           << "äö";
    QTest::newRow("nothing to do") << 0 << ""
                                   << "a:b"
                                   << "a:b";
}

void TextFilterBehaviorTest::set_text_is_filtered()
{
    QFETCH(int, maxLength);
    QFETCH(QString, rejected);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    MemoryEditWindow window;
    TextFilterBehavior filter(window, maxLength, rejected.toStdString());
    filter.AssignText(text.toStdString());
    QCOMPARE(QString::fromStdString(window.Text()), expected);
}

void TextFilterBehaviorTest::read_only_shows_text_without_rejected_chars()
{
    MemoryEditWindow window;
    window.SetReadOnly(true);
    TextFilterBehavior filter(window, 0, ":");
    filter.AssignText("Door: opened 3 times: per hour");
    QCOMPARE(QString::fromStdString(window.Text()), QString("Door opened 3 times per hour"));
    window.SetSelection(0, 0);
    filter.HandleChar(U'x');
    filter.HandleChar(U':');
    filter.HandleChar(U'\b');
    QCOMPARE(QString::fromStdString(window.Text()), QString("Door opened 3 times per hour"));
    QCOMPARE(window.Beeps(), 0);
}

void TextFilterBehaviorTest::paste_is_filtered()
{
    MemoryEditWindow window;
    TextFilterBehavior filter(window, 6, ":");
    filter.AssignText("ab");
    window.SetSelection(1, 1);
    window.SetClipboard("1:2:3:4:5");
    filter.HandlePaste();
    QCOMPARE(QString::fromStdString(window.Text()), QString("a123"));
    QCOMPARE(window.Selection(), (EditSelection{1, 1}));
}

void TextFilterBehaviorTest::setters_revalidate()
{
    MemoryEditWindow window;
    TextFilterBehavior filter(window, 0, "");
    filter.AssignText("a:b;c");
    filter.SetRejectedChars(";");
    QCOMPARE(QString::fromStdString(window.Text()), QString("a:bc"));
    filter.SetMaxLength(2);
    QCOMPARE(QString::fromStdString(window.Text()), QString("a:"));
}

QTEST_GUILESS_MAIN(TextFilterBehaviorTest)
#include "tst_TextFilterBehavior.moc"
