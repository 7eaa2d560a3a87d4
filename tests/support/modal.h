#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// For a window shown with exec(): while this watch lives, the first modal window
// that comes up is given to `act` (to record what it shows and close it).
// Assert after exec() returns, never inside `act`.
class WhenModalShown
{
public:
    explicit WhenModalShown(std::function<void(QWidget *)> act)
        : m_act(std::move(act))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                m_timer.stop();
                m_act(modal);
            }
        });
        m_timer.start();
    }

private:
    std::function<void(QWidget *)> m_act;
    QTimer m_timer;
};
