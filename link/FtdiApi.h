#pragma once
#include <cstdint>

// The eight calls of the USB cable's driver interface, in the shape the program uses
// them. Every call returns a status, 0 meaning success. Backends: the vendor's library
// loaded at run time, the kernel's serial driver, and the simulated unit.
using FT_HANDLE = void *;
using FT_STATUS = std::uint32_t;
using DWORD = std::uint32_t;

enum : FT_STATUS {
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_DEVICE_NOT_OPENED = 3,
    FT_IO_ERROR = 4,
    FT_INSUFFICIENT_RESOURCES = 5,
    FT_INVALID_PARAMETER = 6,
};

constexpr DWORD FT_OPEN_BY_DESCRIPTION = 2;

class FtdiApi
{
public:
    virtual ~FtdiApi() = default;
    virtual FT_STATUS FT_OpenEx(const char *description, DWORD flags, FT_HANDLE *handle) = 0;
    virtual FT_STATUS FT_Close(FT_HANDLE handle) = 0;
    // Returns once `toRead` bytes have arrived or the read time-out has passed, with what came.
    virtual FT_STATUS FT_Read(FT_HANDLE handle, void *buffer, DWORD toRead, DWORD *received) = 0;
    virtual FT_STATUS FT_Write(FT_HANDLE handle, const void *buffer, DWORD toWrite, DWORD *written) = 0;
    virtual FT_STATUS FT_SetBaudRate(FT_HANDLE handle, DWORD baud) = 0;
    virtual FT_STATUS FT_SetTimeouts(FT_HANDLE handle, DWORD readMs, DWORD writeMs) = 0;
    virtual FT_STATUS FT_SetRts(FT_HANDLE handle) = 0;
    virtual FT_STATUS FT_ClrRts(FT_HANDLE handle) = 0;
};
