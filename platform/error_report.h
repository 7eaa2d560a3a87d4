#pragma once

#include <QString>
#include <stdexcept>

// An error whose text is meant for the user: it stops the action in progress and
// is shown by the error report.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The default error report: one message box with the error's own text, titled
// with the application title. The program goes on.
void reportError(const QString &text);

// Runs an action; an error it raises is reported instead of going further.
template<typename Action> void guarded(Action &&action)
{
    try {
        action();
    } catch (const AppError &error) {
        reportError(error.message());
    } catch (const std::exception &error) {
        reportError(QString::fromLocal8Bit(error.what()));
    }
}

// A slot that runs a window's handler under the error report:
// connect(ui->button, &QPushButton::clicked, this, guard(this, &Window::buttonClick)).
template<typename Window> auto guard(Window *window, void (Window::*handler)())
{
    return [window, handler] { guarded([&] { (window->*handler)(); }); };
}
