#include "link/LinkClock.h"
#include <QThread>

RealClock::RealClock() { m_timer.start(); }

qint64 RealClock::nowMs() const { return m_timer.elapsed(); }

void RealClock::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}
