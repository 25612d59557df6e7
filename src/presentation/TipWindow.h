#pragma once

#include <QColor>
#include <QLabel>

// A small frameless tip: wrapped plain text on a fixed background, at most maxWidth wide, shown
// wherever its owner puts it.
class TipWindow : public QLabel {
    Q_OBJECT
public:
    TipWindow(QWidget* owner, int maxWidth, const QColor& back, const QColor& text);

    // Sets the text and sizes the tip to it: one line when it fits, else wrapped at maxWidth.
    void SetTipText(const QString& text);
    // Shows the tip with its top-left corner at a screen position, kept on the screen.
    void ShowAt(const QPoint& globalTopLeft);

private:
    QPoint OnScreen(const QPoint& topLeft) const;

    int maxWidth_;
};
