#include "link/SimFtdi.h"
#include "link/Kabel_USB.h"
#include <algorithm>
#include <cstring>

SimFtdi::SimFtdi(SimulatedUnit &unit, VirtualClock &clock) : m_unit(unit), m_clock(clock) {}

void SimFtdi::setDelivery(Delivery d, int gapMs)
{
    m_delivery = d;
    m_gapMs = std::max(0, gapMs);
}

bool SimFtdi::valid(FT_HANDLE h) const
{
    return m_open && h == reinterpret_cast<FT_HANDLE>(0x1000 + 16 * m_generation);
}

FT_STATUS SimFtdi::FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle)
{
    if (!handle || !description)
        return FT_INVALID_PARAMETER;
    if (flags != FT_OPEN_BY_DESCRIPTION || std::strcmp(description, Opis_Kabla_USB) != 0)
        return FT_DEVICE_NOT_FOUND;
    if (!m_unit.attached()) {
        // An unplugged chip loses what it had buffered.
        m_queue.clear();
        m_held = 0;
        m_unit.takeReplies();
        m_open = false;
        return FT_DEVICE_NOT_FOUND;
    }
    if (m_open)
        return FT_DEVICE_NOT_OPENED;  // taken by another user
    m_open = true;
    ++m_opens;
    ++m_generation;
    m_readTimeoutMs = DefaultReadTimeoutMs;
    *handle = reinterpret_cast<FT_HANDLE>(0x1000 + 16 * m_generation);
    return FT_OK;
}

FT_STATUS SimFtdi::FT_Close(FT_HANDLE handle)
{
    if (!valid(handle))
        return FT_INVALID_HANDLE;
    m_open = false;
    return FT_OK;
}

void SimFtdi::pullReplies()
{
    for (const SimulatedUnit::Reply &r : m_unit.takeReplies()) {
        const qint64 at = std::max(r.atMs, m_lastAt);
        switch (m_delivery) {
        case Delivery::Whole:
            for (char c : r.bytes)
                m_queue.push_back({at, quint8(c)});
            m_lastAt = at;
            break;
        case Delivery::Split: {
            qint64 t = at;
            for (char c : r.bytes) {
                m_queue.push_back({t, quint8(c)});
                m_lastAt = t;
                t += m_gapMs;
            }
            break;
        }
        case Delivery::Glued: {
            m_held = std::min(m_held, int(m_queue.size()));
            for (auto it = m_queue.end() - m_held; it != m_queue.end(); ++it)
                it->atMs = std::min(it->atMs, at);
            for (char c : r.bytes)
                m_queue.push_back({at + m_gapMs, quint8(c)});
            m_held = int(r.bytes.size());
            m_lastAt = at;
            break;
        }
        }
    }
}

FT_STATUS SimFtdi::FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received)
{
    if (received)
        *received = 0;
    if (!valid(handle))
        return FT_INVALID_HANDLE;
    if (!buffer || !received)
        return FT_INVALID_PARAMETER;
    if (!m_unit.attached())
        return FT_IO_ERROR;
    if (toRead == 0)
        return FT_OK;
    pullReplies();
    const qint64 now = m_clock.nowMs();
    const qint64 deadline = now + qint64(m_readTimeoutMs);
    DWORD n = 0;
    if (m_queue.size() >= toRead && m_queue[toRead - 1].atMs <= deadline) {
        n = toRead;
        m_clock.advanceMs(m_queue[toRead - 1].atMs - now);
    } else {
        while (n < toRead && n < m_queue.size() && m_queue[n].atMs <= deadline)
            ++n;
        m_clock.advanceMs(deadline - now);
    }
    auto *out = static_cast<quint8 *>(buffer);
    for (DWORD i = 0; i < n; ++i) {
        out[i] = m_queue.front().value;
        m_queue.pop_front();
    }
    m_held = std::min(m_held, int(m_queue.size()));
    *received = n;
    return FT_OK;
}

FT_STATUS SimFtdi::FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written)
{
    if (written)
        *written = 0;
    if (!valid(handle))
        return FT_INVALID_HANDLE;
    if (!buffer && toWrite > 0)
        return FT_INVALID_PARAMETER;
    if (!m_unit.attached())
        return FT_IO_ERROR;
    const auto *in = static_cast<const quint8 *>(buffer);
    const qint64 now = m_clock.nowMs();
    for (DWORD i = 0; i < toWrite; ++i)
        m_unit.receive(in[i], now);
    pullReplies();
    if (written)
        *written = m_unit.attached() ? toWrite : 0;
    return m_unit.attached() ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SimFtdi::FT_SetBaudRate(FT_HANDLE handle, DWORD baud)
{
    if (!valid(handle))
        return FT_INVALID_HANDLE;
    m_baud = baud;
    return FT_OK;
}

FT_STATUS SimFtdi::FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs)
{
    Q_UNUSED(writeMs);  // writes never block here
    if (!valid(handle))
        return FT_INVALID_HANDLE;
    m_readTimeoutMs = readMs;
    return FT_OK;
}

FT_STATUS SimFtdi::FT_SetRts(FT_HANDLE handle)
{
    if (!valid(handle))
        return FT_INVALID_HANDLE;
    if (!m_unit.attached())
        return FT_IO_ERROR;
    m_unit.setRts(true, m_clock.nowMs());
    return FT_OK;
}

FT_STATUS SimFtdi::FT_ClrRts(FT_HANDLE handle)
{
    if (!valid(handle))
        return FT_INVALID_HANDLE;
    if (!m_unit.attached())
        return FT_IO_ERROR;
    m_unit.setRts(false, m_clock.nowMs());
    return FT_OK;
}
