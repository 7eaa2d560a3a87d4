#include "platform/key_preview.h"

#include "platform/error_report.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, Handler onKeyDown, Handler onKeyUp)
    : QObject(window)
    , m_window(window)
    , m_onKeyDown(std::move(onKeyDown))
    , m_onKeyUp(std::move(onKeyUp))
{
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    const bool down = event->type() == QEvent::KeyPress;
    if (!down && event->type() != QEvent::KeyRelease)
        return false;
    // A key goes first to the window's focused control (or to the window when no
    // control has the focus); it may then travel up to the parents, and is seen
    // only once, at its first stop. (Keys of a window under a modal one never
    // reach it.)
    QWidget *focus = m_window->focusWidget();
    if (watched != (focus ? focus : m_window))
        return false;
    const Handler &handler = down ? m_onKeyDown : m_onKeyUp;
    if (handler)
        guarded([&] { handler(static_cast<QKeyEvent *>(event)); });
    return false;
}
