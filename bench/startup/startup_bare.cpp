// The yardstick for the start-up benchmark: a plain Qt dialog with the same kinds and numbers of
// controls (23 line edits, 3 combo boxes, 4 check boxes, 4 buttons, a two-column table, two
// labels, 40 texts painted on its surface), as large as the window, closed right after its first
// paint.

#include "FirstPaintQuit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

namespace {

class PaintedLabels : public QDialog {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int i = 0; i < 40; ++i)
            painter.drawText(20 + 400 * (i / 20), 30 + 27 * (i % 20), QStringLiteral("Label %1").arg(i));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PaintedLabels dialog;
    int y = 10;
    for (int i = 0; i < 23; ++i, y += 27)
        (new QLineEdit(QStringLiteral("100"), &dialog))->setGeometry(200, y, 50, 23);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QComboBox(&dialog);
        box->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        box->setGeometry(300, 10 + 27 * i, 160, 23);
    }
    for (int i = 0; i < 4; ++i)
        (new QCheckBox(&dialog))->setGeometry(500, 10 + 27 * i, 14, 15);
    for (int i = 0; i < 4; ++i)
        (new QPushButton(QStringLiteral("Button"), &dialog))->setGeometry(600 + 90 * i, 700, 80, 25);
    auto* table = new QTableWidget(4, 2, &dialog);
    table->setGeometry(600, 500, 410, 115);
    new QLabel(QStringLiteral("label"), &dialog);
    new QLabel(&dialog);
    // Where no window manager maximises (a bare X server) only an explicit geometry makes the
    // dialog as large as the window, which sets its own the same way.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.setGeometry(screen->availableGeometry());
    dialog.showMaximized();
    FirstPaintQuit quit(dialog);
    dialog.exec();
    return 0;
}
