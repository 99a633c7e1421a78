#pragma once
#include "link/FtdiApi.h"
#include "link/LinkClock.h"
#include <QList>

// Passes every call on to another backend unchanged: the base of wrappers that watch
// the traffic (tests, benchmarks) by overriding only the calls they look at.
class FtdiPrzekaznik : public FtdiApi
{
public:
    explicit FtdiPrzekaznik(FtdiApi &inner) : m_inner(inner) {}
    FT_STATUS FT_OpenEx(const char *d, DWORD f, FT_HANDLE *h) override { return m_inner.FT_OpenEx(d, f, h); }
    FT_STATUS FT_Close(FT_HANDLE h) override { return m_inner.FT_Close(h); }
    FT_STATUS FT_Read(FT_HANDLE h, void *b, DWORD n, DWORD *r) override { return m_inner.FT_Read(h, b, n, r); }
    FT_STATUS FT_Write(FT_HANDLE h, const void *b, DWORD n, DWORD *w) override { return m_inner.FT_Write(h, b, n, w); }
    FT_STATUS FT_SetBaudRate(FT_HANDLE h, DWORD b) override { return m_inner.FT_SetBaudRate(h, b); }
    FT_STATUS FT_SetTimeouts(FT_HANDLE h, DWORD r, DWORD w) override { return m_inner.FT_SetTimeouts(h, r, w); }
    FT_STATUS FT_SetRts(FT_HANDLE h) override { return m_inner.FT_SetRts(h); }
    FT_STATUS FT_ClrRts(FT_HANDLE h) override { return m_inner.FT_ClrRts(h); }

protected:
    FtdiApi &m_inner;
};

// Another clock's time and pauses, with every pause written down.
class ZegarZPauzami final : public LinkClock
{
public:
    explicit ZegarZPauzami(LinkClock &inner) : m_inner(inner) {}
    qint64 nowMs() const override { return m_inner.nowMs(); }
    void sleepMs(int ms) override
    {
        pauzy << ms;
        m_inner.sleepMs(ms);
    }
    qint64 sumaMs() const
    {
        qint64 s = 0;
        for (int p : pauzy)
            s += p;
        return s;
    }
    QList<int> pauzy;

private:
    LinkClock &m_inner;
};
