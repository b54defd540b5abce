#include "sim_engine.h"
#include "unix_signals.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zol-engine-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A substitute Zol engine that plays a small Quorl world for TovrelUI."));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("UDP port on 127.0.0.1 (default 34522)."),
                                  QStringLiteral("port"), QStringLiteral("34522"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Print every datagram received and sent."));
    const QCommandLineOption calm(QStringLiteral("calm"),
                                  QStringLiteral("No spontaneous activity of the world."));
    const QCommandLineOption loggedIn(QStringLiteral("logged-in"),
                                      QStringLiteral("Start with this account logged in."),
                                      QStringLiteral("qtag"));
    const QCommandLineOption bigArena(
        QStringLiteral("big-arena"),
        QStringLiteral("Add \"Arena/Big Arena\" with this many users."), QStringLiteral("users"),
        QStringLiteral("0"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the world."),
                                  QStringLiteral("seed"), QStringLiteral("1"));
    const QCommandLineOption httpPort(QStringLiteral("http-port"),
                                      QStringLiteral("Serve the avatars on this TCP port (default: "
                                                     "any free one)."),
                                      QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption slowAvatars(QStringLiteral("slow-avatars"),
                                         QStringLiteral("Send avatars one byte at a time."));
    const QCommandLineOption wrongType(QStringLiteral("wrong-content-type"),
                                       QStringLiteral("Send avatars as text/html."));
    parser.addOptions(
        {port, verbose, calm, loggedIn, bigArena, seed, httpPort, slowAvatars, wrongType});
    parser.process(application);

    SimEngine::Options options;
    options.port = quint16(parser.value(port).toUInt());
    options.verbose = parser.isSet(verbose);
    options.calm = parser.isSet(calm);
    options.loggedInAs = parser.value(loggedIn);
    options.bigArenaUsers = parser.value(bigArena).toInt();
    options.seed = parser.value(seed).toUInt();
    options.avatars.port = quint16(parser.value(httpPort).toUInt());
    options.avatars.slow = parser.isSet(slowAvatars);
    options.avatars.wrongContentType = parser.isSet(wrongType);

    SimEngine engine(options);
    if (!engine.isListening()) {
        std::fprintf(stderr, "zol-engine-sim: cannot listen on 127.0.0.1:%u\n", options.port);
        return 1;
    }
    UnixSignalWatcher signalWatcher({SIGINT, SIGTERM});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &application,
                     &QCoreApplication::quit);
    std::printf("zol-engine-sim listening on 127.0.0.1:%u\n", options.port);
    std::fflush(stdout);
    return QCoreApplication::exec();
}
