#include "chat_log.h"

#include "action_table.h"
#include "chat_font_dialog.h"
#include "clock.h"
#include "error_guard.h"
#include "log_file.h"
#include "memo_lines.h"
#include "pane_look.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

ChatLog::ChatLog(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
{
    QPlainTextEdit *pane = m_with.chatLogMemo;
    // The pane only grows; an undo history of it would only eat memory.
    pane->document()->setUndoRedoEnabled(false);
    pane->setFont(defaultFont());
    clearContents();
}

void ChatLog::bindActions(ActionTable &actions)
{
    using enum ActionId;
    actions.setHandler(ClearContents, [this] { clearContents(); });
    actions.setHandler(SettingFont, [this] { chooseFont(m_with.chatLogMemo->window()); });
    // The two sound switches show a loudspeaker while on, also when a handler turns one off.
    for (const ActionId soundSwitch : {ToggleAudioNotification, ToggleEnterExitAudioNotification})
        actions.showCheckedStateAs(soundSwitch, kSoundOnImage, kSoundOffImage);
}

void ChatLog::sessionActiveChanged(bool active)
{
    ShowSessionLook({m_with.chatLogMemo}, active);
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
    // The clock is read once a line: reading the local time looks at the time zone file.
    const QDateTime now = m_with.clock->now();
    const QString paneLine =
        m_with.timestamps->isChecked() ? u'[' + TimeStamp(now.time()) + u']' + text : text;
    if (m_pendingLines.isEmpty())
        QTimer::singleShot(0, this, &ChatLog::showPendingLines);
    m_pendingLines.append(paneLine);
    if (m_with.saveLog->isChecked())
        m_with.logFile->AppendLogLine(text, now);
}

void ChatLog::showPendingLines()
{
    if (m_pendingLines.isEmpty())
        return;
    AppendMemoLines(m_with.chatLogMemo, m_pendingLines);
    m_pendingLines.clear();
}

void ChatLog::clearContents()
{
    m_pendingLines.clear();
    m_with.chatLogMemo->clear();
}

void ChatLog::chooseFont(QWidget *dialogParent)
{
    QPlainTextEdit *pane = m_with.chatLogMemo;
    auto *dialog =
        new ChatFontDialog(pane->font(), pane->palette().color(QPalette::Text), dialogParent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ChatFontDialog::chosen, this, [this](const QFont &font, const QColor &colour) {
        m_with.guard->run([&] { applyFont(font, colour); });
    });
    dialog->open();
}

void ChatLog::applyFont(const QFont &font, const QColor &colour)
{
    QPlainTextEdit *pane = m_with.chatLogMemo;
    pane->setFont(font);
    QPalette look = pane->palette();
    look.setColor(QPalette::Text, colour);
    pane->setPalette(look);
}
