#include "recorders.h"

#include "commands.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

void RecordingSender::RequestState()
{
    sent.append(Command::GetState());
    ++stateRequests;
}

void DrainEventLoop()
{
    // A turn may post more work for the next one; a few rounds settle any chain the program
    // makes, and the bound keeps a repeating timer from holding the test.
    for (int round = 0; round < 10; ++round) {
        QCoreApplication::sendPostedEvents();
        if (!QCoreApplication::instance()->eventDispatcher()->processEvents(QEventLoop::AllEvents))
            break;
    }
    QCoreApplication::sendPostedEvents();
}
