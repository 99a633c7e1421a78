#pragma once
#include <QElapsedTimer>

// The one clock behind every pause and read time-out of the link. The real clock
// sleeps; the virtual clock only advances, so retries against the in-process
// simulated unit run without waiting.
class LinkClock
{
public:
    virtual ~LinkClock() = default;
    virtual qint64 nowMs() const = 0;
    virtual void sleepMs(int ms) = 0;
};

class RealClock final : public LinkClock
{
public:
    RealClock();
    qint64 nowMs() const override;
    void sleepMs(int ms) override;
private:
    QElapsedTimer m_timer;
};

class VirtualClock final : public LinkClock
{
public:
    qint64 nowMs() const override { return m_now; }
    void sleepMs(int ms) override { if (ms > 0) m_now += ms; }
    void advanceMs(qint64 ms) { if (ms > 0) m_now += ms; }
private:
    qint64 m_now = 0;
};
