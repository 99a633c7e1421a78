#pragma once
#include <QString>

// Bit-field helpers used by the conversions between the basic-data image and the editors.
// They keep the system's own definitions, odd cases included; integers are 32-bit signed.
// IntToBina and BinaToInt number bits from 1, the two range helpers from 0.

// "0" + Value when Value has exactly one character, else Value unchanged.
QString StrToStr(const QString &Value);

// Decodes a BCD byte: (Value div 16) * 10 plus the low half-byte, where a low half-byte
// of 10 to 15 adds 100 instead. A result of 100 or more marks a byte that is not BCD.
int IntToHex(int Value);

// Two characters read as hexadecimal digits (code - 48 up to '9', code - 55 above),
// first * 16 + second; 0 for a text of any other length.
int HexToInt(const QString &Value);

// Bit (Bit_nr - 1) mod 8 of Liczba as 0 or 1; 3 when Liczba is above 255; 0 for a bit
// number below 1.
int IntToBina(int Bit_nr, int Liczba);

// (Wartosc AND 1) moved to bit number Bit_nr (1 = least significant); 3 outside 1 to 8.
int BinaToInt(int Bit_nr, int Wartosc);

// Low half-byte of Bajt for an odd part number, high half-byte moved down for an even one.
int Polbajt(int Nr_czesci_polbajtu, int Bajt);

// (Liczba mod 16) * 16.
int Polbajt_Zmien_Na_Polbajt_Bardziej_Znaczacy(int Liczba);

// Two-bit field of Bajt moved down; part number mod 4: 1 bits 0-1, 2 bits 2-3,
// 3 bits 4-5, 0 bits 6-7 (negative part numbers taken modulo 4 as well).
int Cwiercbajt(int Nr_czesci_cwiercbajtu, int Bajt);

// Bits Bit_Start to Bit_Stop of Bajt (from 0), moved down; 0 when Bit_Stop < Bit_Start.
// Both range helpers give 0 for a start outside 0 to 31 and stop the field at bit 31.
int Wartosc_bitow_Od_Do(int Bit_Start, int Bit_Stop, int Bajt);

// The low (Bit_Stop - Bit_Start + 1) bits of Bajt moved up to Bit_Start; 0 when
// Bit_Stop < Bit_Start.
int Wartosc_liczby_na_bitach_Od_Do(int Bit_Start, int Bit_Stop, int Bajt);
