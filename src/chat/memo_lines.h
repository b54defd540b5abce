#pragma once

#include <QString>
#include <QStringList>

class QPlainTextEdit;

// Adds text as the new last line of a pane. The pane never ends in a line break and never gets
// an empty line between two lines; each line break inside the text starts a line of its own.
void AppendMemoLine(QPlainTextEdit *pane, const QString &text);
// The same for several texts at once, in one edit of the pane.
void AppendMemoLines(QPlainTextEdit *pane, const QStringList &texts);

// Puts the caret at the end of the pane and scrolls it into view, at the next turn of the
// event loop.
void ScrollToCaret(QPlainTextEdit *pane);
