#include "platform/message_box.h"

#include <QQueue>

namespace {
bool recording = false;
QList<MessageBoxes::Box> recorded;
QQueue<QMessageBox::StandardButton> answers;

QMessageBox::StandardButton answerInTests(const MessageBoxes::Box &box)
{
    if (!answers.isEmpty())
        return answers.dequeue();
    if (box.defaultButton != QMessageBox::NoButton)
        return box.defaultButton;
    return box.buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::NoButton;
}
} // namespace

QMessageBox::StandardButton MessageBoxes::show(const Box &box)
{
    if (recording) {
        recorded.append(box);
        return answerInTests(box);
    }
    QMessageBox dialog(box.icon, box.title, box.text, box.buttons, box.parent);
    if (box.defaultButton != QMessageBox::NoButton)
        dialog.setDefaultButton(box.defaultButton);
    if (box.stayOnTop)
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int chosen = dialog.exec();
    return static_cast<QMessageBox::StandardButton>(chosen);
}

bool MessageBoxes::confirm(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    Box box;
    box.parent = parent;
    box.icon = icon;
    box.title = title;
    box.text = text;
    box.buttons = QMessageBox::Ok | QMessageBox::Cancel;
    box.defaultButton = QMessageBox::Cancel;
    return show(box) == QMessageBox::Ok;
}

void MessageBoxes::recordInsteadOfShowing()
{
    recording = true;
    recorded.clear();
    answers.clear();
}

void MessageBoxes::queueAnswer(QMessageBox::StandardButton answer)
{
    answers.enqueue(answer);
}

QList<MessageBoxes::Box> MessageBoxes::takeRecorded()
{
    QList<Box> boxes;
    boxes.swap(recorded);
    return boxes;
}
