#pragma once

#include <QColor>
#include <QComboBox>
#include <QPixmap>

// A drop-down list drawn in the program's colours: a white face with a thin outline, the
// selected text on blue while the box has the focus, the drop button's image swapped while the
// list is open.
class SkinCombo : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kTextLeft = 7;
    static constexpr int kItemHeight = 20;

    explicit SkinCombo(QWidget* parent = nullptr);

    // Bitmap numbers of the face: left edge, drop button, drop button while open, middle.
    void SetImages(int left, int button, int buttonDropped, int middle);
    void SetFocusColours(const QColor& back, const QColor& text);
    void SetNormalColours(const QColor& back, const QColor& text);

    bool IsDropped() const { return dropped_; }
    // The face's inner rectangle, which carries the focus or normal colour.
    QRect InnerRect() const;

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class SkinComboDelegate;
    bool ShowsFocus() const;
    void PrepareList();
    void StyleList();

    QPixmap left_;
    QPixmap middle_;
    QPixmap button_;
    QPixmap buttonDropped_;
    QColor focusBack_;
    QColor focusText_;
    QColor normalBack_;
    QColor normalText_;
    QFont itemFont_;
    bool dropped_ = false;
    bool listPrepared_ = false;
};
