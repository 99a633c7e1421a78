#include "link/SerialFtdi.h"
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <cstring>
#include <limits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace {

// The chip waits up to 16 ms before handing over a short reply unless the port is in
// low-latency mode; with 33 exchanges a read run would pay that each time. A port
// that is no real serial line (a pseudo-terminal) refuses, which is harmless.
void setLowLatency(QSerialPort &port)
{
#ifdef Q_OS_LINUX
    const int fd = static_cast<int>(port.handle());
    serial_struct ss;
    std::memset(&ss, 0, sizeof ss);
    if (fd >= 0 && ::ioctl(fd, TIOCGSERIAL, &ss) == 0 && !(ss.flags & ASYNC_LOW_LATENCY)) {
        ss.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &ss);
    }
#else
    Q_UNUSED(port);
#endif
}

// Qt reports a port held by another program (busy, or locked) as a permission error
// too; only a port this user may not read and write is a matter of group rights.
bool lacksPermission(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray p = QFile::encodeName(path);
    return ::access(p.constData(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
#else
    Q_UNUSED(path);
    return true;
#endif
}

} // namespace

SerialFtdi::SerialFtdi(const QString &portPath) : m_fixedPath(portPath) {}

SerialFtdi::~SerialFtdi()
{
    if (m_port.isOpen())
        m_port.close();
}

bool SerialFtdi::isOpen(FT_HANDLE handle) const
{
    return m_handle != 0 && reinterpret_cast<quintptr>(handle) == m_handle;
}

QString SerialFtdi::findByDescription(const char *description) const
{
    const QString wanted = QString::fromLatin1(description);
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        if (info.description() == wanted)
            return info.systemLocation();
    }
    return QString();
}

FT_STATUS SerialFtdi::failOpen(SerialOpenError why, const QString &port, const QString &detail)
{
    m_lastError = why;
    m_lastErrorPort = port;
    m_lastErrorDetail = detail;
    return why == SerialOpenError::NotFound ? FT_DEVICE_NOT_FOUND : FT_DEVICE_NOT_OPENED;
}

FT_STATUS SerialFtdi::FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle)
{
    if (!handle || flags != FT_OPEN_BY_DESCRIPTION || (m_fixedPath.isEmpty() && !description))
        return FT_INVALID_PARAMETER;
    if (m_handle != 0)
        return failOpen(SerialOpenError::Busy, m_port.portName(), QStringLiteral("already open"));

    // Enumerating ports costs more than opening one; a named port is opened directly.
    const QString path = m_fixedPath.isEmpty() ? findByDescription(description) : m_fixedPath;
    if (path.isEmpty())
        return failOpen(SerialOpenError::NotFound, QString(), QStringLiteral("no port with that description"));

    m_port.setPortName(path);
    m_port.setBaudRate(9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError err = m_port.error();
        const QString detail = m_port.errorString();
        m_port.clearError();
        switch (err) {
        case QSerialPort::DeviceNotFoundError:
            return failOpen(SerialOpenError::NotFound, path, detail);
        case QSerialPort::PermissionError:
            return failOpen(lacksPermission(path) ? SerialOpenError::NoPermission : SerialOpenError::Busy,
                            path, detail);
        default:
            if (!QFileInfo::exists(path))
                return failOpen(SerialOpenError::NotFound, path, detail);
            return failOpen(SerialOpenError::Other, path, detail);
        }
    }
    setLowLatency(m_port);
    if (m_rts)
        m_port.setRequestToSend(*m_rts);
    m_port.clearError();

    if (m_carryPort != path)
        m_carry.clear();
    m_carryPort = path;
    m_readTimeoutMs = DefaultTimeoutMs;
    m_writeTimeoutMs = DefaultTimeoutMs;
    m_lastError = SerialOpenError::None;
    m_lastErrorPort.clear();
    m_lastErrorDetail.clear();

    // Zero stays reserved for "not open" even if the counter ever wraps.
    if (++m_generation == 0)
        ++m_generation;
    m_handle = m_generation;
    *handle = reinterpret_cast<FT_HANDLE>(m_handle);
    return FT_OK;
}

FT_STATUS SerialFtdi::FT_Close(FT_HANDLE handle)
{
    if (!isOpen(handle))
        return FT_INVALID_HANDLE;
    m_carry += m_port.readAll();
    m_port.close();
    m_port.clearError();
    m_handle = 0;
    return FT_OK;
}

FT_STATUS SerialFtdi::FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received)
{
    if (received)
        *received = 0;
    if (!isOpen(handle))
        return FT_INVALID_HANDLE;
    if (!buffer && toRead > 0)
        return FT_INVALID_PARAMETER;

    char *dst = static_cast<char *>(buffer);
    DWORD got = 0;
    if (!m_carry.isEmpty()) {
        const DWORD n = qMin<DWORD>(toRead, static_cast<DWORD>(m_carry.size()));
        std::memcpy(dst, m_carry.constData(), n);
        m_carry.remove(0, static_cast<qsizetype>(n));
        got = n;
    }

    // Bytes beyond the count stay in the port's buffer for the next read.
    FT_STATUS status = FT_OK;
    const QDeadlineTimer deadline(static_cast<qint64>(m_readTimeoutMs));
    while (got < toRead) {
        const qint64 n = m_port.read(dst + got, static_cast<qint64>(toRead - got));
        if (n < 0) {
            status = FT_IO_ERROR;
            break;
        }
        got += static_cast<DWORD>(n);
        if (got >= toRead)
            break;
        const qint64 remaining = deadline.remainingTime();
        if (remaining <= 0)
            break;
        if (!m_port.waitForReadyRead(static_cast<int>(remaining))) {
            if (m_port.error() != QSerialPort::TimeoutError && m_port.error() != QSerialPort::NoError)
                status = FT_IO_ERROR;
            m_port.clearError();
            if (status != FT_OK || deadline.hasExpired())
                break;
        }
    }
    if (received)
        *received = got;
    return status;
}

FT_STATUS SerialFtdi::FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written)
{
    if (written)
        *written = 0;
    if (!isOpen(handle))
        return FT_INVALID_HANDLE;
    if (!buffer && toWrite > 0)
        return FT_INVALID_PARAMETER;
    if (toWrite == 0)
        return FT_OK;

    const qint64 before = m_port.bytesToWrite();
    if (m_port.write(static_cast<const char *>(buffer), static_cast<qint64>(toWrite)) != static_cast<qint64>(toWrite)) {
        m_port.clearError();
        return FT_IO_ERROR;
    }
    const QDeadlineTimer deadline(static_cast<qint64>(m_writeTimeoutMs));
    while (m_port.bytesToWrite() > 0) {
        const qint64 remaining = deadline.remainingTime();
        if (remaining <= 0 || !m_port.waitForBytesWritten(static_cast<int>(remaining))) {
            if (deadline.hasExpired() || m_port.error() != QSerialPort::TimeoutError)
                break;
        }
    }
    m_port.clearError();
    const qint64 left = qMax<qint64>(0, m_port.bytesToWrite() - before);
    if (written)
        *written = toWrite - static_cast<DWORD>(qMin<qint64>(left, toWrite));
    return left == 0 ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SerialFtdi::FT_SetBaudRate(FT_HANDLE handle, DWORD baud)
{
    if (!isOpen(handle))
        return FT_INVALID_HANDLE;
    if (baud == 0 || baud > static_cast<DWORD>(std::numeric_limits<qint32>::max())
        || !m_port.setBaudRate(static_cast<qint32>(baud))) {
        m_port.clearError();
        return FT_INVALID_PARAMETER;
    }
    return FT_OK;
}

FT_STATUS SerialFtdi::FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs)
{
    if (!isOpen(handle))
        return FT_INVALID_HANDLE;
    m_readTimeoutMs = readMs;
    m_writeTimeoutMs = writeMs;
    return FT_OK;
}

FT_STATUS SerialFtdi::setRts(FT_HANDLE handle, bool on)
{
    if (!isOpen(handle))
        return FT_INVALID_HANDLE;
    m_rts = on;
    const bool ok = m_port.setRequestToSend(on);
    m_port.clearError();
    // A pseudo-terminal has no modem lines; the line is then only remembered.
    return ok ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SerialFtdi::FT_SetRts(FT_HANDLE handle) { return setRts(handle, true); }

FT_STATUS SerialFtdi::FT_ClrRts(FT_HANDLE handle) { return setRts(handle, false); }
