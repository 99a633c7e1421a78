#pragma once
#include "link/FtdiApi.h"
#include "link/LinkClock.h"
#include "link/SimulatedUnit.h"
#include <deque>

// The cable's driver interface served in-process by a SimulatedUnit on a VirtualClock:
// a read that has to wait advances the clock instead of sleeping. The receive queue is
// never purged; bytes not read wait for the next read, also across close and open.
class SimFtdi final : public FtdiApi
{
public:
    // How the unit's answers reach the receive queue.
    enum class Delivery {
        Whole,  // each answer at once
        Split,  // byte by byte, `gapMs` apart
        Glued,  // held back and released together with the next answer; an answer
                // that no other follows within `gapMs` is released alone then
    };
    static constexpr DWORD DefaultReadTimeoutMs = 500;

    SimFtdi(SimulatedUnit &unit, VirtualClock &clock);

    void setDelivery(Delivery d, int gapMs);
    bool isOpen() const { return m_open; }
    int opens() const { return m_opens; }  // successful FT_OpenEx calls
    DWORD readTimeoutMs() const { return m_readTimeoutMs; }
    DWORD baudRate() const { return m_baud; }
    int queued() const { return int(m_queue.size()); }

    FT_STATUS FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle) override;
    FT_STATUS FT_Close(FT_HANDLE handle) override;
    FT_STATUS FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received) override;
    FT_STATUS FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written) override;
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, DWORD baud) override;
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs) override;
    FT_STATUS FT_SetRts(FT_HANDLE handle) override;
    FT_STATUS FT_ClrRts(FT_HANDLE handle) override;

private:
    struct Pending
    {
        qint64 atMs;
        quint8 value;
    };
    bool valid(FT_HANDLE h) const;
    void pullReplies();

    SimulatedUnit &m_unit;
    VirtualClock &m_clock;
    Delivery m_delivery = Delivery::Whole;
    int m_gapMs = 0;
    bool m_open = false;
    int m_opens = 0;
    quintptr m_generation = 0;
    DWORD m_readTimeoutMs = DefaultReadTimeoutMs;
    DWORD m_baud = 0;
    std::deque<Pending> m_queue;
    int m_held = 0;  // trailing bytes of the queue held back (Glued)
    qint64 m_lastAt = 0;
};
