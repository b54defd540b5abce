#pragma once

#include "link_interfaces.h"

#include <QString>

class QWidget;

// How an error that escapes a user action reaches the user.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void reportError(const QString &message) = 0;
};

// The questions and error reports of the main window as message boxes. They are modal for the
// application but never wait: the engine's messages go on being handled while one is up.
class MessageBoxPrompts final : public TakeOverPrompt, public ErrorReporter {
public:
    explicit MessageBoxPrompts(QWidget *parent)
        : m_parent(parent)
    {}

    void askTakeOver(std::function<void(bool takeOver)> answer) override;
    void reportError(const QString &message) override;

    static QString takeOverQuestion();

private:
    QWidget *m_parent;
};
