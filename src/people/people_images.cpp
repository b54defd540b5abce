#include "people_images.h"

#include "composed_pictures.h"
#include "pictures.h"

#include <QPainter>

using namespace Picture;

QPixmap DiagnosticsGroupPicture(DiagnosticsGroup group, qreal devicePixelRatio)
{
    PictureFunction picture;
    switch (group) {
    case DiagnosticsGroup::OrbitalServer:
        picture = [](QPainter &p) { orbit(p, kWhole); };
        break;
    case DiagnosticsGroup::PublicAddress:
        picture = globeWithArrow();
        break;
    case DiagnosticsGroup::NetworkCard:
        picture = [](QPainter &p) {
            monitor(p, QRectF(0, 0, 13, 13));
            lightning(p, QRectF(9, 6, 7, 10));
        };
        break;
    case DiagnosticsGroup::Traffic:
        picture = [](QPainter &p) { graph(p, kWhole); };
        break;
    case DiagnosticsGroup::Engine:
        picture = [](QPainter &p) { engineRing(p, kWhole, 3); };
        break;
    }
    return PaintedPixmap(picture, 16, 48, devicePixelRatio);
}

QList<QIcon> ContactListImageList()
{
    return iconsOf({twoPersons(true), twoPersons(false)});
}

QList<QIcon> ContactActionImages()
{
    const auto person = [](QPainter &p) { Picture::person(p, QRectF(0, 0, 11, 15), kBlue); };
    return iconsOf({
        draw(person, [](QPainter &p) { plus(p, kBadge); }),
        draw(person, [](QPainter &p) { cross(p, kBadge, kRed); }),
        draw(person, [](QPainter &p) { info(p, kBadge); }),
        draw([](QPainter &p) { bubble(p, QRectF(0, 1, 16, 14)); }),
        globeWithArrow(),
        draw([](QPainter &p) { envelope(p, QRectF(0, 1, 16, 14), true); }),
        draw([](QPainter &p) { refresh(p, kWhole); }),
    });
}

QPixmap AddContactPicture(qreal devicePixelRatio)
{
    return PaintedPixmap(
        draw([](QPainter &p) { twoPersons(false)(p); }, [](QPainter &p) { plus(p, kBadge); }), 16,
        48, devicePixelRatio);
}

QPixmap DefaultProfilePicture(qreal devicePixelRatio)
{
    return PaintedPixmap(twoPersons(false), 16, 48, devicePixelRatio);
}

QPixmap FindUserPicture(qreal devicePixelRatio)
{
    return PaintedPixmap(draw([](QPainter &p) { Picture::person(p, QRectF(0, 0, 11, 15), kBlue); },
                              [](QPainter &p) { magnifier(p, QRectF(7, 7, 9, 9)); }),
                         16, 48, devicePixelRatio);
}
