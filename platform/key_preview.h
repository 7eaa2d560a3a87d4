#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Lets a window see the keys typed in any of its controls before the control
// does. The handlers never consume the key.
class KeyPreview : public QObject
{
public:
    using Handler = std::function<void(QKeyEvent *)>;
    KeyPreview(QWidget *window, Handler onKeyDown, Handler onKeyUp = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Handler m_onKeyDown;
    Handler m_onKeyUp;
};
