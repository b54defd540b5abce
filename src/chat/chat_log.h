#pragma once

#include "chat_line_sink.h"
#include "subsystem.h"

#include <QFont>
#include <QObject>
#include <QStringList>

class Clock;
class ErrorGuard;
class LogFile;
class QAction;
class QPlainTextEdit;
class QWidget;

// The chat pane and the day's log file that mirrors it. A line is logged at once; the pane takes
// the lines of one turn of the event loop in one go, so a burst costs one edit, not one per line.
class ChatLog : public QObject, public Subsystem, public ChatLineSink {
    Q_OBJECT

public:
    struct Collaborators {
        QPlainTextEdit *chatLogMemo = nullptr;
        QAction *timestamps = nullptr;
        QAction *saveLog = nullptr;
        LogFile *logFile = nullptr;
        const Clock *clock = nullptr;
        const ErrorGuard *guard = nullptr;
    };

    explicit ChatLog(const Collaborators &with, QObject *parent = nullptr);

    void bindActions(ActionTable &actions) override;
    void sessionActiveChanged(bool active) override;

    // Throws IoError when the log file cannot be written; the pane gets the line all the same.
    void AddChatLine(const QString &text) override;

    void clearContents();
    // Opens the font dialog without waiting for it; what is chosen applies to the pane only.
    void chooseFont(QWidget *dialogParent);
    void applyFont(const QFont &font, const QColor &colour);
    // Shows the lines added since the last turn of the event loop now.
    void showPendingLines();

    static QFont defaultFont();

private:
    Collaborators m_with;
    QStringList m_pendingLines;
};

// The picture of a sound switch: a loudspeaker while on, with a prohibition sign while off.
inline constexpr int kSoundOnImage = 35;
inline constexpr int kSoundOffImage = 36;
