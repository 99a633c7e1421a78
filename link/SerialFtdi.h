#pragma once
#include "link/FtdiApi.h"
#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <optional>

// Why the last FT_OpenEx of the serial backend failed, for the window or the command
// line to explain it. NoPermission is the one the installer can fix himself.
enum class SerialOpenError {
    None,
    NotFound,     // no port with the description, or the named port does not exist
    NoPermission, // the port exists but this user may not open it
    Busy,         // the port is held by another program
    Other,
};

// The cable through the kernel's driver for the chip (a serial port): found by its USB
// product description, or a port named on the command line (a pseudo-terminal too).
// One port is open at a time, as with one cable; the handle is valid until its close.
class SerialFtdi final : public FtdiApi
{
public:
    // An empty path means: find the port by the description passed to FT_OpenEx.
    explicit SerialFtdi(const QString &portPath = QString());
    ~SerialFtdi() override;

    FT_STATUS FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle) override;
    FT_STATUS FT_Close(FT_HANDLE handle) override;
    FT_STATUS FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received) override;
    FT_STATUS FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written) override;
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, DWORD baud) override;
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs) override;
    FT_STATUS FT_SetRts(FT_HANDLE handle) override;
    FT_STATUS FT_ClrRts(FT_HANDLE handle) override;

    SerialOpenError lastOpenError() const { return m_lastError; }
    // The port the last failed open was about (empty when none was found).
    QString lastOpenPort() const { return m_lastErrorPort; }
    // The system's wording of the last open failure, for a support trace.
    QString lastOpenErrorDetail() const { return m_lastErrorDetail; }

    static constexpr DWORD DefaultTimeoutMs = 500;

private:
    bool isOpen(FT_HANDLE handle) const;
    QString findByDescription(const char *description) const;
    FT_STATUS failOpen(SerialOpenError why, const QString &port, const QString &detail);
    FT_STATUS setRts(FT_HANDLE handle, bool on);

    QString m_fixedPath;
    QSerialPort m_port;
    quintptr m_handle = 0; // non-zero while open; changes with every open
    quintptr m_generation = 0;
    DWORD m_readTimeoutMs = DefaultTimeoutMs;
    DWORD m_writeTimeoutMs = DefaultTimeoutMs;
    // Bytes received but not yet read when the port was closed: the unit's queue is
    // never purged, so the next open of the same port hands them out first.
    QByteArray m_carry;
    QString m_carryPort;
    // The RTS line as the program last set it. The kernel raises RTS on every open;
    // the cable's own driver keeps the line as set, so it is put back after the open.
    std::optional<bool> m_rts;

    SerialOpenError m_lastError = SerialOpenError::None;
    QString m_lastErrorPort;
    QString m_lastErrorDetail;
};
