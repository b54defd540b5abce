#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The main window's action images, indexed exactly as the actions refer to them.
QList<QIcon> ActionImageList();

// The picture at the top left of the login dialog.
QPixmap LoginPicture(qreal devicePixelRatio);

inline constexpr int kActionImageCount = 44;
