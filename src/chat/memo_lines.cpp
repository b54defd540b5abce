#include "memo_lines.h"

#include "line_breaks.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace {

QString withPaneBreaks(const QString &text)
{
    QString line = WithLineFeeds(text);
    while (line.endsWith(u'\n'))
        line.chop(1);
    return line;
}

} // namespace

void AppendMemoLine(QPlainTextEdit *pane, const QString &text)
{
    AppendMemoLines(pane, {text});
}

void AppendMemoLines(QPlainTextEdit *pane, const QStringList &texts)
{
    QTextDocument *document = pane->document();
    QString added;
    bool lineOpen = !document->lastBlock().text().isEmpty();
    for (const QString &text : texts) {
        const QString line = withPaneBreaks(text);
        if (line.isEmpty())
            continue;
        if (lineOpen)
            added += u'\n';
        added += line;
        lineOpen = true;
    }
    if (added.isEmpty())
        return;
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(added);
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
