#include "commands.h"

#include "field_reader.h"
#include "message_kind.h"
#include "wire_text.h"

namespace Command {
namespace {

// This front-end is a UI (0) with text chat (3).
constexpr char kCapabilities[] = "03";

class Builder {
public:
    explicit Builder(const char *name)
    {
        m_bytes.reserve(64);
        m_bytes += kMessagePrefix;
        m_bytes += name;
        m_bytes += ';';
    }

    Builder &ansi(const QString &argument)
    {
        return field(SwapFieldSeparator(EncodeAnsi(argument)));
    }
    Builder &utf8(const QString &argument)
    {
        return field(SwapFieldSeparator(EncodeUtf8(argument)));
    }
    Builder &number(int argument) { return field(QByteArray::number(argument)); }

    QByteArray bytes() const { return m_bytes; }

private:
    Builder &field(const QByteArray &bytes)
    {
        m_bytes += bytes;
        m_bytes += ';';
        return *this;
    }

    QByteArray m_bytes;
};

} // namespace

QByteArray Discover()
{
    return Builder("DISCOVER").bytes();
}
QByteArray Attach()
{
    return Builder("ATTACH").bytes();
}
QByteArray TakeOver()
{
    return Builder("TAKEOVER").bytes();
}
QByteArray Detach()
{
    return Builder("DETACH").bytes();
}
QByteArray Caps()
{
    return Builder("CAPS").ansi(QString::fromLatin1(kCapabilities)).bytes();
}
QByteArray GetState()
{
    return Builder("GETSTATE").bytes();
}
QByteArray GetMetrics()
{
    return Builder("GET_METRICS").bytes();
}

QByteArray Login(const QString &qtag, const QString &password)
{
    return Builder("LOGIN").ansi(qtag).ansi(password).bytes();
}

QByteArray ChatMode(const QString &room)
{
    return Builder("CHATMODE").ansi(room).bytes();
}
QByteArray GetVectors(const QString &path)
{
    return Builder("GET_VECTORS").ansi(path).bytes();
}

QByteArray Vector(const QString &path, const QString &password)
{
    return Builder("VECTOR").ansi(path).ansi(password).bytes();
}

QByteArray CreateVector(int maximumPlayers, const QString &description, const QString &password)
{
    return Builder("CREATE_VECTOR").number(maximumPlayers).utf8(description).ansi(password).bytes();
}

QByteArray ArenaStatus(int status, int players)
{
    return Builder("ARENA_STATUS").number(status).number(players).bytes();
}

QByteArray ArenaKick(const QString &qtag)
{
    return Builder("ARENA_KICK").ansi(qtag).bytes();
}
QByteArray ArenaBan(const QString &qtag)
{
    return Builder("ARENA_BAN").ansi(qtag).bytes();
}

QByteArray ArenaBreakStream(const QString &qtag)
{
    return Builder("ARENA_BREAK_STREAM").ansi(qtag).bytes();
}

QByteArray Chat(const QString &text)
{
    return Builder("CHAT").utf8(text).bytes();
}

QByteArray Pm(const QString &qtag, const QString &message)
{
    return Builder("PM").ansi(qtag).utf8(message).bytes();
}

QByteArray ArenaPm(const QString &qtag, const QString &message)
{
    return Builder("ARENA_PM").ansi(qtag).utf8(message).bytes();
}

QByteArray Invite(const QString &qtag, const QString &vectorPath, const QString &message)
{
    return Builder("INVITE").ansi(qtag).ansi(vectorPath).ansi(message).bytes();
}

QByteArray AddContact(const QString &qtag)
{
    return Builder("ADD_CONTACT").ansi(qtag).bytes();
}

QByteArray RemoveContact(const QString &qtag)
{
    return Builder("REMOVE_CONTACT").ansi(qtag).bytes();
}

QByteArray GetProfile(const QString &qtag)
{
    return Builder("GET_PROFILE").ansi(qtag).bytes();
}
QByteArray Avatar(const QString &qtag)
{
    return Builder("AVATAR").ansi(qtag).bytes();
}

} // namespace Command
