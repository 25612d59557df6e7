#include "dialogs/CHelpDlg.h"

#include "controls/MessageBoxTitle.h"
#include "controls/TextFilterEdit.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/HyperLinkLabel.h"
#include "dialogs/ProgramNotices.h"
#include "dialogs/WebAddresses.h"
#include "presentation/Palette.h"
#include "version/ProgramTexts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {

// The dialog's layout, in dialog units.
constexpr QSize kSize{310, 299};
constexpr QRect kOk{252, 282, 50, 14};
constexpr QRect kLink{6, 288, 168, 8};
constexpr QRect kHelpBox{6, 6, 300, 270};
constexpr QRect kDisclaimerButton{198, 282, 50, 14};

// The help text, line by line; an empty entry is an empty line.
const char* const kHelpLines[] = {
    ProgramTexts::kProductName,
    ProgramNotices::kCopyright,
    "",
    "",
    QT_TRANSLATE_NOOP("CHelpDlg", "Introduction:"),
    "",
    QT_TRANSLATE_NOOP("CHelpDlg", "This software allows the user to calculate the heat load of a refrigeration"),
    QT_TRANSLATE_NOOP("CHelpDlg", "system and specifies the appropriate compressor capacity."),
    "",
    "",
    "",
    QT_TRANSLATE_NOOP("CHelpDlg", "Installation and requirements:"),
    "",
    QT_TRANSLATE_NOOP("CHelpDlg", "This software is installed with its Debian package, dorarive"),
    QT_TRANSLATE_NOOP("CHelpDlg", "(sudo apt-get install ./dorarive_1.0-1_amd64.deb), which puts dorarive and"),
    QT_TRANSLATE_NOOP("CHelpDlg", "dorarive-calc in /usr/bin and Nordavik Kaldora in the desktop menu;"),
    QT_TRANSLATE_NOOP("CHelpDlg", "apt-get remove dorarive takes it off. De-installation removes the software again,"),
    QT_TRANSLATE_NOOP("CHelpDlg", "completely, and very accurate, according to our experience."),
    QT_TRANSLATE_NOOP("CHelpDlg", "The inputs are kept between runs in"),
    QT_TRANSLATE_NOOP("CHelpDlg", "~/.config/Nordavik Frimo 042/dorarive.conf; a calculation can be kept in"),
    QT_TRANSLATE_NOOP("CHelpDlg", "a file of its own, NAME.kaldora (Open Ctrl-O, Save Ctrl-S)."),
    QT_TRANSLATE_NOOP("CHelpDlg", "Keys F1 Help, Ctrl-P Print, Alt-U Units, Alt-S Product Selection,"),
    QT_TRANSLATE_NOOP("CHelpDlg", "F10 or a right-click on the window every command."),
    "",
    "",
    QT_TRANSLATE_NOOP("CHelpDlg", "System requirements:"),
    "",
    QT_TRANSLATE_NOOP("CHelpDlg", "Min. screen height 768 pixels."),
    QT_TRANSLATE_NOOP("CHelpDlg", "A 64-bit PC (amd64)"),
    QT_TRANSLATE_NOOP("CHelpDlg", "32 MB RAM min., 64 MB recommended"),
    QT_TRANSLATE_NOOP("CHelpDlg", "15 MB harddisk space"),
    QT_TRANSLATE_NOOP("CHelpDlg", "Debian 12 or a compatible Linux, on a GNOME, KDE Plasma or other"),
    QT_TRANSLATE_NOOP("CHelpDlg", "X11 or Wayland desktop"),
    "",
    "",
};

constexpr char kDisclaimerText[] = QT_TRANSLATE_NOOP(
    "CHelpDlg", "Disclaimer:\n\nNordavik can accept no responsibility for possible errors in this program. "
                "Nordavik reserves the right to alter its products without notice. All trademarks in this "
                "material are property of the respective companies.\n\n");

} // namespace

CHelpDlg::CHelpDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Help Info"));
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(kSize));

    // Created in the template's order, which is also the focus order: OK takes the first focus.
    ok_ = new QPushButton(QCoreApplication::translate(ProgramNotices::kContext, ProgramNotices::kOk), this);
    ok_->setGeometry(units.ToPixels(kOk));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    link_ = new HyperLinkLabel(QCoreApplication::translate("WebAddresses", WebAddresses::kHomePageLink), this);
    link_->setGeometry(units.ToPixels(kLink));
    link_->SetAddress(QString::fromLatin1(WebAddresses::kHomePage));

    helpBox_ = new TextFilterEdit(0, QString::fromLatin1(kRejectedChars), this);
    helpBox_->setGeometry(units.ToPixels(kHelpBox));
    helpBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpBox_->AssignText(HelpText());
    helpBox_->SetBackColor(Palette::kPale);
    // Nothing painted names the box for a screen reader.
    helpBox_->setAccessibleName(tr("Help text"));

    disclaimer_ = new QPushButton(tr("Disclaimer"), this);
    // A caption longer than the English one widens the button to the left, towards the link.
    QRect disclaimer = units.ToPixels(kDisclaimerButton);
    disclaimer.setLeft(std::min(disclaimer.left(), disclaimer.right() + 1 - disclaimer_->sizeHint().width()));
    disclaimer_->setGeometry(disclaimer);
    disclaimer_->setAutoDefault(false);
    connect(disclaimer_, &QPushButton::clicked, this, &CHelpDlg::ShowDisclaimer);
}

QString CHelpDlg::HelpText()
{
    QString text;
    // The first two lines are the product's name and the copyright notice, translated as such.
    for (const char* line : kHelpLines) {
        const char* context = line == ProgramNotices::kCopyright ? ProgramNotices::kContext : "CHelpDlg";
        text += (*line ? QCoreApplication::translate(context, line) : QString()) + u'\n';
    }
    return text;
}

QString CHelpDlg::DisclaimerText()
{
    return tr(kDisclaimerText) + QCoreApplication::translate(ProgramNotices::kContext, ProgramNotices::kTrademarks);
}

void CHelpDlg::ShowDisclaimer()
{
    // Parented to the dialog, so the message stays over it and the dialog stays open.
    QMessageBox::information(this, MessageBoxTitle(), DisclaimerText());
}
