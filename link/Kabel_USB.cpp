#include "link/Kabel_USB.h"

FT_STATUS Otworz_Kabel_USB(FtdiApi &api, FT_HANDLE &Uchwyt_USB)
{
    const FT_STATUS status = api.FT_OpenEx(Opis_Kabla_USB, Flagi_Otwarcia_USB, &Uchwyt_USB);
    if (status == FT_OK) {
        api.FT_SetBaudRate(Uchwyt_USB, Predkosc_USB);
        api.FT_SetTimeouts(Uchwyt_USB, Czas_Odczytu_USB_ms, Czas_Zapisu_USB_ms);
    }
    return status;
}

QString Tekst_Bledu_USB(const QString &prefix, FT_STATUS status)
{
    switch (status) {
    case FT_OK: return QString();
    case FT_INVALID_HANDLE: return prefix + QStringLiteral(" - Invalid Handle...");
    case FT_DEVICE_NOT_FOUND: return prefix + QStringLiteral(" - Device Not Found....");
    case FT_DEVICE_NOT_OPENED: return prefix + QStringLiteral(" - Device Not Opened...");
    case FT_IO_ERROR: return prefix + QStringLiteral(" - General IO Error...");
    case FT_INSUFFICIENT_RESOURCES: return prefix + QStringLiteral(" - Insufficient Resources...");
    case FT_INVALID_PARAMETER: return prefix + QStringLiteral(" - Invalid Parameter ...");
    default: return prefix + QStringLiteral(" - status %1").arg(status);
    }
}

namespace {
FT_STATUS zglos(FT_STATUS status, const char *prefix, QStringList &bledy)
{
    if (status != FT_OK)
        bledy << Tekst_Bledu_USB(QLatin1String(prefix), status);
    return status;
}

Wynik_RTS operacjaRTS(FtdiApi &api, bool Polaczenie_USB, const Przyciski_RTS &obecne, bool ustaw)
{
    Wynik_RTS w;
    w.przyciski = obecne;
    if (!Polaczenie_USB)
        return w;
    FT_HANDLE Uchwyt_USB_RTS = nullptr;
    if (Open_USB_Device_By_Device_Description(api, Uchwyt_USB_RTS, w.bledy) != FT_OK)
        return w;
    w.zmienPrzyciski = true;
    if (ustaw) {
        w.przyciski.wlaczRTS = QStringLiteral("RTS ustawiony");
        w.przyciski.wylaczRTS = QStringLiteral("Kasuj RTS");
        Ustaw_Linie_RTS(api, Uchwyt_USB_RTS, w.bledy);
    } else {
        w.przyciski.wylaczRTS = QStringLiteral("RTS skasowany");
        w.przyciski.wlaczRTS = QStringLiteral("Ustaw RTS");
        Kasuj_Linie_RTS(api, Uchwyt_USB_RTS, w.bledy);
    }
    w.przyciski.wlaczRTSEnabled = !ustaw;
    w.przyciski.wylaczRTSEnabled = ustaw;
    Zamknij_USB_RTS(api, Uchwyt_USB_RTS, w.bledy);
    return w;
}
}

FT_STATUS Open_USB_Device_By_Device_Description(FtdiApi &api, FT_HANDLE &Uchwyt_USB_RTS, QStringList &bledy)
{
    return zglos(api.FT_OpenEx(Opis_Kabla_USB, Flagi_Otwarcia_USB, &Uchwyt_USB_RTS),
                 "Open_USB_Device_By_Device_Description", bledy);
}

FT_STATUS Zamknij_USB_RTS(FtdiApi &api, FT_HANDLE Uchwyt_USB_RTS, QStringList &bledy)
{
    return zglos(api.FT_Close(Uchwyt_USB_RTS), "FT_Close", bledy);
}

FT_STATUS Ustaw_Linie_RTS(FtdiApi &api, FT_HANDLE Uchwyt_USB_RTS, QStringList &bledy)
{
    return zglos(api.FT_SetRts(Uchwyt_USB_RTS), "FT_SetRTS", bledy);
}

FT_STATUS Kasuj_Linie_RTS(FtdiApi &api, FT_HANDLE Uchwyt_USB_RTS, QStringList &bledy)
{
    return zglos(api.FT_ClrRts(Uchwyt_USB_RTS), "FT_ClrRTS", bledy);
}

Wynik_RTS Ustaw_RTS(FtdiApi &api, bool Polaczenie_USB, const Przyciski_RTS &obecne)
{
    return operacjaRTS(api, Polaczenie_USB, obecne, true);
}

Wynik_RTS Kasuj_RTS(FtdiApi &api, bool Polaczenie_USB, const Przyciski_RTS &obecne)
{
    return operacjaRTS(api, Polaczenie_USB, obecne, false);
}
