#include "program_runner.h"

#include <QTest>

#include <csignal>

ProgramRunner::ProgramRunner(QString program, QStringList arguments, const QTemporaryDir &home)
    : m_program(std::move(program))
    , m_arguments(std::move(arguments))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

ProgramRunner::~ProgramRunner()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool ProgramRunner::start()
{
    m_process.start(m_program, m_arguments);
    return m_process.waitForStarted(5000);
}

QStringList ProgramRunner::outputLines()
{
    m_output += QString::fromUtf8(m_process.readAll());
    return m_output.split(u'\n', Qt::SkipEmptyParts);
}

int ProgramRunner::countOutputLines(const QString &text)
{
    int count = 0;
    for (const QString &line : outputLines())
        count += line.contains(text) ? 1 : 0;
    return count;
}

bool ProgramRunner::waitForOutput(const QString &text, std::chrono::milliseconds timeout)
{
    return QTest::qWaitFor([&] { return countOutputLines(text) > 0; }, int(timeout.count()));
}

bool ProgramRunner::waitForExit(std::chrono::milliseconds timeout)
{
    return QTest::qWaitFor([&] { return m_process.state() == QProcess::NotRunning; },
                           int(timeout.count()));
}

void ProgramRunner::signal(int signalNumber)
{
    ::kill(pid_t(m_process.processId()), signalNumber);
}
