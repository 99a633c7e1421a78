#pragma once
#include "link/FtdiApi.h"
#include "link/LinkClock.h"
#include "model/Dane_Podstawowe.h"
#include <QByteArray>
#include <QString>
#include <array>

// Three-byte command frame: command, argument, (command + argument + 1) mod 256.
std::array<quint8, 3> Ramka_Rozkazu(quint8 rozkaz, quint8 argument);
inline constexpr quint8 Potwierdzenie_USB = 0xFD;

// The exchanges of one frame with the unit, on a cable already opened with
// Otworz_Kabel_USB. They neither open nor close it, never purge the receive queue, and
// take every pause from the clock. Only the bytes received decide; call statuses are
// not looked at.
class Wymiana
{
public:
    static constexpr int Liczba_Prob = 4;
    static constexpr int Pauza_Wersji_ms = 10;
    static constexpr int Pauza_Bloku_ms = 3;
    static constexpr int Dodatkowe_Odczyty_Potwierdzenia = 11;
    static constexpr int Pauza_Potwierdzenia_ms = 20;
    static constexpr int Blok_Hasla = 125;

    Wymiana(FtdiApi &api, LinkClock &clock, FT_HANDLE Uchwyt_USB);

    // The version byte, or 0 when no attempt brought a byte other than 0.
    int D1_Odczytaj_Numer_wersji();
    // Four digits from block 125, or "----" when the unit did not answer.
    QString D1_Odczytaj_Haslo_Instalatora();
    // Block n (0-31) into bytes 8n+1..8n+8 of the image: 1, or 0 with the image unchanged.
    int D1_Odczytaj_Osiem_Bajtow(int Nr_Osmiu_Bajtow, Dane_Podstawowe &dane);
    // Block n (0-31) of the image to the unit: 1 once acknowledged, else 0.
    int D1_Zapisz_Osiem_Bajtow(int Nr_Osmiu_Bajtow, const Dane_Podstawowe &dane);
    // Closing command of a write run, 22 01 24; no answer is read.
    void D1_Zakoncz_Zapis();

    // One write of the bytes; one read of up to `ile` bytes (fewer on time-out).
    void wyslij(const quint8 *bajty, int ile);
    void wyslij(const std::array<quint8, 3> &ramka) { wyslij(ramka.data(), 3); }
    QByteArray odczytaj(int ile, FT_STATUS *status = nullptr);

private:
    // Up to four attempts of: frame, pause, read `ile`; accepted when the read brought
    // `ile` bytes whose last is the acknowledgement.
    bool ramkaZPotwierdzeniem(quint8 rozkaz, quint8 argument, int ile, QByteArray &odpowiedz);

    FtdiApi &m_api;
    LinkClock &m_clock;
    FT_HANDLE m_uchwyt;
};
