#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>

// Runs one of the project's programs for a test, with its own runtime and data folders and
// without a display, and collects what it prints.
class ProgramRunner {
public:
    ProgramRunner(QString program, QStringList arguments, const QTemporaryDir &home);
    ~ProgramRunner();

    bool start();
    qint64 pid() const { return m_process.processId(); }
    // Waits until the program printed a line containing text; false on time-out.
    bool waitForOutput(const QString &text,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10));
    QStringList outputLines();
    int countOutputLines(const QString &text);
    bool waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    void signal(int signalNumber);

private:
    QProcess m_process;
    QString m_program;
    QStringList m_arguments;
    QString m_output;
};
