#include "memo_lines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

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
    cursor.insertText(document->lastBlock().text().isEmpty() ? line : u'\n' + line);
    ScrollToCaret(pane);
}

void ScrollToCaret(QPlainTextEdit *pane)
{
    // Once per turn of the event loop is enough: a burst of lines scrolls once, not per line.
    static const char *const kPending = "tovrelScrollPending";
    if (pane->property(kPending).toBool())
        return;
    pane->setProperty(kPending, true);
    QTimer::singleShot(0, pane, [pane] {
        pane->setProperty(kPending, false);
        QTextCursor end(pane->document());
        end.movePosition(QTextCursor::End);
        pane->setTextCursor(end);
        pane->ensureCursorVisible();
    });
}
