// The baseline of the startup benchmark: the least a Qt Widgets program does that shows one
// window and then tells the engine's port it is there, as TovrelUI's first show does.

#include <QApplication>
#include <QTimer>
#include <QUdpSocket>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(723, 488);
    window.show();
    QUdpSocket socket;
    QTimer::singleShot(0, &window, [&] {
        socket.writeDatagram("ZOL_CLIENT_DISCOVER;", QHostAddress(QHostAddress::LocalHost), 34522);
    });
    return QApplication::exec();
}
