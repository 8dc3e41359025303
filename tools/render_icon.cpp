// Draws the program's icon (the emblem) into a PNG file for the desktop:
//   zarvana_render_icon FILE SIZE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "qt/artwork.h"

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = std::atoi(argv[2]);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    zv::art::drawPicture(p, QRect(0, 0, size, size), "About", "Image1");
    p.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
