#pragma once

#include "painted_icon.h"

#include <QColor>
#include <QList>
#include <QRectF>

// Pictures made of several motifs that more than one image list shows.
namespace Picture {

inline const QRectF kWhole(0, 0, 16, 16);
inline const QRectF kBadge(8.5, 8.5, 7.5, 7.5);
inline const QColor kGreen(40, 160, 60);
inline const QColor kYellow(250, 205, 30);
inline const QColor kBlue(40, 110, 230);
inline const QColor kRed(215, 40, 40);

PictureFunction globeWithArrow();
PictureFunction globeWithMonitor();
// What a user says of their hosting, in the order of its numbers: not hosting, a variant of
// it, hosting, dedicated host.
QList<PictureFunction> hostingStatuses();
PictureFunction twoPersons(bool pale);

// One picture of several motifs drawn in turn.
template <typename... Motifs>
PictureFunction draw(Motifs... motifs)
{
    return [=](QPainter &p) { (motifs(p), ...); };
}

QList<QIcon> iconsOf(const QList<PictureFunction> &pictures);

} // namespace Picture
