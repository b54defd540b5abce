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
