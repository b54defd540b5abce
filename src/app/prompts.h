#pragma once

#include "error_guard.h"
#include "room_interfaces.h"

#include <QString>

#include <functional>

class QWidget;

// Asks whether to take the engine over from another front-end. Never blocks: the answer comes
// later through the callback, and the question may be asked again while one is still open.
class TakeOverPrompt {
public:
    virtual ~TakeOverPrompt() = default;
    virtual void askTakeOver(std::function<void(bool takeOver)> answer) = 0;
};

// The questions and error reports of the main window as message boxes. They are modal for the
// application but never wait: the engine's messages go on being handled while one is up.
class MessageBoxPrompts final : public TakeOverPrompt, public ErrorReporter, public YesNoPrompt {
public:
    explicit MessageBoxPrompts(QWidget *parent)
        : m_parent(parent)
    {}

    void askTakeOver(std::function<void(bool takeOver)> answer) override;
    void reportError(const QString &message) override;
    void askYesNo(const QString &question, std::function<void(bool yes)> answer) override;

    static QString takeOverQuestion();

private:
    QWidget *m_parent;
};
