#include "dialogs/CAboutDlg.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/ProgramNotices.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {

// The dialog's layout, in dialog units.
constexpr QSize kSize{235, 60};
constexpr QRect kIcon{11, 17, 20, 20};
constexpr QRect kNameAndVersion{42, 6, 179, 8};
constexpr QRect kCopyright{42, 18, 186, 8};
constexpr QRect kCreditCalculation{42, 36, 119, 8};
constexpr QRect kCreditProgram{42, 48, 119, 8};
constexpr QRect kOk{168, 36, 50, 16};

QLabel* AddText(QWidget* parent, const QString& text, const QRect& where)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(where);
    return label;
}

QString Notice(const char* text)
{
    return QCoreApplication::translate(ProgramNotices::kContext, text);
}

} // namespace

CAboutDlg::CAboutDlg(const QString& productName, const QString& versionText, const QIcon& icon, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About"));
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(kSize));

    auto* picture = new QLabel(this);
    const QRect iconRect = units.ToPixels(kIcon);
    picture->setGeometry(iconRect);
    picture->setAlignment(Qt::AlignCenter);
    if (!icon.isNull())
        picture->setPixmap(icon.pixmap(iconRect.size().boundedTo(QSize(32, 32))));

    nameAndVersion_ = AddText(this, NameAndVersion(productName, versionText), units.ToPixels(kNameAndVersion));
    AddText(this, Notice(ProgramNotices::kCopyright), units.ToPixels(kCopyright));
    AddText(this, Notice(ProgramNotices::kCreditCalculation), units.ToPixels(kCreditCalculation));
    AddText(this, Notice(ProgramNotices::kCreditProgram), units.ToPixels(kCreditProgram));

    auto* ok = new QPushButton(Notice(ProgramNotices::kOk), this);
    ok->setGeometry(units.ToPixels(kOk));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString CAboutDlg::NameAndVersion(const QString& productName, const QString& versionText)
{
    return productName + QStringLiteral(" v") + versionText;
}

QString CAboutDlg::NameAndVersionLine() const
{
    return nameAndVersion_->text();
}
