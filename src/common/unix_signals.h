#pragma once

#include <QObject>

#include <initializer_list>
#include <vector>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and the like into a Qt signal on the GUI thread, so that the program
// ends the way it does when the user closes the window.
class UnixSignalWatcher : public QObject {
    Q_OBJECT

public:
    UnixSignalWatcher(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~UnixSignalWatcher() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readSignal();

    std::vector<int> m_signalNumbers;
    int m_sockets[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
