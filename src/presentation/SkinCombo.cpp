#include "presentation/SkinCombo.h"

#include "presentation/Artwork.h"
#include "presentation/Palette.h"
#include "presentation/SheetFonts.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QLayout>
#include <QPainter>
#include <QProxyStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int kItemCellHeight = 14;
constexpr int kItemBottomGap = 2;

// A drop-down list opens below its box (above it near the screen's bottom), not over it as some
// styles place a menu.
class DropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

// The open list's items: the highlighted one in the focus colours, the others in the normal ones.
class SkinComboDelegate : public QStyledItemDelegate {
public:
    explicit SkinComboDelegate(SkinCombo* combo)
        : QStyledItemDelegate(combo)
        , combo_(combo)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!index.isValid())
            return;
        const bool highlighted = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        const QRect rect = option.rect.adjusted(0, 0, 0, -kItemBottomGap);
        painter->fillRect(option.rect, combo_->normalBack_);
        painter->fillRect(rect, highlighted ? combo_->focusBack_ : combo_->normalBack_);
        painter->setPen(highlighted ? combo_->focusText_ : combo_->normalText_);
        painter->setFont(combo_->itemFont_);
        painter->drawText(rect.adjusted(SkinCombo::kTextLeft, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data().toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), SkinCombo::kItemHeight};
    }

private:
    SkinCombo* combo_;
};

SkinCombo::SkinCombo(QWidget* parent)
    : QComboBox(parent)
    , focusBack_(Palette::kBlue)
    , focusText_(Palette::kWhite)
    , normalBack_(Palette::kPale)
    , normalText_(Palette::kBlack)
    , itemFont_(CellHeightFont(QStringLiteral("Arial"), kItemCellHeight, false))
{
    setEditable(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetImages(Artwork::kComboLeft, Artwork::kComboButton, Artwork::kComboButtonDropped, Artwork::kComboMiddle);
}

void SkinCombo::SetImages(int left, int button, int buttonDropped, int middle)
{
    left_ = Artwork::Bitmap(left);
    button_ = Artwork::Bitmap(button);
    buttonDropped_ = Artwork::Bitmap(buttonDropped);
    middle_ = Artwork::Bitmap(middle);
    update();
}

void SkinCombo::SetFocusColours(const QColor& back, const QColor& text)
{
    focusBack_ = back;
    focusText_ = text;
    update();
}

void SkinCombo::SetNormalColours(const QColor& back, const QColor& text)
{
    normalBack_ = back;
    normalText_ = text;
    update();
}

// The box paints its face itself, so only its list needs the style and the item painting; making
// the list costs more than the box, so it waits until it first opens.
void SkinCombo::PrepareList()
{
    if (listPrepared_)
        return;
    listPrepared_ = true;
    auto* style = new DropDownStyle;
    style->setParent(this);
    setStyle(style);
    setItemDelegate(new SkinComboDelegate(this));
}

// The open list gets a one-pixel outline in the focus colour on the normal background.
void SkinCombo::StyleList()
{
    QAbstractItemView* list = view();
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, normalBack_);
    pal.setColor(QPalette::Window, normalBack_);
    pal.setColor(QPalette::WindowText, focusBack_); // a plain frame's line colour
    list->setPalette(pal);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(1);
    if (auto* container = qobject_cast<QFrame*>(list->parentWidget())) {
        container->setFrameStyle(QFrame::NoFrame);
        container->setContentsMargins(0, 0, 0, 0);
        if (container->layout())
            container->layout()->setContentsMargins(0, 0, 0, 0);
    }
}

QRect SkinCombo::InnerRect() const
{
    // Between the left edge (plus one pixel) and the drop button, 3 below the top, 6 above the bottom.
    return QRect(QPoint(left_.width() + 1, 3), QPoint(width() - button_.width() - 1, height() - 7));
}

bool SkinCombo::ShowsFocus() const
{
    return hasFocus() || dropped_; // the open list keeps the box's focus look
}

void SkinCombo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    painter.fillRect(rect(), Palette::kWhite);
    const QPixmap& button = dropped_ ? buttonDropped_ : button_;
    painter.drawPixmap(0, 0, left_);
    painter.drawPixmap(QRect(left_.width(), 0, std::max(w - left_.width() - button.width(), 0), middle_.height()),
                       middle_);
    painter.drawPixmap(w - button.width(), 0, button);

    const bool focus = ShowsFocus();
    painter.fillRect(InnerRect(), focus ? focusBack_ : normalBack_);
    painter.setPen(focus ? focusText_ : normalText_);
    painter.setFont(itemFont_);
    const QRect textRect = rect().adjusted(kTextLeft, -2, -button.width(), 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, currentText());
}

void SkinCombo::showPopup()
{
    PrepareList();
    dropped_ = true;
    repaint();
    StyleList();
    QComboBox::showPopup();
}

void SkinCombo::hidePopup()
{
    QComboBox::hidePopup();
    dropped_ = false;
    repaint();
}

void SkinCombo::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    update();
}

void SkinCombo::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    update();
}
