#pragma once
#include <QString>
#include <QStringList>

// The code generator: a code-table number 0 to 9999 gives 256 four-digit codes; entry
// i - 1 belongs to apartment i. The codes depend on the number alone.

constexpr int Liczba_Kodow_Tabeli = 256;

// Kody_Tabeli of table number Value: 256 texts of four digits, "0000" where the source
// bytes do not give two values below 100.
QStringList Generuj_Kody_Tabeli(int Value);

// Position 1 to 511 of the source table at which the walk of table Value starts.
int Pozycja_Startowa_Tabeli(int Value);

// Descrambled source value at position 1 to 511 (0 outside).
int Wartosc_Zrodla_Kodow(int pozycja);

// The codes of the number asked for last, computed again only when the number changes:
// for the codes grid, which needs them on every repaint.
class CodeTableCache
{
public:
    const QStringList &codes(int Value);

private:
    int m_value = -1;
    QStringList m_codes;
};
