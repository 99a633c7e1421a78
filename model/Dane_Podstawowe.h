#pragma once
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <array>

// The basic-data image: 528 bytes numbered from 1. Bytes 1 to 256 are the unit's image
// (block n, 0 to 31, is bytes 8*n + 1 to 8*n + 8); bytes 257 to 528 exist only in
// settings files.
//
// Every setting of the unit's layout has its byte number below, written down once, and a
// reader and a writer that know its encoding. Readers never fail: they decode whatever
// the bytes hold, as the unit does. Writers store the low 8 bits of what they are given.
// Apartment, additional-number, port and option numbers outside their range are ignored
// (readers give 0 or false).
class Dane_Podstawowe
{
public:
    static constexpr int Rozmiar = 528;
    static constexpr int Rozmiar_Obrazu = 256;
    static constexpr int Liczba_Blokow = 32;
    static constexpr int Bajtow_W_Bloku = 8;
    static constexpr int Liczba_Lokali = 64;

    // Byte numbers of the settings (first byte of a multi-byte setting).
    static constexpr int Bajt_Numer_Tabeli_Kodow = 1;       // digit pair, 1-2
    static constexpr int Bajt_Pierwszego_Lokalu = 3;        // apartment i: 2*i + 1, 2*i + 2
    static constexpr int Bajt_Glosno_Cicho = 209;           // flag list, 209-216
    static constexpr int Bajt_Numer_Dodatkowy_3 = 217;      // 16-bit LE, address at +2
    static constexpr int Bajt_Numer_Dodatkowy_4 = 221;
    static constexpr int Bajt_Wartosc_We_Portu_P1 = 225;
    static constexpr int Bajt_Wartosc_We_Portu_P2 = 226;
    static constexpr int Bajt_Wyjscie_Portu_P1 = 227;
    static constexpr int Bajt_Wyjscie_Portu_P2 = 228;
    static constexpr int Bajt_Moduly_We_Wy = 229;           // low half: port 1, high: port 2
    static constexpr int Bajt_Liczba_Dzwonkow = 231;
    static constexpr int Bajt_Przerwa_Miedzy_Dzwonkami = 232;
    static constexpr int Bajt_Kod_Administratora = 233;     // BCD, 233-235
    static constexpr int Bajt_Ton_Dzwonka = 236;
    static constexpr int Bajt_Haslo_Instalatora = 238;      // digit pair, 238-239
    static constexpr int Bajt_Wejscie_Dodatkowe = 240;
    static constexpr int Bajt_Numer_Dodatkowy_1 = 241;
    static constexpr int Bajt_Numer_Dodatkowy_2 = 245;
    static constexpr int Bajt_Parametry_Centrali = 249;     // option k is bit k - 1
    static constexpr int Bajt_Zamek_i_Opoznienie = 250;
    static constexpr int Bajt_Przesuniecie = 253;           // 16-bit BE, 253 high
    static constexpr int Bajt_Zacisk_Od = 255;
    static constexpr int Bajt_Zacisk_Do = 256;
    // Gathering from the editors clears bytes 1 to this one; the rest of the file-only
    // bytes are carried from file to file.
    static constexpr int Ostatni_Bajt_Czyszczony = 520;

    // Bytes of apartment i (1 to 64); i = 0 gives the code-table number's slot.
    static constexpr int Bajt_Lokalu(int i) { return 2 * i + 1; }
    // First byte of additional number n (1 to 4), 0 for any other n.
    static constexpr int Bajt_Numeru_Dodatkowego(int n)
    {
        return n == 1 ? Bajt_Numer_Dodatkowy_1
             : n == 2 ? Bajt_Numer_Dodatkowy_2
             : n == 3 ? Bajt_Numer_Dodatkowy_3
             : n == 4 ? Bajt_Numer_Dodatkowy_4 : 0;
    }
    static constexpr int Bajt_Adresu_Numeru_Dodatkowego(int n)
    {
        return Bajt_Numeru_Dodatkowego(n) == 0 ? 0 : Bajt_Numeru_Dodatkowego(n) + 2;
    }

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

    // First step of every gathering: bytes 1 to 520 to 0, bytes 521 to 528 kept.
    void Wyczysc_Do_Zbierania();

    // Digit pairs. The text form is four digits: each byte's low 7 bits, reduced modulo
    // 100 above 99, two digits each. Also used for the unit's password outside the image.
    // nr is the first of the two bytes, 1 to 527.
    static QString Para_Cyfr_Tekst(quint8 pierwszy, quint8 drugi);
    QString Para_Cyfr(int nr) const;
    // Stores wartosc div 100 and wartosc mod 100 as plain numbers; false (nothing stored)
    // outside 0 to 9999.
    bool Ustaw_Para_Cyfr(int nr, int wartosc);
    // Characters 1-2 and 3-4 of the text, each read as a decimal number, into the two
    // bytes; false (nothing stored) when either is not a number 0 to 99.
    bool Ustaw_Para_Cyfr(int nr, QStringView tekst);

    QString Numer_Tabeli_Kodow() const { return Para_Cyfr(Bajt_Numer_Tabeli_Kodow); }
    bool Ustaw_Numer_Tabeli_Kodow(int numer) { return Ustaw_Para_Cyfr(Bajt_Numer_Tabeli_Kodow, numer); }
    QString Haslo_Instalatora() const { return Para_Cyfr(Bajt_Haslo_Instalatora); }
    bool Ustaw_Haslo_Instalatora(int haslo) { return Ustaw_Para_Cyfr(Bajt_Haslo_Instalatora, haslo); }

    // Apartment i (1 to 64). The code lives in the low 7 bits of both bytes; setting it
    // keeps the two flags in bit 7, and setting a flag keeps the code.
    QString Kod_Lokalu(int i) const;
    bool Ustaw_Kod_Lokalu(int i, int kod);
    bool Ustaw_Kod_Lokalu(int i, QStringView kod);
    // "Zez" and "Pod": bit 7 clear means on.
    bool Zezwolenie_Na_Dzwonienie(int i) const;
    void Ustaw_Zezwolenie_Na_Dzwonienie(int i, bool wlaczone);
    bool Podzwanianie(int i) const;
    void Ustaw_Podzwanianie(int i, bool wlaczone);
    // "G-c": flag list, set means on.
    bool Glosno_Cicho(int i) const;
    void Ustaw_Glosno_Cicho(int i, bool wlaczone);

    // Administrator code: six digits, or an empty text when the bytes hold no code
    // (7F 7F 7F or any half-byte above 9). An empty text stores 7F 7F 7F; any other text
    // goes through HexToInt by characters 1-2, 3-4 and 5-6.
    QString Kod_Administratora() const;
    void Ustaw_Kod_Administratora(const QString &kod);

    // Additional numbers n = 1 to 4: 16-bit little-endian number and an address byte.
    // The number is stored as value mod 256 and value div 256, so -1 (a list without a
    // selection) stores 255 and 0.
    int Numer_Dodatkowy(int n) const;
    void Ustaw_Numer_Dodatkowy(int n, int numer);
    int Adres_Numeru_Dodatkowego(int n) const;
    void Ustaw_Adres_Numeru_Dodatkowego(int n, int adres);

    // I/O module ports p = 1, 2.
    int Wartosc_We_Portu(int p) const;
    void Ustaw_Wartosc_We_Portu(int p, int wartosc);
    int Wyjscie_Portu(int p) const;
    void Ustaw_Wyjscie_Portu(int p, int wartosc);
    // Function number 0 to 3 of the module on port p: half-byte of byte 229 mod 4.
    int Funkcja_Modulu_We_Wy(int p) const;
    void Ustaw_Funkcja_Modulu_We_Wy(int p, int funkcja);

    int Liczba_Dzwonkow() const { return (*this)[Bajt_Liczba_Dzwonkow]; }
    void Ustaw_Liczba_Dzwonkow(int v) { Ustaw_Bajt(Bajt_Liczba_Dzwonkow, v); }
    int Przerwa_Miedzy_Dzwonkami() const { return (*this)[Bajt_Przerwa_Miedzy_Dzwonkami]; }
    void Ustaw_Przerwa_Miedzy_Dzwonkami(int v) { Ustaw_Bajt(Bajt_Przerwa_Miedzy_Dzwonkami, v); }
    int Ton_Dzwonka() const { return (*this)[Bajt_Ton_Dzwonka]; }
    void Ustaw_Ton_Dzwonka(int v) { Ustaw_Bajt(Bajt_Ton_Dzwonka, v); }
    // 0: opening; any other value: ringing to that apartment.
    int Wejscie_Dodatkowe() const { return (*this)[Bajt_Wejscie_Dodatkowe]; }
    void Ustaw_Wejscie_Dodatkowe(int v) { Ustaw_Bajt(Bajt_Wejscie_Dodatkowe, v); }
    int Zacisk_Od() const { return (*this)[Bajt_Zacisk_Od]; }
    void Ustaw_Zacisk_Od(int v) { Ustaw_Bajt(Bajt_Zacisk_Od, v); }
    int Zacisk_Do() const { return (*this)[Bajt_Zacisk_Do]; }
    void Ustaw_Zacisk_Do(int v) { Ustaw_Bajt(Bajt_Zacisk_Do, v); }

    // Unit-wide option k (1 to 8): bit k - 1 of byte 249.
    int Parametry_Centrali() const { return (*this)[Bajt_Parametry_Centrali]; }
    void Ustaw_Parametry_Centrali(int v) { Ustaw_Bajt(Bajt_Parametry_Centrali, v); }
    bool Opcja(int k) const;
    void Ustaw_Opcja(int k, bool wlaczona);

    // Lock time 1 to 10 s (10 kept as 0 in the units digit) and delay in whole tens.
    int Czas_Zamka() const;
    int Opoznienie() const;
    // byte 250 := opoznienie + (czas_zamka mod 10); a delay that is not a multiple of 10
    // does not come back unchanged.
    void Ustaw_Czas_Zamka_i_Opoznienie(int czas_zamka, int opoznienie);

    // 16-bit big-endian, byte 253 high.
    int Przesuniecie() const;
    void Ustaw_Przesuniecie(int v);

private:
    void Ustaw_Bajt(int nr, int v) { (*this)[nr] = static_cast<quint8>(v); }
    void Ustaw_Bit(int nr, int bit, bool jest);

    std::array<quint8, Rozmiar> m_bajty{};
};
