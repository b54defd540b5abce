#include "app_data_folder.h"
#include "clock.h"
#include "image_lists.h"
#include "notification_player.h"
#include "single_instance.h"
#include "tovrelui_form.h"
#include "unix_signals.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TovrelUI"));
    // The installed desktop entry and icon, so the task bar groups the window under them.
    QApplication::setDesktopFileName(QStringLiteral("org.tovrelui.TovrelUI"));
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Tahoma"), font.family()});
    font.setPointSize(8);
    QApplication::setFont(font);
    // The installed icon, or the engine ring painted here where none is installed.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.tovrelui.TovrelUI"), ActionImageList().at(3)));

    SingleInstance instance;
    if (!instance.acquire())
        return instance.activateRunning() ? 0 : 1;

    SystemClock clock;
    CanberraSounds sounds;
    TTovrelUIForm::Services services;
    services.clock = &clock;
    services.sounds = &sounds;
    services.appDataFolder = AppDataFolder();
    services.bookmarkFolders = {QCoreApplication::applicationDirPath(), services.appDataFolder};
    TTovrelUIForm form(services);

    QObject::connect(&instance, &SingleInstance::activationRequested, &form, [&form] {
        form.showNormal();
        form.raise();
        form.activateWindow();
        form.secondInstanceActivated();
    });
    UnixSignalWatcher signalWatcher({SIGINT, SIGTERM});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &form, &QWidget::close);
    QObject::connect(&form, &TTovrelUIForm::closed, &application, &QApplication::quit,
                     Qt::QueuedConnection);

    form.show();
    return QApplication::exec();
}
