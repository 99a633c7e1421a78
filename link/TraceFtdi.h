#pragma once
#include "link/FtdiApi.h"
#include <QElapsedTimer>
#include <QString>

class LinkClock;
class QIODevice;

// Passes every call on to the backend in use unchanged and writes one text line per
// call: time stamp, call, arguments, bytes in hex, status and how long it took. For
// support: a trace shows what went over the cable without changing what happens.
class TraceFtdi final : public FtdiApi
{
public:
    // Neither the backend nor the output is owned. With a clock the lines carry its
    // time (the virtual time of the in-process simulator); without, the wall clock.
    TraceFtdi(FtdiApi &inner, QIODevice &out, const LinkClock *clock = nullptr);

    FT_STATUS FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle) override;
    FT_STATUS FT_Close(FT_HANDLE handle) override;
    FT_STATUS FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received) override;
    FT_STATUS FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written) override;
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, DWORD baud) override;
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs) override;
    FT_STATUS FT_SetRts(FT_HANDLE handle) override;
    FT_STATUS FT_ClrRts(FT_HANDLE handle) override;

    // "1F 01 21": the bytes as the trace shows them.
    static QString hex(const void *bytes, DWORD count);

private:
    struct Start
    {
        QString stamp;
        qint64 atMs;
    };
    Start begin() const;
    void line(const Start &start, const QString &call, FT_STATUS status, const QString &tail = QString());

    FtdiApi &m_inner;
    QIODevice &m_out;
    const LinkClock *m_clock;
    QElapsedTimer m_wall;
};
