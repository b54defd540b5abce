#pragma once

#include <QString>

// The one way to put a line into the chat pane; owned by the chat log.
class ChatLineSink {
public:
    virtual ~ChatLineSink() = default;
    virtual void AddChatLine(const QString &text) = 0;
};
