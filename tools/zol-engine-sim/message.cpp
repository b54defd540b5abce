#include "message.h"

#include "field_reader.h"
#include "message_kind.h"
#include "wire_text.h"

Message::Message(const char *name)
{
    m_bytes = QByteArray(kMessagePrefix) + name + ';';
}

Message &Message::raw(const QByteArray &field)
{
    m_bytes += SwapFieldSeparator(field);
    m_bytes += ';';
    return *this;
}

Message &Message::ansi(const QString &field)
{
    return raw(EncodeAnsi(field));
}

Message &Message::utf8(const QString &field)
{
    return raw(EncodeUtf8(field));
}

Message &Message::number(qint64 field)
{
    return raw(QByteArray::number(field));
}
