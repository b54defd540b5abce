#pragma once

#include <QDateTime>
#include <QString>

#include <stdexcept>

class Clock;

// A write to disk failed; the message names the failure and its system error code.
class IoError : public std::runtime_error {
public:
    IoError(const QString &message, int systemErrorCode);
    int systemErrorCode() const { return m_systemErrorCode; }

private:
    int m_systemErrorCode;
};

// The daily chat log: one file per day under the data folder, one time-stamped line per event.
// Each line is appended on its own (the file is opened and closed for it), so nothing is lost if
// the program dies and other programs may read the file meanwhile.
class LogFile {
public:
    LogFile(QString appDataFolder, const Clock &clock);

    // Throws IoError when the line cannot be written.
    void AppendLogLine(const QString &text);
    // The same, stamped with a time the caller has just read from the clock.
    void AppendLogLine(const QString &text, const QDateTime &now);

    QString folder() const;
    QString pathFor(const QDate &date) const;

private:
    QString m_appDataFolder;
    const Clock &m_clock;
};

// "hh:nn": the hour 00 to 23 and the minutes, both with a leading zero.
QString TimeStamp(const QTime &time);
