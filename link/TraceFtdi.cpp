#include "link/TraceFtdi.h"
#include "link/LinkClock.h"
#include <QDateTime>
#include <QFileDevice>
#include <QIODevice>

namespace {
QString handleText(FT_HANDLE handle)
{
    return QStringLiteral("0x") + QString::number(reinterpret_cast<quintptr>(handle), 16);
}
} // namespace

TraceFtdi::TraceFtdi(FtdiApi &inner, QIODevice &out, const LinkClock *clock)
    : m_inner(inner), m_out(out), m_clock(clock)
{
    m_wall.start();
}

QString TraceFtdi::hex(const void *bytes, DWORD count)
{
    if (!bytes || count == 0)
        return QString();
    return QString::fromLatin1(
        QByteArray::fromRawData(static_cast<const char *>(bytes), static_cast<qsizetype>(count)).toHex(' ').toUpper());
}

TraceFtdi::Start TraceFtdi::begin() const
{
    if (m_clock) {
        const qint64 ms = m_clock->nowMs();
        return {QStringLiteral("%1.%2").arg(ms / 1000, 6).arg(ms % 1000, 3, 10, QLatin1Char('0')), ms};
    }
    return {QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")), m_wall.elapsed()};
}

void TraceFtdi::line(const Start &start, const QString &call, FT_STATUS status, const QString &tail)
{
    const qint64 took = (m_clock ? m_clock->nowMs() : m_wall.elapsed()) - start.atMs;
    QString text = QStringLiteral("%1 %2 = %3").arg(start.stamp, call).arg(status);
    if (!tail.isEmpty())
        text += QLatin1Char(' ') + tail;
    text += QStringLiteral(" (%1 ms)\n").arg(took);
    // One write and a flush per line, so a trace is complete up to a crash.
    m_out.write(text.toUtf8());
    if (auto *file = qobject_cast<QFileDevice *>(&m_out))
        file->flush();
}

FT_STATUS TraceFtdi::FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle)
{
    const Start s = begin();
    const FT_STATUS st = m_inner.FT_OpenEx(description, flags, handle);
    const QString desc = description ? QLatin1Char('"') + QString::fromLatin1(description) + QLatin1Char('"')
                                     : QStringLiteral("null");
    line(s, QStringLiteral("FT_OpenEx(%1, %2)").arg(desc).arg(flags), st,
         st == FT_OK && handle ? QStringLiteral("handle ") + handleText(*handle) : QString());
    return st;
}

FT_STATUS TraceFtdi::FT_Close(FT_HANDLE handle)
{
    const Start s = begin();
    const FT_STATUS st = m_inner.FT_Close(handle);
    line(s, QStringLiteral("FT_Close(%1)").arg(handleText(handle)), st);
    return st;
}

FT_STATUS TraceFtdi::FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received)
{
    // The count is traced even when the caller does not ask for it.
    DWORD got = 0;
    const Start s = begin();
    const FT_STATUS st = m_inner.FT_Read(handle, buffer, toRead, &got);
    if (received)
        *received = got;
    QString tail = QStringLiteral("received %1").arg(got);
    if (got > 0)
        tail += QStringLiteral(": ") + hex(buffer, qMin(got, toRead));
    line(s, QStringLiteral("FT_Read(%1, %2)").arg(handleText(handle)).arg(toRead), st, tail);
    return st;
}

FT_STATUS TraceFtdi::FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written)
{
    DWORD done = 0;
    const Start s = begin();
    const FT_STATUS st = m_inner.FT_Write(handle, buffer, toWrite, &done);
    if (written)
        *written = done;
    QString call = QStringLiteral("FT_Write(%1, %2").arg(handleText(handle)).arg(toWrite);
    if (toWrite > 0)
        call += QStringLiteral(": ") + hex(buffer, toWrite);
    call += QLatin1Char(')');
    line(s, call, st, QStringLiteral("written %1").arg(done));
    return st;
}

FT_STATUS TraceFtdi::FT_SetBaudRate(FT_HANDLE handle, DWORD baud)
{
    const Start s = begin();
    const FT_STATUS st = m_inner.FT_SetBaudRate(handle, baud);
    line(s, QStringLiteral("FT_SetBaudRate(%1, %2)").arg(handleText(handle)).arg(baud), st);
    return st;
}

FT_STATUS TraceFtdi::FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs)
{
    const Start s = begin();
    const FT_STATUS st = m_inner.FT_SetTimeouts(handle, readMs, writeMs);
    line(s, QStringLiteral("FT_SetTimeouts(%1, %2, %3)").arg(handleText(handle)).arg(readMs).arg(writeMs), st);
    return st;
}

FT_STATUS TraceFtdi::FT_SetRts(FT_HANDLE handle)
{
    const Start s = begin();
    const FT_STATUS st = m_inner.FT_SetRts(handle);
    line(s, QStringLiteral("FT_SetRts(%1)").arg(handleText(handle)), st);
    return st;
}

FT_STATUS TraceFtdi::FT_ClrRts(FT_HANDLE handle)
{
    const Start s = begin();
    const FT_STATUS st = m_inner.FT_ClrRts(handle);
    line(s, QStringLiteral("FT_ClrRts(%1)").arg(handleText(handle)), st);
    return st;
}
