#pragma once

#include <QImage>
#include <memory>

class QWidget;

// A picture shown alone on the screen, without a frame, centred, while the
// program starts. Transparent pixels let the desktop show through.
class TSplash
{
public:
    TSplash();
    explicit TSplash(const QImage &Image);
    ~TSplash();

    QImage Image() const { return FImage; }
    void setImage(const QImage &Image);

    void Show(bool StayOnTop); // returns at once
    void Close();

private:
    QImage FImage;
    std::unique_ptr<QWidget> SplashForm;
};
