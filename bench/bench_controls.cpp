// What a keystroke in a numeric field costs: through the widget, and the sanitising alone.
#include "controls/NumericEdit.h"
#include "controls/NumericField.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

class ControlsBench : public QObject {
    Q_OBJECT

private slots:
    void typed_digit_data();
    void typed_digit();
    void typed_digit_event_data();
    void typed_digit_event();
    void typed_digit_behaviour_only_data();
    void typed_digit_behaviour_only();
    void sanitized_text_full_field_data();
    void sanitized_text_full_field();
};

void ControlsBench::typed_digit_data()
{
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");

    QTest::newRow("plain, at the end") << 0 << "12345678" << 8;
    QTest::newRow("grouped, in the middle") << 3 << "12,345,678.9" << 4;
}

// One iteration is two keystrokes, a digit and the Backspace that takes it away again, so the
// field stays the same from one iteration to the next.
void ControlsBench::typed_digit()
{
    QFETCH(int, groupSize);
    QFETCH(QString, text);
    QFETCH(int, caret);

    NumericEdit edit(9, 2, LocaleChars{});
    edit.SetGroupSize(groupSize);
    edit.AssignText(text);
    edit.setCursorPosition(caret);
    QBENCHMARK
    {
        QTest::keyClick(&edit, '7');
        QTest::keyClick(&edit, Qt::Key_Backspace);
    }
    QCOMPARE(edit.CurrentText(), text);
}

void ControlsBench::typed_digit_event_data()
{
    typed_digit_data();
}

// The same two keystrokes as key-press events sent straight to the field, without QTest's
// press-and-release simulation around them.
void ControlsBench::typed_digit_event()
{
    QFETCH(int, groupSize);
    QFETCH(QString, text);
    QFETCH(int, caret);

    NumericEdit edit(9, 2, LocaleChars{});
    edit.SetGroupSize(groupSize);
    edit.AssignText(text);
    edit.setCursorPosition(caret);
    QBENCHMARK
    {
        QKeyEvent digit(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QApplication::sendEvent(&edit, &digit);
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        QApplication::sendEvent(&edit, &backspace);
    }
    QCOMPARE(edit.CurrentText(), text);
}

void ControlsBench::typed_digit_behaviour_only_data()
{
    typed_digit_data();
}

// The rules alone, over the in-memory window.
void ControlsBench::typed_digit_behaviour_only()
{
    QFETCH(int, groupSize);
    QFETCH(QString, text);
    QFETCH(int, caret);

    NumericField field(9, 2, LocaleChars{});
    field.Behavior().SetGroupSize(groupSize);
    field.AssignText(text.toStdString());
    field.Select(static_cast<std::size_t>(caret), static_cast<std::size_t>(caret));
    QBENCHMARK
    {
        field.TypeChar(U'7');
        field.Backspace();
    }
    QCOMPARE(QString::fromStdString(field.CurrentText()), text);
}

void ControlsBench::sanitized_text_full_field_data()
{
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<QString>("text");

    QTest::newRow("9.2") << 0 << "123456789.12";
    QTest::newRow("9.2 grouped") << 3 << "123,456,789.12";
}

void ControlsBench::sanitized_text_full_field()
{
    QFETCH(int, groupSize);
    QFETCH(QString, text);

    NumericField field(9, 2, LocaleChars{});
    field.Behavior().SetGroupSize(groupSize);
    field.AssignText(text.toStdString());
    QCOMPARE(QString::fromStdString(field.CurrentText()), text);
    std::string result;
    QBENCHMARK
    {
        result = field.Behavior().SanitizedText();
    }
    QCOMPARE(QString::fromStdString(result), text);
}

int main(int argc, char** argv)
{
    // Without a display the benchmark still runs, on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ControlsBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_controls.moc"
