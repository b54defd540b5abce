#pragma once

#include <QString>

class QPlainTextEdit;

// Adds text as the new last line of a pane. The pane never ends in a line break and never gets
// an empty line between two lines; each line break inside the text starts a line of its own.
void AppendMemoLine(QPlainTextEdit *pane, const QString &text);

// Puts the caret at the end of the pane and scrolls it into view, at the next turn of the
// event loop.
void ScrollToCaret(QPlainTextEdit *pane);
