#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The main window's image lists, indexed exactly as the actions, tree and lists refer to them.
QList<QIcon> ActionImageList();
QList<QIcon> TreeViewImageList();
QList<QIcon> VecterListImageList();
QList<QIcon> ClientStateImageList();

// The pictures at the top left of the dialogs.
QPixmap LoginPicture(qreal devicePixelRatio);
QPixmap FailedToJoinPicture(qreal devicePixelRatio);

inline constexpr int kActionImageCount = 44;
