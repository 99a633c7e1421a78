#pragma once
#include "link/FtdiApi.h"
#include <QLibrary>
#include <QString>

// The cable vendor's driver library, loaded at run time and bound by function name.
// Until load() has succeeded every call fails (open: device not found).
class D2xxFtdi final : public FtdiApi
{
public:
    // Base name of the library: QLibrary adds lib...so / .dll / .dylib.
    static constexpr const char *DefaultLibrary = "ftd2xx";

    explicit D2xxFtdi(const QString &library = QString::fromLatin1(DefaultLibrary));
    ~D2xxFtdi() override;

    // Loads the library and binds all eight functions; on failure says why in *error
    // and leaves nothing loaded.
    bool load(QString *error = nullptr);
    bool isLoaded() const { return m_bound; }

    FT_STATUS FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle) override;
    FT_STATUS FT_Close(FT_HANDLE handle) override;
    FT_STATUS FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received) override;
    FT_STATUS FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written) override;
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, DWORD baud) override;
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs) override;
    FT_STATUS FT_SetRts(FT_HANDLE handle) override;
    FT_STATUS FT_ClrRts(FT_HANDLE handle) override;

private:
#if defined(_WIN32) && !defined(_WIN64)
#define VEZO_D2XX_CALL __stdcall
#else
#define VEZO_D2XX_CALL
#endif
    using OpenExFn = FT_STATUS(VEZO_D2XX_CALL *)(void *arg, DWORD flags, FT_HANDLE *handle);
    using HandleFn = FT_STATUS(VEZO_D2XX_CALL *)(FT_HANDLE handle);
    using ReadFn = FT_STATUS(VEZO_D2XX_CALL *)(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received);
    using WriteFn = FT_STATUS(VEZO_D2XX_CALL *)(FT_HANDLE handle, void *buffer, DWORD toWrite, DWORD *written);
    using BaudFn = FT_STATUS(VEZO_D2XX_CALL *)(FT_HANDLE handle, DWORD baud);
    using TimeoutsFn = FT_STATUS(VEZO_D2XX_CALL *)(FT_HANDLE handle, DWORD readMs, DWORD writeMs);
#undef VEZO_D2XX_CALL

    void unbind();

    QLibrary m_library;
    bool m_bound = false;
    OpenExFn m_openEx = nullptr;
    HandleFn m_close = nullptr;
    ReadFn m_read = nullptr;
    WriteFn m_write = nullptr;
    BaudFn m_setBaudRate = nullptr;
    TimeoutsFn m_setTimeouts = nullptr;
    HandleFn m_setRts = nullptr;
    HandleFn m_clrRts = nullptr;
};
