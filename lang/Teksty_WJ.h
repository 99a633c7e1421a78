#pragma once
#include <QString>

// The translation table: six language slots of 801 texts, filled once at start-up
// from constants built into the program. A text is looked up by index in the current
// slot; there is no fallback and no search.
constexpr int Liczba_Jezykow = 6;
constexpr int Liczba_Tekstow = 801;

// Current slot (0 Polish, 1 English, 2 German, 3 Russian, 4 Czech, 5 Slovak) and the
// slot in force before the last change from the menu.
extern int Nr_Jezyka;
extern int Nr_Jezyka_Poprzedni;

// Fills the table; later calls change nothing.
void Wczytaj_WJ_do_tablicy();

// Teksty_WJ[slot][index]. Both arguments should be in range; outside it the result
// is the empty text.
const QString &Teksty_WJ(int slot, int index);

// True for an index that carries an entry; every other index is empty in every slot.
bool Jest_Wpis_WJ(int index);

// The text of an index in the current slot.
inline const QString &WJ(int index) { return Teksty_WJ(Nr_Jezyka, index); }
