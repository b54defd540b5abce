#include "image_lists.h"

#include "composed_pictures.h"
#include "pictures.h"

#include <QPainter>

using namespace Picture;

namespace {

PictureFunction engine(int position)
{
    return [position](QPainter &p) { engineRing(p, kWhole, position); };
}

} // namespace

QList<QIcon> ActionImageList()
{
    QList<PictureFunction> pictures;
    for (int position = 0; position <= 8; ++position) // 0 idle, 1 to 8 busy
        pictures.append(engine(position));
    const QList<PictureFunction> status = hostingStatuses();
    pictures += status; // 9 to 12, attached
    for (const PictureFunction &picture : status)
        pictures.append(Faded(picture)); // 13 to 16, detached
    pictures += {
        draw([](QPainter &p) { key(p, QRectF(0, 2, 16, 12)); }), // 17 login
        draw([](QPainter &p) { page(p, kWhole); },
             [](QPainter &p) { twoPersons(false)(p); }), // 18 contact list
        draw([](QPainter &p) { graph(p, kWhole); }),     // 19 diagnostics
        globeWithMonitor(),                              // 20 arena status
        draw([](QPainter &p) { globe(p, QRectF(0, 0, 13, 13)); },
             [](QPainter &p) { plus(p, kBadge); }),                           // 21 create arena
        draw([](QPainter &p) { arrow(p, QRectF(1, 1, 14, 14), 0, kGreen); }), // 22 go up
        draw([](QPainter &p) { person(p, QRectF(0, 0, 11, 15), kBlue); },
             [](QPainter &p) { plus(p, kBadge); }),                         // 23 add contact
        draw([](QPainter &p) { envelope(p, QRectF(0, 1, 16, 14), true); }), // 24 invitation
        draw([](QPainter &p) { bubble(p, QRectF(0, 1, 16, 14)); }),         // 25 private message
        draw([](QPainter &p) { person(p, QRectF(0, 0, 11, 15), kBlue); },
             [](QPainter &p) { info(p, kBadge); }), // 26 user information
        draw([](QPainter &p) { monitor(p, QRectF(0, 0, 11, 11)); },
             [](QPainter &p) { lightning(p, QRectF(8, 5, 8, 11)); }), // 27 break stream
        draw([](QPainter &p) { noEntry(p, kWhole); }),                // 28 ban
        draw([](QPainter &p) { cross(p, kWhole, kRed); }),            // 29 kick
        draw([](QPainter &p) { star(p, kWhole, kYellow); }),          // 30 bookmark
        draw([](QPainter &p) { orbit(p, kWhole); }),                  // 31 orbital mesh
        draw([](QPainter &p) { clock(p, kWhole); }),                  // 32 time stamps
        draw([](QPainter &p) { eraser(p, kWhole); }),                 // 33 clear
        draw([](QPainter &p) { disk(p, kWhole); }),                   // 34 save log
        draw([](QPainter &p) { speaker(p, kWhole, true); }),          // 35 sound on
        draw([](QPainter &p) { speaker(p, kWhole, false); },
             [](QPainter &p) { prohibition(p, kBadge.adjusted(-1, -1, 0, 0)); }), // 36 sound off
        draw([](QPainter &p) { letter(p, kWhole, QStringLiteral("A"), kBlue); }), // 37 font
        draw([](QPainter &p) { page(p, kWhole); }),                               // 38 unused
        draw([](QPainter &p) { refresh(p, kWhole); }),                            // 39 refresh
        draw([](QPainter &p) { panels(p, kWhole); }),                             // 40 panel switch
        draw([](QPainter &p) { info(p, kWhole); }),                               // 41 about
        draw([](QPainter &p) { footprints(p, kWhole); }),                         // 42 footprints
        draw(
            [](QPainter &p) { star(p, QRectF(0, 0, 12, 12), kYellow); },
            [](QPainter &p) { refresh(p, kBadge.adjusted(-1, -1, 0, 0)); }), // 43 refresh bookmarks
    };
    Q_ASSERT(pictures.size() == kActionImageCount);
    return iconsOf(pictures);
}

QPixmap LoginPicture(qreal devicePixelRatio)
{
    return PaintedPixmap(
        [](QPainter &p) {
            person(p, QRectF(1, 0, 11, 15), kBlue);
            key(p, QRectF(7, 9, 9, 7));
        },
        16, 46, devicePixelRatio);
}
