#include "memo_lines.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {

QString withPaneBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

void AppendMemoLine(QPlainTextEdit *pane, const QString &text)
{
    const QString line = withPaneBreaks(text);
    if (line.isEmpty())
        return;
    QTextDocument *document = pane->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!document->lastBlock().text().isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
    cursor.endEditBlock();
    pane->setTextCursor(cursor);
    ScrollToCaret(pane);
}

void ScrollToCaret(QPlainTextEdit *pane)
{
    pane->ensureCursorVisible();
}
