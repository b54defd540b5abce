#pragma once

#include <QString>

#include <functional>

// How an error that escapes a user action reaches the user.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void reportError(const QString &message) = 0;
};

// Runs user actions and widget slots so that an error escaping them is reported and the program
// goes on. Engine message handlers never run through it: their errors end the datagram silently.
class ErrorGuard {
public:
    explicit ErrorGuard(ErrorReporter &reporter)
        : m_reporter(reporter)
    {}

    void run(const std::function<void()> &work) const;

    // A slot for connect() that runs work through the guard.
    template <typename Work>
    auto slot(Work work) const
    {
        return [this, work = std::move(work)] { run(work); };
    }

private:
    ErrorReporter &m_reporter;
};
