#include "model/Bity.h"

namespace {

// Width of the field Bit_Start to Bit_Stop inside a 32-bit word, 0 when there is none.
// Kept apart so that no shift by 32 or more is ever computed.
int szerokosc_pola(int start, int stop)
{
    if (start < 0 || start > 31 || stop < start)
        return 0;
    return qMin(stop, 31) - start + 1;
}

quint32 maska(int szerokosc)
{
    return quint32((quint64(1) << szerokosc) - 1);
}

} // namespace

QString StrToStr(const QString &Value)
{
    return Value.size() == 1 ? QLatin1Char('0') + Value : Value;
}

int IntToHex(int Value)
{
    const int nizszy = Value & 0x0F;
    return (Value / 16) * 10 + (nizszy > 9 ? 100 : nizszy);
}

int HexToInt(const QString &Value)
{
    if (Value.size() != 2)
        return 0;
    auto cyfra = [](QChar c) {
        const int kod = c.unicode();
        return kod <= '9' ? kod - 48 : kod - 55;
    };
    return cyfra(Value[0]) * 16 + cyfra(Value[1]);
}

int IntToBina(int Bit_nr, int Liczba)
{
    if (Liczba > 255)
        return 3;
    if (Bit_nr < 1)
        return 0;
    return int((quint32(Liczba) >> ((Bit_nr - 1) % 8)) & 1u);
}

int BinaToInt(int Bit_nr, int Wartosc)
{
    if (Bit_nr < 1 || Bit_nr > 8)
        return 3;
    return (Wartosc & 1) << (Bit_nr - 1);
}

int Polbajt(int Nr_czesci_polbajtu, int Bajt)
{
    return Nr_czesci_polbajtu % 2 != 0 ? (Bajt & 0x0F) : ((Bajt >> 4) & 0x0F);
}

int Polbajt_Zmien_Na_Polbajt_Bardziej_Znaczacy(int Liczba)
{
    return (Liczba % 16) * 16;
}

int Cwiercbajt(int Nr_czesci_cwiercbajtu, int Bajt)
{
    const int czesc = ((Nr_czesci_cwiercbajtu % 4) + 4) % 4;
    const int przesuniecie = czesc == 0 ? 6 : 2 * (czesc - 1);
    return (Bajt >> przesuniecie) & 0x03;
}

int Wartosc_bitow_Od_Do(int Bit_Start, int Bit_Stop, int Bajt)
{
    const int szerokosc = szerokosc_pola(Bit_Start, Bit_Stop);
    if (szerokosc == 0)
        return 0;
    return int((quint32(Bajt) >> Bit_Start) & maska(szerokosc));
}

int Wartosc_liczby_na_bitach_Od_Do(int Bit_Start, int Bit_Stop, int Bajt)
{
    const int szerokosc = szerokosc_pola(Bit_Start, Bit_Stop);
    if (szerokosc == 0)
        return 0;
    return int((quint32(Bajt) & maska(szerokosc)) << Bit_Start);
}
