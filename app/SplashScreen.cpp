#include "app/SplashScreen.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class SplashWindow : public QWidget
{
public:
    explicit SplashWindow(const QImage *image)
        : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
        , m_image(image)
    {
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, *m_image);
    }

private:
    const QImage *m_image;
};

} // namespace

TSplash::TSplash()
    : SplashForm(std::make_unique<SplashWindow>(&FImage))
{
}

TSplash::TSplash(const QImage &Image)
    : TSplash()
{
    setImage(Image);
}

TSplash::~TSplash() = default;

void TSplash::setImage(const QImage &Image)
{
    FImage = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TSplash::Show(bool StayOnTop)
{
    SplashForm->setWindowFlag(Qt::WindowStaysOnTopHint, StayOnTop);
    SplashForm->resize(FImage.size());
    // Without a compositor, per-pixel alpha is not blended: cut out the fully
    // transparent pixels at least.
    if (FImage.hasAlphaChannel())
        SplashForm->setMask(QBitmap::fromImage(FImage.createAlphaMask()));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        SplashForm->move(screen->geometry().center() - SplashForm->rect().center());
    SplashForm->show();
    SplashForm->repaint();
    QGuiApplication::sync();
}

void TSplash::Close()
{
    SplashForm->close();
}
