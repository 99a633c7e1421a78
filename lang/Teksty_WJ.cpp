#include "lang/Teksty_WJ.h"

#include "lang/Teksty_WJ_dane.h"

int Nr_Jezyka = 1;
int Nr_Jezyka_Poprzedni = 1;

namespace {

QString g_teksty[Liczba_Jezykow][Liczba_Tekstow];
bool g_wczytane = false;

QString Zastepczy(int nr) { return QLatin1Char('?') + QString::number(nr); }

QString Tekst_lub_Zastepczy(const char16_t *tekst, int nr)
{
    return tekst ? QString::fromUtf16(tekst) : Zastepczy(nr);
}

} // namespace

void Wczytaj_WJ_do_tablicy()
{
    if (g_wczytane)
        return;
    g_wczytane = true;

    for (std::size_t i = 0; i < Liczba_Wpisow_WJ; ++i) {
        const Wpis_WJ &w = Wpisy_WJ[i];
        g_teksty[0][w.nr] = Tekst_lub_Zastepczy(w.pl, w.nr);
        g_teksty[1][w.nr] = Tekst_lub_Zastepczy(w.en, w.nr);
        g_teksty[2][w.nr] = g_teksty[3][w.nr] = g_teksty[4][w.nr] = Zastepczy(w.nr);
        g_teksty[5][w.nr] = Tekst_lub_Zastepczy(w.sk, w.nr);
    }
    for (std::size_t i = 0; i < Liczba_Wyjatkow_WJ; ++i) {
        const Wyjatek_WJ &w = Wyjatki_WJ[i];
        g_teksty[w.slot][w.nr] = QString::fromUtf16(w.tekst);
    }
}

const QString &Teksty_WJ(int slot, int index)
{
    // A bad index is a programming error; show nothing rather than read past the table.
    static const QString pusty;
    if (slot < 0 || slot >= Liczba_Jezykow || index < 0 || index >= Liczba_Tekstow)
        return pusty;
    return g_teksty[slot][index];
}

bool Jest_Wpis_WJ(int index)
{
    for (std::size_t i = 0; i < Liczba_Wpisow_WJ; ++i)
        if (Wpisy_WJ[i].nr == index)
            return true;
    return false;
}
