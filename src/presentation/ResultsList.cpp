#include "presentation/ResultsList.h"

#include "controls/Translated.h"
#include "presentation/Palette.h"
#include "presentation/ResultsHeader.h"
#include "presentation/SheetFonts.h"
#include "presentation/SpokenUnits.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

constexpr int kListCellHeight = 20;
constexpr int kTextIndent = 2; // keeps "Requested compressor capacity" whole in its 260 pixels
const QColor kGridColour{200, 210, 222};

// Selected rows are the results: black on yellow whether or not the list has the focus, never in
// the platform's highlight colour. Everything else is black on the list colour.
class ResultRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->fillRect(option.rect, selected ? Palette::kYellow : Palette::kPale);
        painter->setFont(option.font);
        painter->setPen(Palette::kBlack);
        const QRect text = option.rect.adjusted(kTextIndent, 0, 0, 0);
        const QString shown = option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, text.width());
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
};

} // namespace

ResultsList::ResultsList(QWidget* parent)
    : QTableWidget(parent)
    , header_(new ResultsHeader(this))
{
    setHorizontalHeader(header_);
    setItemDelegate(new ResultRowDelegate(this));
    setFont(CellHeightFont(QStringLiteral("Arial"), kListCellHeight, false)); // until the window sets its own
    SetupResultsList();
}

void ResultsList::SetupResultsList()
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAutoScroll(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Palette::kPale);
    pal.setColor(QPalette::Window, Palette::kPale);
    pal.setColor(QPalette::Text, Palette::kBlack);
    pal.setColor(QPalette::Mid, kGridColour); // the grid lines
    setPalette(pal);
    setColumnCount(2);
    setHorizontalHeaderLabels({QCoreApplication::translate("ResultRows", kResultsHeading), QStringLiteral(" ")});
    header_->resizeSection(0, NameColumnWidth());
    header_->resizeSection(1, kValueWidth);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::ClickFocus); // not a tab stop, but a click takes the focus
    setWordWrap(false);
}

void ResultsList::ClearResultsList()
{
    setUpdatesEnabled(false);
    clearContents();
    setRowCount(0);
}

void ResultsList::FillResultsList(const ResultRowSet& rows)
{
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r)
        SetRow(r, QString::fromStdString(rows[static_cast<size_t>(r)].name),
               QString::fromStdString(rows[static_cast<size_t>(r)].value));
    selectAll();
    setUpdatesEnabled(true);
}

void ResultsList::ShowErrorRow(const QString& text, const QString& range)
{
    clearContents();
    setRowCount(1);
    SetRow(0, text, range);
    clearSelection();
    setUpdatesEnabled(true);
}

void ResultsList::SetRow(int row, const QString& name, const QString& value)
{
    // A reader hears the units spoken; the cells show their characters.
    int column = 0;
    for (const QString& text : {name, value}) {
        auto* item = new QTableWidgetItem(text);
        item->setData(Qt::AccessibleTextRole, QString::fromStdString(SpokenUnits(text.toStdString(), Translated)));
        setItem(row, column++, item);
    }
}

void ResultsList::mouseReleaseEvent(QMouseEvent* event)
{
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

// Hidden scroll bars still scroll: a wheel or a sideways touchpad swipe would move the rows and
// the header with no way back in sight. The list shows what fits and stays put, so both ranges
// are kept empty whatever the contents.
void ResultsList::updateGeometries()
{
    QTableWidget::updateGeometries();
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
}

void ResultsList::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    // Rows follow the list font, as a report list's do; the names' column follows the names.
    if (event->type() == QEvent::FontChange) {
        verticalHeader()->setDefaultSectionSize(std::max(kRowHeight, QFontMetrics(font()).height()));
        header_->resizeSection(0, NameColumnWidth());
    }
}

int ResultsList::NameColumnWidth() const
{
    const QFontMetrics fm(font());
    int widest = 0;
    for (const char* name : kResultNames)
        widest = std::max(widest, fm.horizontalAdvance(QCoreApplication::translate("ResultRows", name)));
    // A cell's text starts kTextIndent in, and the grid line takes the cell's last pixel.
    return std::max(kNameWidth, widest + kTextIndent + 1);
}
