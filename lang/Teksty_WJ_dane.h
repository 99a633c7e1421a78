#pragma once
#include <cstddef>

// The constant texts the translation table is built from.

// One index with its Polish, English and Slovak text. nullptr stands for the
// placeholder "?N" of that index; u"" is the empty text.
struct Wpis_WJ {
    int nr;
    const char16_t *pl;
    const char16_t *en;
    const char16_t *sk;
};

// A text of one slot that differs from what the rows above give it (the German,
// Russian and Czech slots hold the placeholder of every entry otherwise).
struct Wyjatek_WJ {
    int slot;
    int nr;
    const char16_t *tekst;
};

extern const Wpis_WJ Wpisy_WJ[];
extern const std::size_t Liczba_Wpisow_WJ;
extern const Wyjatek_WJ Wyjatki_WJ[];
extern const std::size_t Liczba_Wyjatkow_WJ;
