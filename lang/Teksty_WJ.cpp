#include "lang/Teksty_WJ.h"

int Nr_Jezyka = 1;
int Nr_Jezyka_Poprzedni = 1;

namespace {
QString g_teksty[Liczba_Jezykow][Liczba_Tekstow];
}

void Wczytaj_WJ_do_tablicy() {}

const QString &Teksty_WJ(int slot, int index) { return g_teksty[slot][index]; }
