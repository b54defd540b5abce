#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The 48 by 48 pictures of the diagnostics window's five groups: the orbital server, the public
// address, the network card, the traffic and the engine.
enum class DiagnosticsGroup { OrbitalServer, PublicAddress, NetworkCard, Traffic, Engine };
QPixmap DiagnosticsGroupPicture(DiagnosticsGroup group, qreal devicePixelRatio);

// The contact list's row pictures: 0 offline (two people, greyed), 1 online (in colour).
QList<QIcon> ContactListImageList();
// The contact list window's tool bar, in the order of its actions: add, delete, user info,
// private message, go to the contact's arena, invite, refresh.
QList<QIcon> ContactActionImages();
// 48 by 48: the add-contact dialog's picture, the profile's default picture (two people), the
// find-user dialog's picture.
QPixmap AddContactPicture(qreal devicePixelRatio);
QPixmap DefaultProfilePicture(qreal devicePixelRatio);
QPixmap FindUserPicture(qreal devicePixelRatio);
