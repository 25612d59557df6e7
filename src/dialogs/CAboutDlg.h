#pragma once

#include <QDialog>
#include <QIcon>

class QLabel;

// "About": the program's name and version beside its icon, the copyright and the credits. The
// main window passes what it read from its version block and its own icon.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const QString& productName, const QString& versionText, const QIcon& icon, QWidget* parent = nullptr);

    // "Nordavik Kaldora v1.0 " for the name "Nordavik Kaldora" and the version text "1.0 ".
    static QString NameAndVersion(const QString& productName, const QString& versionText);

    QString NameAndVersionLine() const;

private:
    QLabel* nameAndVersion_ = nullptr;
};
