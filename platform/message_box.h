#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

// Every message box of the program goes through here, so that tests can see what
// was said and answer in advance instead of a person.
class MessageBoxes
{
public:
    struct Box
    {
        QWidget *parent = nullptr; // owner; nullptr for a box with no owner
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        bool stayOnTop = false;
    };

    // Shows the box modally and returns the button chosen (Escape or the close box
    // give the Cancel button when there is one, else the default one).
    static QMessageBox::StandardButton show(const Box &box);

    // A question with OK and Cancel, Cancel the default: true on OK.
    static bool confirm(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text);

    // Tests: from now on boxes are recorded, not shown. Each box takes the next
    // queued answer, or its default button (OK when it has none).
    static void recordInsteadOfShowing();
    static void queueAnswer(QMessageBox::StandardButton answer);
    static QList<Box> takeRecorded();
};
