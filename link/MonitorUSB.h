#pragma once
#include "link/FtdiApi.h"
#include "link/LinkClock.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

// Data line of a log entry: "Char: ", the bytes as characters (0 as a blank), four
// blanks, "Int.: ", each value in decimal followed by a blank.
QString Linia_Danych_USB(const QByteArray &bajty);

struct Kolor_RGB
{
    int r, g, b;
    bool operator==(const Kolor_RGB &o) const { return r == o.r && g == o.g && b == o.b; }
};
inline constexpr Kolor_RGB Lampka_Czerwona{240, 10, 10};
inline constexpr Kolor_RGB Lampka_Zielona{10, 240, 10};

// What one tick asks the status bar and the test page's log to show.
struct Wynik_Tiku_USB
{
    bool polaczenie = false;
    Kolor_RGB lampka = Lampka_Czerwona;
    int nrTekstuPolaczenia = 771;  // 770 connected, 771 no cable
    QString tekstPolaczenia;
    bool malujWersje = false;      // the version field is painted on this tick
    int nrTekstuWersji = 773;      // 772 (with the version) or 773
    QString tekstWersji;
    int odpowiedzWersji = -1;      // the version query's result when asked on this tick
    QStringList liniePamieci;      // lines to add to D1_Memo_USB_Test_1
};

// The connection monitor's state and its tick, run by Timer_USB every 100 ms. It holds
// the only copies of Polaczenie_USB and Wersja_Odczytana.
class MonitorUSB
{
public:
    static constexpr int Bajtow_Nasluchu = 33;

    MonitorUSB(FtdiApi &api, LinkClock &clock);

    Wynik_Tiku_USB tick();

    bool Polaczenie_USB() const { return m_polaczenie; }
    bool Wersja_Odczytana() const { return m_wersjaOdczytana; }
    bool Nasluchiwanie_USB() const { return m_nasluchiwanie; }
    void setNasluchiwanie_USB(bool on) { m_nasluchiwanie = on; }

private:
    FtdiApi &m_api;
    LinkClock &m_clock;
    bool m_polaczenie = false;
    bool m_wersjaOdczytana = false;
    bool m_nasluchiwanie = false;
};
