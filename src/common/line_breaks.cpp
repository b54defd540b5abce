#include "line_breaks.h"

QString WithLineFeeds(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString OnOneLine(const QString &text)
{
    QString line = WithLineFeeds(text);
    line.replace(u'\n', u' ');
    return line;
}
