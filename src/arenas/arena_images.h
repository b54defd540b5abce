#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The arena subsystem's image lists, indexed exactly as the tree and the lists refer to them.
QList<QIcon> TreeViewImageList();
QList<QIcon> VecterListImageList();
QList<QIcon> ClientStateImageList();

// The picture at the top left of the dialog that offers another try at a refused arena.
QPixmap FailedToJoinPicture(qreal devicePixelRatio);
