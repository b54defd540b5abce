#pragma once

#include <QByteArray>
#include <QString>

// Every command the front-end sends, as finished datagram bytes. Every argument has ';' swapped
// for the byte 0x02, so a value is always one field and a value received from the engine goes back
// byte for byte; the free chat and message texts and the arena description travel as UTF-8, the
// rest in the wire's code page. Nobody builds a command by hand outside this catalogue.
namespace Command {

QByteArray Discover();
QByteArray Attach();
QByteArray TakeOver();
QByteArray Detach();
QByteArray Caps();
QByteArray GetState();
QByteArray Login(const QString &qtag, const QString &password);
QByteArray ChatMode(const QString &room);
QByteArray GetVectors(const QString &path);
QByteArray Vector(const QString &path, const QString &password = QString());
QByteArray CreateVector(int maximumPlayers, const QString &description, const QString &password);
QByteArray ArenaStatus(int status, int players);
QByteArray ArenaKick(const QString &qtag);
QByteArray ArenaBan(const QString &qtag);
QByteArray ArenaBreakStream(const QString &qtag);
QByteArray Chat(const QString &text);
QByteArray Pm(const QString &qtag, const QString &message);
QByteArray ArenaPm(const QString &qtag, const QString &message);
QByteArray Invite(const QString &qtag, const QString &vectorPath, const QString &message);
QByteArray AddContact(const QString &qtag);
QByteArray RemoveContact(const QString &qtag);
QByteArray GetProfile(const QString &qtag);
QByteArray Avatar(const QString &qtag);
QByteArray GetMetrics();

// The room the engine knows the top level's chat by, and the caption of the tree's top node.
inline const QString kGeneralChatRoom = QStringLiteral("General Chat");

} // namespace Command
