#pragma once

#include <QFont>
#include <QString>

#include <map>
#include <utility>

// The largest pixel size of a face whose line height still fits a cell of cellHeight pixels:
// how the window sizes its texts.
QFont CellHeightFont(const QString& family, int cellHeight, bool bold);
QFont CellHeightFont(const QString& family, int cellHeight, int weight);

// The measuring font: the platform's default face at a character (em) height in pixels.
QFont MeasuringFont(int charHeight);

// Finding a cell-height font takes a few metric look-ups, so the painter keeps each one it made.
class SheetFonts {
public:
    const QFont& Arial(int cellHeight, bool bold);
    const QFont& Measuring(int charHeight);

private:
    std::map<std::pair<int, bool>, QFont> arial_;
    std::map<int, QFont> measuring_;
};
