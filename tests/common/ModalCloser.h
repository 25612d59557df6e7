#pragma once

#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers every modal window that opens while it lives, so that no test can hang on one. A
// message box is acknowledged and what it said is kept; any other dialog is handed to the
// answer given, which accepts or rejects it, and is rejected when there is no answer or the
// answer left it open. Only the newest closer alive answers, so a test can set one of its own
// over one that watches the whole test class.
class ModalCloser : public QObject {
public:
    using Answer = std::function<void(QWidget* modal)>;

    explicit ModalCloser(Answer answer = {});
    ~ModalCloser() override;
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;

    // How the dialogs that open from now on are answered.
    void SetAnswer(Answer answer) { answer_ = std::move(answer); }
    // How message boxes are answered (a button clicked, say); one left open is acknowledged.
    void SetBoxAnswer(std::function<void(QMessageBox* box)> answer) { boxAnswer_ = std::move(answer); }

    int count = 0;       // the modal windows answered
    QStringList classes; // their class names
    QStringList texts;   // what the message boxes said, with their icons and parents
    QList<QMessageBox::Icon> icons;
    QList<QWidget*> parents;

private:
    void AnswerModal();

    Answer answer_;
    std::function<void(QMessageBox*)> boxAnswer_;
    QTimer poll_;
};
