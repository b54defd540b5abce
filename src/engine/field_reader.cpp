#include "field_reader.h"

namespace {
constexpr char kSeparator = ';';
constexpr char kEscapedSeparator = '\x02';
} // namespace

QByteArray NextField(FieldReader &reader)
{
    const qint32 size = qint32(reader.datagram.size());
    const qint32 start = reader.position;
    if (start < 0 || start >= size)
        return {};
    const char *bytes = reader.datagram.constData();
    qint32 end = start;
    while (end < size && bytes[end] != kSeparator)
        ++end;
    reader.position = end + 1;
    if (end == start)
        return {};
    return SwapFieldSeparator(reader.datagram.mid(start, end - start));
}

QByteArray SwapFieldSeparator(QByteArray text)
{
    if (!text.contains(kSeparator) && !text.contains(kEscapedSeparator))
        return text;
    for (char &byte : text) {
        if (byte == kSeparator)
            byte = kEscapedSeparator;
        else if (byte == kEscapedSeparator)
            byte = kSeparator;
    }
    return text;
}

QString SwapFieldSeparator(QString text)
{
    const QChar separator(kSeparator);
    const QChar escaped(kEscapedSeparator);
    if (!text.contains(separator) && !text.contains(escaped))
        return text;
    for (QChar &ch : text) {
        if (ch == separator)
            ch = escaped;
        else if (ch == escaped)
            ch = separator;
    }
    return text;
}
