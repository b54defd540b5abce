// The whole window, offscreen, with every registered handler reachable: each input is split into
// datagrams at its line breaks and handed to the dispatcher as the receive path does. The window
// is built once and built anew every few thousand inputs, so state carries over between inputs
// as it does in a running program, within a bound. Replayed over the seed corpus, it checks that
// every registered handler ran to its end at least once, so every campaign starts from inputs
// that reach them all.

#include "clock.h"
#include "notification_sounds.h"
#include "page_opener.h"
#include "prompts.h"
#include "tovrelui_form.h"

#include <QApplication>
#include <QNetworkDatagram>
#include <QScreen>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kInputsPerWindow = 2000;

class Silence final : public NotificationSounds {
public:
    void PlayNotificationSound(const QString &) override {}
};

// Questions are answered No at once, errors dropped, pages never opened.
class Quiet final : public TakeOverPrompt,
                    public ErrorReporter,
                    public YesNoPrompt,
                    public PageOpener {
public:
    void askTakeOver(std::function<void(bool)> answer) override { answer(false); }
    void reportError(const QString &) override {}
    void askYesNo(const QString &, std::function<void(bool)> answer) override { answer(false); }
    void openPage(const QUrl &) override {}
};

struct World {
    World()
    {
        engine.bind(QHostAddress(QHostAddress::LocalHost), 0); // commands go here, and no further
        rebuild();
    }
    void rebuild()
    {
        form.reset();
        TTovrelUIForm::Services services;
        services.engine = {QHostAddress(QHostAddress::LocalHost), engine.localPort()};
        services.clock = &clock;
        services.sounds = &silence;
        services.takeOverPrompt = &quiet;
        services.errorReporter = &quiet;
        services.yesNoPrompt = &quiet;
        services.pages = &quiet;
        services.appDataFolder = folder.path();
        form = std::make_unique<TTovrelUIForm>(services);
        form->link().dispatcher().setHandlerObserver([this](MessageKind kind, bool ranToEnd) {
            if (ranToEnd)
                handledToEnd.set(size_t(kind));
        });
        inputs = 0;
    }

    QTemporaryDir folder;
    QUdpSocket engine;
    SystemClock clock;
    Silence silence;
    Quiet quiet;
    std::unique_ptr<TTovrelUIForm> form;
    int inputs = 0;
    std::bitset<kHighestMessageKind + 1> handledToEnd;
};

World *world = nullptr;

// A shown window larger than its screen was sized by a text from the wire; its backing store alone
// can take hundreds of megabytes.
void checkWindowsFitTheirScreens()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->screen())
            continue;
        const QSize screen = window->screen()->availableSize();
        if (window->width() > screen.width() || window->height() > screen.height()) {
            std::fprintf(stderr, "window %s is %d x %d, larger than its screen\n",
                         qPrintable(window->objectName()), window->width(), window->height());
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    // Kept to the end of the process: Qt must not be torn down by the exit handlers.
    static auto *application = new QApplication(*argc, *argv);
    Q_UNUSED(application);
    world = new World;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (++world->inputs > kInputsPerWindow)
        world->rebuild();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    MessageDispatcher &dispatcher = world->form->link().dispatcher();
    for (const QByteArray &datagram : input.split('\n'))
        dispatcher.IdUDPServer1UDPRead(datagram);
    // What the handlers put off to the next turn runs too, a turn every few inputs as in a burst.
    if (world->inputs % 16 == 0) {
        QCoreApplication::processEvents();
        checkWindowsFitTheirScreens();
    }
    while (world->engine.hasPendingDatagrams())
        world->engine.receiveDatagram();
    return 0;
}

extern "C" int ReplayFinished()
{
    // What waits for a turn, and the drawing of what the inputs left, runs too.
    QCoreApplication::processEvents();
    checkWindowsFitTheirScreens();
    world->form->grab();
    const MessageDispatcher &dispatcher = world->form->link().dispatcher();
    int registered = 0;
    int missed = 0;
    for (int index = 1; index <= kHighestMessageKind; ++index) {
        const auto kind = MessageKind(index);
        if (!dispatcher.hasHandler(kind))
            continue;
        ++registered;
        if (!world->handledToEnd.test(size_t(index))) {
            std::printf("no input ran the handler of message kind %d to its end\n", index);
            ++missed;
        }
    }
    std::printf("%d of %d handlers ran to their end\n", registered - missed, registered);
    return missed == 0 ? 0 : 1;
}
