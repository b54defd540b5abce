#pragma once

#include <QByteArray>

#include <functional>

// The seams between the engine link and the parts of the window it drives. Each is small so
// that a test can stand in for it.

class CommandSender {
public:
    virtual ~CommandSender() = default;
    virtual void SendCommand(const QByteArray &command) = 0;
};

class SessionControl {
public:
    virtual ~SessionControl() = default;
    virtual void SetSessionActive(bool active) = 0;
};

class StatusIconControl {
public:
    virtual ~StatusIconControl() = default;
    virtual void UpdateStatusIcon() = 0;
};

class EngineIconView {
public:
    virtual ~EngineIconView() = default;
    virtual void showEngineImage(int imageIndex) = 0;
};

class ContactListReset {
public:
    virtual ~ContactListReset() = default;
    // The next contact the engine reports starts the contact list afresh.
    virtual void setContactListResetPending() = 0;
};

// Asks whether to take the engine over from another front-end. Never blocks: the answer comes
// later through the callback, and the question may be asked again while one is still open.
class TakeOverPrompt {
public:
    virtual ~TakeOverPrompt() = default;
    virtual void askTakeOver(std::function<void(bool takeOver)> answer) = 0;
};
