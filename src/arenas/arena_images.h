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

// The create-private-arena dialog's two icons, 48 by 48: an arena with its network cable, and
// the same locked with a padlock.
QList<QPixmap> PrivateArenaIcons(qreal devicePixelRatio);
// The status dialog's picture, 46 by 46, and its three modes: not hosting, hosting, dedicated.
QPixmap ArenaStatusPicture(qreal devicePixelRatio);
QList<QIcon> ArenaStatusModeImages();
