#include "lang/Jezyk_INI.h"

#include "lang/Teksty_WJ.h"
#include "model/PlikIni.h"

namespace {
const QString Sekcja = QStringLiteral("VEZO");
const QString Klucz = QStringLiteral("Jezyk");
constexpr int Domyslny_Jezyk = 1;
} // namespace

void Odczytaj_Nr_Jezyka_z_INI()
{
    int nr = PlikIni(Sciezka_Pliku_INI()).readInt(Sekcja, Klucz, Domyslny_Jezyk);
    if (nr < 0 || nr >= Liczba_Jezykow)
        nr = Domyslny_Jezyk;
    Nr_Jezyka_Poprzedni = nr;
    Nr_Jezyka = nr;
}

QString Zapisz_Nr_Jezyka_do_INI()
{
    return PlikIni(Sciezka_Pliku_INI()).writeInt(Sekcja, Klucz, Nr_Jezyka);
}
