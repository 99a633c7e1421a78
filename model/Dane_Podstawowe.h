#pragma once
#include <QtGlobal>
#include <array>

// The basic-data image: 528 bytes numbered from 1. Bytes 1 to 256 are the unit's image
// (block n, 0 to 31, is bytes 8*n + 1 to 8*n + 8); bytes 257 to 528 exist only in
// settings files.
class Dane_Podstawowe
{
public:
    static constexpr int Rozmiar = 528;
    static constexpr int Rozmiar_Obrazu = 256;
    static constexpr int Liczba_Blokow = 32;
    static constexpr int Bajtow_W_Bloku = 8;

    // Byte number nr, 1 to 528.
    quint8 &operator[](int nr) { return m_bajty[static_cast<size_t>(nr - 1)]; }
    quint8 operator[](int nr) const { return m_bajty[static_cast<size_t>(nr - 1)]; }

    // The eight bytes of block n (0 to 31), in the order they travel.
    quint8 *blok(int n) { return m_bajty.data() + 8 * n; }
    const quint8 *blok(int n) const { return m_bajty.data() + 8 * n; }

    quint8 *data() { return m_bajty.data(); }
    const quint8 *data() const { return m_bajty.data(); }

    bool operator==(const Dane_Podstawowe &o) const { return m_bajty == o.m_bajty; }
    bool operator!=(const Dane_Podstawowe &o) const { return m_bajty != o.m_bajty; }

private:
    std::array<quint8, Rozmiar> m_bajty{};
};
