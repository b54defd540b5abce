#include "arena_images.h"

#include "composed_pictures.h"
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

using namespace Picture;

namespace {

PictureFunction userWithMarker(const QColor &colour)
{
    return [colour](QPainter &p) {
        person(p, QRectF(1, 1, 11, 14), QColor(90, 130, 190));
        marker(p, QRectF(10, 10, 6, 6), colour);
    };
}

} // namespace

QList<QIcon> TreeViewImageList()
{
    return iconsOf({
        globeWithArrow(),                                                // 0 run-time node
        twoPersons(true),                                                // 1 root
        twoPersons(false),                                               // 2 root, selected
        draw([](QPainter &p) { globe(p, QRectF(0, 0, 16, 16), true); }), // 3 arena
        draw([](QPainter &p) { globe(p, QRectF(0, 0, 16, 16)); }),       // 4 arena, selected
        draw([](QPainter &p) { magnifier(p, kWhole); }),                 // 5 magnifier
    });
}

QList<QIcon> VecterListImageList()
{
    return iconsOf({
        globeWithArrow(),
        globeWithMonitor(),
        draw([](QPainter &p) { globeWithMonitor()(p); },
             [](QPainter &p) { padlock(p, QRectF(0, 8, 7, 8)); }),
    });
}

QList<QIcon> ClientStateImageList()
{
    QList<PictureFunction> pictures = {userWithMarker(kYellow), userWithMarker(kBlue),
                                       userWithMarker(kRed)};
    const QList<PictureFunction> statuses = hostingStatuses();
    pictures += statuses; // 3 to 6
    for (const PictureFunction &picture : statuses)
        pictures.append(Faded(picture)); // 7 to 10
    return iconsOf(pictures);
}

QPixmap FailedToJoinPicture(qreal devicePixelRatio)
{
    return PaintedPixmap(
        [](QPainter &p) {
            globe(p, QRectF(0, 0, 13, 13));
            noEntry(p, kBadge);
        },
        16, 48, devicePixelRatio);
}

namespace {

void arenaWithCable(QPainter &p)
{
    globe(p, QRectF(0, 0, 12, 12));
    // The network cable, down and out to the right, with its plug.
    p.setPen(QPen(QColor(60, 60, 70), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable(QPointF(9, 10));
    cable.cubicTo(QPointF(10, 14), QPointF(13, 14), QPointF(13, 11));
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 40));
    p.drawRect(QRectF(11.5, 8.5, 3, 3));
}

} // namespace

QList<QPixmap> PrivateArenaIcons(qreal devicePixelRatio)
{
    return {PaintedPixmap(arenaWithCable, 16, 48, devicePixelRatio),
            PaintedPixmap(
                [](QPainter &p) {
                    arenaWithCable(p);
                    padlock(p, QRectF(0, 8, 7, 8));
                },
                16, 48, devicePixelRatio)};
}

QPixmap ArenaStatusPicture(qreal devicePixelRatio)
{
    return PaintedPixmap(hostingStatuses().at(2), 16, 46, devicePixelRatio);
}

QList<QIcon> ArenaStatusModeImages()
{
    const QList<PictureFunction> statuses = hostingStatuses();
    return iconsOf({statuses.at(0), statuses.at(2), statuses.at(3)});
}
