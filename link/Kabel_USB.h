#pragma once
#include "link/FtdiApi.h"
#include <QString>
#include <QStringList>

// The cable and how it is opened for one exchange.
inline constexpr char Opis_Kabla_USB[] = "OIILML";
inline constexpr DWORD Flagi_Otwarcia_USB = FT_OPEN_BY_DESCRIPTION;
inline constexpr DWORD Predkosc_USB = 9600;
inline constexpr DWORD Czas_Odczytu_USB_ms = 500;
inline constexpr DWORD Czas_Zapisu_USB_ms = 500;
inline constexpr int Okres_Timer_USB_ms = 100;

// Opens the cable by its description into `Uchwyt_USB`; only when that succeeds sets
// 9600 baud and the 500/500 ms time-outs. Result: the status of the open. The caller
// closes the handle when its exchange is done.
FT_STATUS Otworz_Kabel_USB(FtdiApi &api, FT_HANDLE &Uchwyt_USB);

// Text of the error box for a failed call: empty for status 0, otherwise the prefix and
// the status's text (" - status N" for a status without one).
QString Tekst_Bledu_USB(const QString &prefix, FT_STATUS status);

// RTS-side wrappers on their own handle. Each returns the call's status and appends the
// text of an error box to `bledy` when the status is not 0.
FT_STATUS Open_USB_Device_By_Device_Description(FtdiApi &api, FT_HANDLE &Uchwyt_USB_RTS, QStringList &bledy);
FT_STATUS Zamknij_USB_RTS(FtdiApi &api, FT_HANDLE Uchwyt_USB_RTS, QStringList &bledy);
FT_STATUS Ustaw_Linie_RTS(FtdiApi &api, FT_HANDLE Uchwyt_USB_RTS, QStringList &bledy);
FT_STATUS Kasuj_Linie_RTS(FtdiApi &api, FT_HANDLE Uchwyt_USB_RTS, QStringList &bledy);

// Captions and states of the two RTS buttons of the test page. The line's state is read
// back from the caption of Button_wlaczRTS ("Ustaw RTS" until Ustaw_RTS has run).
struct Przyciski_RTS
{
    QString wlaczRTS = QStringLiteral("Ustaw RTS");
    QString wylaczRTS = QStringLiteral("Wyłącz RTS");
    bool wlaczRTSEnabled = true;
    bool wylaczRTSEnabled = true;

    bool rtsUstawiony() const { return wlaczRTS != QLatin1String("Ustaw RTS"); }
};

// What an RTS operation asks the window to do: new button states (when `zmienPrzyciski`)
// and error boxes (stop icon, OK) to show in order.
struct Wynik_RTS
{
    bool zmienPrzyciski = false;
    Przyciski_RTS przyciski;
    QStringList bledy;
};

// Set or clear the cable's RTS line; nothing at all while Polaczenie_USB is false. A failed
// open ends the operation with the buttons unchanged; a failed set, clear or close is
// reported and the operation goes on.
Wynik_RTS Ustaw_RTS(FtdiApi &api, bool Polaczenie_USB, const Przyciski_RTS &obecne);
Wynik_RTS Kasuj_RTS(FtdiApi &api, bool Polaczenie_USB, const Przyciski_RTS &obecne);
