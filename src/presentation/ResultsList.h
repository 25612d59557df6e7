#pragma once

#include "model/ResultRows.h"

#include <QTableWidget>

class ResultsHeader;

// The compressor selection conditions under the right column: four result rows, always black on
// the band yellow, or the single error row of a failed check in the list's own colours.
class ResultsList : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kNameWidth = 260;
    static constexpr int kValueWidth = 200;
    static constexpr int kRowHeight = 20;

    explicit ResultsList(QWidget* parent = nullptr);

    // Columns, colours, selection style, no scroll bars. The font is the window's (Arial in a
    // 20-pixel cell from the start).
    void SetupResultsList();
    // The start of a calculation: drawing stops and every row goes.
    void ClearResultsList();
    // A finished calculation: the four rows, all selected, and drawing resumes.
    void FillResultsList(const ResultRowSet& rows);
    // A failed check: one unselected row with the message and the permitted range.
    void ShowErrorRow(const QString& text, const QString& range);

    ResultsHeader* Header() const { return header_; }
    // The names' column: kNameWidth, or as wide as the longest result name needs in the language
    // in use and the list's font, so that no name is cut.
    int NameColumnWidth() const;

signals:
    // Any click in the list; the window answers it with a recalculation, which restores the
    // four highlighted rows.
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void updateGeometries() override;
    void changeEvent(QEvent* event) override;

private:
    void SetRow(int row, const QString& name, const QString& value);

    ResultsHeader* header_;
};
