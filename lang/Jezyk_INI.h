#pragma once
#include <QString>

// The language slot kept in vezo.ini (Sciezka_Pliku_INI()), section "VEZO", key "Jezyk".

// Sets Nr_Jezyka and Nr_Jezyka_Poprzedni from the file: slot 1 (English) when the file,
// the section or the key is missing, the value is not an integer, or it lies outside 0-5.
void Odczytaj_Nr_Jezyka_z_INI();

// Writes Nr_Jezyka to the file. Returns the empty text, or the failure text for a
// message box; the slot stays in force either way.
[[nodiscard]] QString Zapisz_Nr_Jezyka_do_INI();
