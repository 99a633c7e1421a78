#include "model/Dane_Podstawowe.h"
#include "model/Bity.h"

#include <algorithm>

namespace {

bool lokal_w_zakresie(int i) { return i >= 1 && i <= Dane_Podstawowe::Liczba_Lokali; }
bool port_w_zakresie(int p) { return p == 1 || p == 2; }

// One half of a digit pair as the unit reads it.
int polowa_pary(quint8 bajt)
{
    const int v = bajt & 0x7F;
    return v > 99 ? v % 100 : v;
}

// Characters 1-2 and 3-4 of a text, each read as a decimal number 0 to 99, joined as
// one value 0 to 9999; -1 when either is not such a number.
int tekst_pary(QStringView tekst)
{
    auto dwie_cyfry = [](QStringView t) {
        bool ok = false;
        const int v = t.toInt(&ok);
        return ok && v >= 0 && v <= 99 ? v : -1;
    };
    const int pierwszy = dwie_cyfry(tekst.mid(0, 2));
    const int drugi = dwie_cyfry(tekst.mid(2, 2));
    return pierwszy < 0 || drugi < 0 ? -1 : pierwszy * 100 + drugi;
}

int bajt_we_portu(int p)
{
    return p == 1 ? Dane_Podstawowe::Bajt_Wartosc_We_Portu_P1 : Dane_Podstawowe::Bajt_Wartosc_We_Portu_P2;
}

int bajt_wy_portu(int p)
{
    return p == 1 ? Dane_Podstawowe::Bajt_Wyjscie_Portu_P1 : Dane_Podstawowe::Bajt_Wyjscie_Portu_P2;
}

} // namespace

void Dane_Podstawowe::Wyczysc_Do_Zbierania()
{
    std::fill(m_bajty.begin(), m_bajty.begin() + Ostatni_Bajt_Czyszczony, quint8(0));
}

QString Dane_Podstawowe::Para_Cyfr_Tekst(quint8 pierwszy, quint8 drugi)
{
    return StrToStr(QString::number(polowa_pary(pierwszy)))
         + StrToStr(QString::number(polowa_pary(drugi)));
}

QString Dane_Podstawowe::Para_Cyfr(int nr) const
{
    return Para_Cyfr_Tekst((*this)[nr], (*this)[nr + 1]);
}

bool Dane_Podstawowe::Ustaw_Para_Cyfr(int nr, int wartosc)
{
    if (wartosc < 0 || wartosc > 9999)
        return false;
    (*this)[nr] = static_cast<quint8>(wartosc / 100);
    (*this)[nr + 1] = static_cast<quint8>(wartosc % 100);
    return true;
}

bool Dane_Podstawowe::Ustaw_Para_Cyfr(int nr, QStringView tekst)
{
    return Ustaw_Para_Cyfr(nr, tekst_pary(tekst));
}

QString Dane_Podstawowe::Kod_Lokalu(int i) const
{
    return lokal_w_zakresie(i) ? Para_Cyfr(Bajt_Lokalu(i)) : QString();
}

bool Dane_Podstawowe::Ustaw_Kod_Lokalu(int i, int kod)
{
    if (!lokal_w_zakresie(i) || kod < 0 || kod > 9999)
        return false;
    const int nr = Bajt_Lokalu(i);
    (*this)[nr] = static_cast<quint8>(((*this)[nr] & 0x80) | (kod / 100));
    (*this)[nr + 1] = static_cast<quint8>(((*this)[nr + 1] & 0x80) | (kod % 100));
    return true;
}

bool Dane_Podstawowe::Ustaw_Kod_Lokalu(int i, QStringView kod)
{
    return Ustaw_Kod_Lokalu(i, tekst_pary(kod));
}

bool Dane_Podstawowe::Zezwolenie_Na_Dzwonienie(int i) const
{
    return lokal_w_zakresie(i) && !((*this)[Bajt_Lokalu(i)] & 0x80);
}

void Dane_Podstawowe::Ustaw_Zezwolenie_Na_Dzwonienie(int i, bool wlaczone)
{
    if (lokal_w_zakresie(i))
        Ustaw_Bit(Bajt_Lokalu(i), 7, !wlaczone);
}

bool Dane_Podstawowe::Podzwanianie(int i) const
{
    return lokal_w_zakresie(i) && !((*this)[Bajt_Lokalu(i) + 1] & 0x80);
}

void Dane_Podstawowe::Ustaw_Podzwanianie(int i, bool wlaczone)
{
    if (lokal_w_zakresie(i))
        Ustaw_Bit(Bajt_Lokalu(i) + 1, 7, !wlaczone);
}

bool Dane_Podstawowe::Glosno_Cicho(int i) const
{
    if (!lokal_w_zakresie(i))
        return false;
    return IntToBina((i - 1) % 8 + 1, (*this)[Bajt_Glosno_Cicho + (i - 1) / 8]) == 1;
}

void Dane_Podstawowe::Ustaw_Glosno_Cicho(int i, bool wlaczone)
{
    if (lokal_w_zakresie(i))
        Ustaw_Bit(Bajt_Glosno_Cicho + (i - 1) / 8, (i - 1) % 8, wlaczone);
}

QString Dane_Podstawowe::Kod_Administratora() const
{
    QString kod;
    for (int k = 0; k < 3; ++k) {
        const int v = IntToHex((*this)[Bajt_Kod_Administratora + k]);
        if (v >= 100)
            return QString();
        kod += StrToStr(QString::number(v));
    }
    return kod;
}

void Dane_Podstawowe::Ustaw_Kod_Administratora(const QString &kod)
{
    for (int k = 0; k < 3; ++k)
        Ustaw_Bajt(Bajt_Kod_Administratora + k, kod.isEmpty() ? 0x7F : HexToInt(kod.mid(2 * k, 2)));
}

int Dane_Podstawowe::Numer_Dodatkowy(int n) const
{
    const int nr = Bajt_Numeru_Dodatkowego(n);
    return nr == 0 ? 0 : (*this)[nr] + 256 * (*this)[nr + 1];
}

void Dane_Podstawowe::Ustaw_Numer_Dodatkowy(int n, int numer)
{
    const int nr = Bajt_Numeru_Dodatkowego(n);
    if (nr == 0)
        return;
    Ustaw_Bajt(nr, numer % 256);
    Ustaw_Bajt(nr + 1, numer / 256);
}

int Dane_Podstawowe::Adres_Numeru_Dodatkowego(int n) const
{
    const int nr = Bajt_Adresu_Numeru_Dodatkowego(n);
    return nr == 0 ? 0 : (*this)[nr];
}

void Dane_Podstawowe::Ustaw_Adres_Numeru_Dodatkowego(int n, int adres)
{
    const int nr = Bajt_Adresu_Numeru_Dodatkowego(n);
    if (nr != 0)
        Ustaw_Bajt(nr, adres);
}

int Dane_Podstawowe::Wartosc_We_Portu(int p) const
{
    return port_w_zakresie(p) ? (*this)[bajt_we_portu(p)] : 0;
}

void Dane_Podstawowe::Ustaw_Wartosc_We_Portu(int p, int wartosc)
{
    if (port_w_zakresie(p))
        Ustaw_Bajt(bajt_we_portu(p), wartosc);
}

int Dane_Podstawowe::Wyjscie_Portu(int p) const
{
    return port_w_zakresie(p) ? (*this)[bajt_wy_portu(p)] : 0;
}

void Dane_Podstawowe::Ustaw_Wyjscie_Portu(int p, int wartosc)
{
    if (port_w_zakresie(p))
        Ustaw_Bajt(bajt_wy_portu(p), wartosc);
}

int Dane_Podstawowe::Funkcja_Modulu_We_Wy(int p) const
{
    return port_w_zakresie(p) ? Polbajt(p, (*this)[Bajt_Moduly_We_Wy]) % 4 : 0;
}

void Dane_Podstawowe::Ustaw_Funkcja_Modulu_We_Wy(int p, int funkcja)
{
    if (!port_w_zakresie(p))
        return;
    const int bajt = (*this)[Bajt_Moduly_We_Wy];
    const int pol = funkcja & 0x0F;
    Ustaw_Bajt(Bajt_Moduly_We_Wy, p == 1 ? (bajt & 0xF0) | pol
                                         : Polbajt_Zmien_Na_Polbajt_Bardziej_Znaczacy(pol) | (bajt & 0x0F));
}

bool Dane_Podstawowe::Opcja(int k) const
{
    return k >= 1 && k <= 8 && IntToBina(k, (*this)[Bajt_Parametry_Centrali]) == 1;
}

void Dane_Podstawowe::Ustaw_Opcja(int k, bool wlaczona)
{
    if (k >= 1 && k <= 8)
        Ustaw_Bit(Bajt_Parametry_Centrali, k - 1, wlaczona);
}

int Dane_Podstawowe::Czas_Zamka() const
{
    const int czas = (*this)[Bajt_Zamek_i_Opoznienie] % 10;
    return czas == 0 ? 10 : czas;
}

int Dane_Podstawowe::Opoznienie() const
{
    return ((*this)[Bajt_Zamek_i_Opoznienie] / 10) * 10;
}

void Dane_Podstawowe::Ustaw_Czas_Zamka_i_Opoznienie(int czas_zamka, int opoznienie)
{
    Ustaw_Bajt(Bajt_Zamek_i_Opoznienie, opoznienie + czas_zamka % 10);
}

int Dane_Podstawowe::Przesuniecie() const
{
    return (*this)[Bajt_Przesuniecie] * 256 + (*this)[Bajt_Przesuniecie + 1];
}

void Dane_Podstawowe::Ustaw_Przesuniecie(int v)
{
    Ustaw_Bajt(Bajt_Przesuniecie, v / 256);
    Ustaw_Bajt(Bajt_Przesuniecie + 1, v % 256);
}

void Dane_Podstawowe::Ustaw_Bit(int nr, int bit, bool jest)
{
    const quint8 maska = static_cast<quint8>(1u << bit);
    (*this)[nr] = jest ? quint8((*this)[nr] | maska) : quint8((*this)[nr] & ~maska);
}
