#include "split_text.h"

#include "field_reader.h"

SplitText SplitFirst(const QString &text, const QString &separator)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return {text, QString()};
    return {text.left(at), text.mid(at + separator.size())};
}

SplitText SplitFirstDecoded(const QString &text, const QString &separator)
{
    SplitText parts = SplitFirst(text, separator);
    parts.first = SwapFieldSeparator(parts.first);
    return parts;
}

SplitText SplitLast(const QString &text, const QString &separator)
{
    const qsizetype at = text.lastIndexOf(separator);
    if (at < 0)
        return {QString(), text};
    return {text.left(at), text.mid(at + separator.size())};
}
