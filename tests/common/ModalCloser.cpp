#include "ModalCloser.h"

#include <QApplication>
#include <QDialog>

namespace {

QList<ModalCloser*> g_closers; // the newest last

void Reject(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

ModalCloser::ModalCloser(Answer answer)
    : answer_(std::move(answer))
{
    g_closers.append(this);
    connect(&poll_, &QTimer::timeout, this, &ModalCloser::AnswerModal);
    poll_.start(10);
}

ModalCloser::~ModalCloser()
{
    g_closers.removeOne(this);
}

void ModalCloser::AnswerModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || g_closers.last() != this)
        return;
    ++count;
    classes << QString::fromLatin1(modal->metaObject()->className());
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        texts << box->text();
        icons << box->icon();
        parents << box->parentWidget();
        if (boxAnswer_)
            boxAnswer_(box);
        if (box->isVisible())
            box->done(QMessageBox::Ok);
        return;
    }
    if (answer_)
        answer_(modal); // a failed check inside returns early and may leave the dialog open
    if (QApplication::activeModalWidget() == modal && modal->isVisible())
        Reject(modal);
}
