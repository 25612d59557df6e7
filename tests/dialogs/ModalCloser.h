#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes every modal window as soon as it is up, so that no test can hang on one, and keeps
// what the message boxes said.
class ModalCloser : public QObject {
    Q_OBJECT

public:
    ModalCloser()
    {
        connect(&timer_, &QTimer::timeout, this, &ModalCloser::CloseModal);
        timer_.start(20);
    }

    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QList<QWidget*> parents;

private:
    void CloseModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->text();
            icons << box->icon();
            parents << box->parentWidget();
            box->done(QMessageBox::Ok);
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }

    QTimer timer_;
};
