#pragma once

#include <QDialog>

class HyperLinkLabel;
class QPushButton;
class TextFilterEdit;

// "Help Info": the program's help text in a read-only box, a link to the maker's home page and
// the disclaimer.
class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    // The characters the text box refuses; taking the colons away turns "Introduction:" into a
    // heading.
    static constexpr char kRejectedChars[] = "%'*\"+?><:\\";

    explicit CHelpDlg(QWidget* parent = nullptr);

    // The text as stored, before the box filters it.
    static QString HelpText();
    static QString DisclaimerText();

    TextFilterEdit& HelpBox() const { return *helpBox_; }
    HyperLinkLabel& HomePageLink() const { return *link_; }
    QPushButton& DisclaimerButton() const { return *disclaimer_; }

    void ShowDisclaimer();

private:
    QPushButton* ok_ = nullptr;
    HyperLinkLabel* link_ = nullptr;
    TextFilterEdit* helpBox_ = nullptr;
    QPushButton* disclaimer_ = nullptr;
};
