#include "link/D2xxFtdi.h"

D2xxFtdi::D2xxFtdi(const QString &library) : m_library(library) {}

D2xxFtdi::~D2xxFtdi() { unbind(); }

void D2xxFtdi::unbind()
{
    m_bound = false;
    m_openEx = nullptr;
    m_close = nullptr;
    m_read = nullptr;
    m_write = nullptr;
    m_setBaudRate = nullptr;
    m_setTimeouts = nullptr;
    m_setRts = nullptr;
    m_clrRts = nullptr;
    if (m_library.isLoaded())
        m_library.unload();
}

namespace {
template <typename Fn>
bool bind(QLibrary &library, const char *name, Fn *slot, QStringList *missing)
{
    *slot = reinterpret_cast<Fn>(library.resolve(name));
    if (!*slot)
        missing->append(QString::fromLatin1(name));
    return *slot != nullptr;
}
} // namespace

bool D2xxFtdi::load(QString *error)
{
    if (m_bound)
        return true;
    if (!m_library.load()) {
        if (error)
            *error = m_library.errorString();
        return false;
    }
    QStringList missing;
    bind(m_library, "FT_OpenEx", &m_openEx, &missing);
    bind(m_library, "FT_Close", &m_close, &missing);
    bind(m_library, "FT_Read", &m_read, &missing);
    bind(m_library, "FT_Write", &m_write, &missing);
    bind(m_library, "FT_SetBaudRate", &m_setBaudRate, &missing);
    bind(m_library, "FT_SetTimeouts", &m_setTimeouts, &missing);
    bind(m_library, "FT_SetRts", &m_setRts, &missing);
    bind(m_library, "FT_ClrRts", &m_clrRts, &missing);
    if (!missing.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1: missing %2").arg(m_library.fileName(), missing.join(QStringLiteral(", ")));
        unbind();
        return false;
    }
    m_bound = true;
    return true;
}

FT_STATUS D2xxFtdi::FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle)
{
    if (!m_bound)
        return FT_DEVICE_NOT_FOUND;
    if (!handle)
        return FT_INVALID_PARAMETER;
    // The library takes the description through an untyped argument and only reads it.
    return m_openEx(const_cast<char *>(description), flags, handle);
}

FT_STATUS D2xxFtdi::FT_Close(FT_HANDLE handle)
{
    return m_bound ? m_close(handle) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxFtdi::FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received)
{
    DWORD dummy = 0;
    if (!received)
        received = &dummy;
    *received = 0;
    return m_bound ? m_read(handle, buffer, toRead, received) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxFtdi::FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written)
{
    DWORD dummy = 0;
    if (!written)
        written = &dummy;
    *written = 0;
    return m_bound ? m_write(handle, const_cast<void *>(buffer), toWrite, written) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxFtdi::FT_SetBaudRate(FT_HANDLE handle, DWORD baud)
{
    return m_bound ? m_setBaudRate(handle, baud) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxFtdi::FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs)
{
    return m_bound ? m_setTimeouts(handle, readMs, writeMs) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxFtdi::FT_SetRts(FT_HANDLE handle) { return m_bound ? m_setRts(handle) : FT_INVALID_HANDLE; }

FT_STATUS D2xxFtdi::FT_ClrRts(FT_HANDLE handle) { return m_bound ? m_clrRts(handle) : FT_INVALID_HANDLE; }
