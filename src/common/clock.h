#pragma once

#include <QDateTime>

// Where the program reads the local time, so that time stamps and dated files can be tested.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
