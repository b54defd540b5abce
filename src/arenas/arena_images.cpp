#include "arena_images.h"

#include "composed_pictures.h"
#include "pictures.h"

#include <QPainter>

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
