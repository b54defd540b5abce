#pragma once

#include "chat_line_sink.h"

#include <QFont>
#include <QObject>

class Clock;
class LogFile;
class QAction;
class QPlainTextEdit;
class QWidget;

// The switches of the chat pane; each is the checked state of a window action.
struct ChatLogSwitches {
    QAction *timestamps = nullptr;
    QAction *saveLog = nullptr;
};

// The chat pane and the day's log file that mirrors it.
class ChatLog : public QObject, public ChatLineSink {
    Q_OBJECT

public:
    ChatLog(QPlainTextEdit *pane, ChatLogSwitches switches, LogFile &logFile, const Clock &clock,
            QObject *parent = nullptr);

    // Throws IoError when the log file cannot be written; the pane has the line by then.
    void AddChatLine(const QString &text) override;

    void clearContents();
    // Opens the font dialog without waiting for it; a confirmed font applies to the pane only.
    void chooseFont(QWidget *dialogParent);
    void applyFont(const QFont &font);

    static QFont defaultFont();

private:
    QPlainTextEdit *m_pane;
    ChatLogSwitches m_switches;
    LogFile &m_logFile;
    const Clock &m_clock;
};

// The picture of a sound switch: a loudspeaker while on, with a prohibition sign while off.
inline constexpr int kSoundOnImage = 35;
inline constexpr int kSoundOffImage = 36;
inline int SoundSwitchImage(bool on)
{
    return on ? kSoundOnImage : kSoundOffImage;
}
