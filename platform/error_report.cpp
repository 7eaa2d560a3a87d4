#include "platform/error_report.h"

#include "platform/app_title.h"
#include "platform/message_box.h"

#include <QApplication>

AppError::AppError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

void reportError(const QString &text)
{
    MessageBoxes::Box box;
    box.parent = QApplication::activeWindow();
    box.icon = QMessageBox::Critical;
    box.title = applicationTitle();
    box.text = text;
    MessageBoxes::show(box);
}
