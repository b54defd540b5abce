#include "log_file.h"

#include "clock.h"
#include "line_breaks.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// The lines of the text, each on a line of the log that begins with the stamp. The lines after
// the first are indented by a TAB, so that no text can put a line into the log that looks like a
// message of its own.
QString stampedLines(const QString &stamp, const QString &text)
{
    QString lines = WithLineFeeds(text);
    lines.replace(u'\n', kLineBreak + stamp + u'\t');
    return stamp + lines + kLineBreak;
}

[[noreturn]] void fail(const QString &what, const QString &path, int code)
{
    throw IoError(QStringLiteral("I/O error %1: %2 %3 (%4)")
                      .arg(code)
                      .arg(what, path, QString::fromLocal8Bit(std::strerror(code))),
                  code);
}

void makeFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) == 0 || errno == EEXIST)
        return;
    // Parents are missing (a first run, or the folder was deleted meanwhile).
    QDir().mkpath(folder);
}

int openForAppending(const QByteArray &path)
{
    return ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
}

} // namespace

IoError::IoError(const QString &message, int systemErrorCode)
    : std::runtime_error(message.toStdString())
    , m_systemErrorCode(systemErrorCode)
{}

LogFile::LogFile(QString appDataFolder, const Clock &clock)
    : m_appDataFolder(std::move(appDataFolder))
    , m_clock(clock)
{}

QString LogFile::folder() const
{
    return m_appDataFolder + QStringLiteral("/Logs");
}

QString LogFile::pathFor(const QDate &date) const
{
    return folder() + u'/' + date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
}

void LogFile::AppendLogLine(const QString &text)
{
    AppendLogLine(text, m_clock.now());
}

void LogFile::AppendLogLine(const QString &text, const QDateTime &now)
{
    // Without a data folder the log would land at the root of the file system.
    if (m_appDataFolder.isEmpty())
        fail(QStringLiteral("cannot write the chat log"), QStringLiteral("(no data folder)"),
             ENOENT);

    const QString path = pathFor(now.date());
    const QByteArray line = stampedLines(u'[' + TimeStamp(now.time()) + u']', text).toUtf8();

    const QByteArray encodedPath = QFile::encodeName(path);
    int fd = openForAppending(encodedPath);
    if (fd < 0 && errno == ENOENT) {
        // The folder is made when it is missing, not looked for before every line.
        makeFolder(folder());
        fd = openForAppending(encodedPath);
    }
    if (fd < 0)
        fail(QStringLiteral("cannot open the chat log"), path, errno);
    qsizetype written = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(fd, line.constData() + written, size_t(line.size() - written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            ::close(fd);
            fail(QStringLiteral("cannot write the chat log"), path, code);
        }
        written += n;
    }
    if (::close(fd) != 0)
        fail(QStringLiteral("cannot write the chat log"), path, errno);
}

QString TimeStamp(const QTime &time)
{
    // By hand: the formatter's locale machinery costs more than the rest of a chat line.
    const char16_t stamp[] = {char16_t(u'0' + time.hour() / 10), char16_t(u'0' + time.hour() % 10),
                              u':', char16_t(u'0' + time.minute() / 10),
                              char16_t(u'0' + time.minute() % 10)};
    return QString(reinterpret_cast<const QChar *>(stamp), 5);
}
