#include "composed_pictures.h"

#include "pictures.h"

#include <QPainter>

namespace Picture {

PictureFunction globeWithArrow()
{
    return [](QPainter &p) {
        globe(p, QRectF(0, 0, 13, 13));
        arrow(p, QRectF(8, 8, 8, 8), 135, kGreen);
    };
}

PictureFunction globeWithMonitor()
{
    return [](QPainter &p) {
        globe(p, QRectF(0, 0, 12, 12));
        monitor(p, QRectF(7, 7, 9, 9));
    };
}

QList<PictureFunction> hostingStatuses()
{
    return {
        globeWithMonitor(),
        [](QPainter &p) {
            globe(p, QRectF(0, 0, 12, 12));
            monitor(p, QRectF(7, 7, 9, 9));
            arrow(p, QRectF(0, 9, 7, 7), 90, QColor(240, 150, 30));
        },
        [](QPainter &p) {
            house(p, QRectF(0, 0, 12, 12));
            monitor(p, QRectF(7, 7, 9, 9));
        },
        [](QPainter &p) {
            house(p, QRectF(0, 0, 12, 12));
            monitor(p, QRectF(7, 7, 9, 9));
            star(p, QRectF(0, 9, 7, 7), kYellow);
        },
    };
}

PictureFunction twoPersons(bool pale)
{
    return [pale](QPainter &p) {
        if (pale)
            p.setOpacity(0.45);
        person(p, QRectF(6, 2, 9, 13), pale ? QColor(150, 150, 150) : QColor(230, 120, 40));
        person(p, QRectF(1, 3, 9, 13), pale ? QColor(170, 170, 170) : kBlue);
    };
}

QList<QIcon> iconsOf(const QList<PictureFunction> &pictures)
{
    QList<QIcon> icons;
    icons.reserve(pictures.size());
    for (const PictureFunction &picture : pictures)
        icons.append(PaintedIcon(picture));
    return icons;
}

} // namespace Picture
