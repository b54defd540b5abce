#include "chat_log.h"

#include "clock.h"
#include "log_file.h"
#include "memo_lines.h"

#include <QAction>
#include <QApplication>
#include <QFontDialog>
#include <QPlainTextEdit>

ChatLog::ChatLog(QPlainTextEdit *pane, ChatLogSwitches switches, LogFile &logFile,
                 const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_pane(pane)
    , m_switches(switches)
    , m_logFile(logFile)
    , m_clock(clock)
{
    // The pane only grows; an undo history of it would only eat memory.
    m_pane->document()->setUndoRedoEnabled(false);
    m_pane->setFont(defaultFont());
}

QFont ChatLog::defaultFont()
{
    // The application font already prefers Tahoma; the chat reads larger than the rest.
    QFont font = QApplication::font();
    font.setPixelSize(16);
    return font;
}

void ChatLog::AddChatLine(const QString &text)
{
    const QString paneLine = m_switches.timestamps->isChecked()
                                 ? u'[' + TimeStamp(m_clock.now().time()) + u']' + text
                                 : text;
    AppendMemoLine(m_pane, paneLine);
    if (m_switches.saveLog->isChecked())
        m_logFile.AppendLogLine(text);
}

void ChatLog::clearContents()
{
    m_pane->clear();
}

void ChatLog::chooseFont(QWidget *dialogParent)
{
    auto *dialog = new QFontDialog(m_pane->font(), dialogParent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFontDialog::fontSelected, this, &ChatLog::applyFont);
    dialog->open();
}

void ChatLog::applyFont(const QFont &font)
{
    m_pane->setFont(font);
}
