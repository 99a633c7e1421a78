#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "model/Dane_Podstawowe.h"

// The ".qor" settings file: 591 bytes, integers little-endian.
//   0  format word      4  device word      8  table version
//  12  description length (0 to 50)        13  description, 50 bytes, Windows-1250
//  63  image bytes 1 to 528
namespace Plik_Ustawien {

// Numbers written into every settings file. The reader refuses a file whose device or
// table version differs from these; the format word is never compared.
constexpr qint32 Slowo_Formatu = 4;
constexpr qint32 Numer_Urzadzenia = 1;
constexpr qint32 Nr_wersji_Tablicy = 39;

constexpr int Rozmiar = 591;
constexpr int Pozycja_Dlugosci_Opisu = 12;
constexpr int Pozycja_Opisu = 13;
constexpr int Pojemnosc_Opisu = 50;
constexpr int Pozycja_Obrazu = 63;
constexpr int Rozmiar_Naglowka = 12;

// String indexes of the refusals, for the window's message.
constexpr int Tekst_Inne_Urzadzenie = 721;
constexpr int Tekst_Inna_Wersja = 774;
constexpr int Tekst_Za_Krotki = 775;

struct Wynik_Odczytu
{
    enum Stan { Wczytany, Odrzucony, Blad };
    Stan stan = Blad;
    Dane_Podstawowe dane;   // when Wczytany: all 528 bytes of the file
    QString opis;           // when Wczytany: the short description
    int nr_tekstu = 0;      // when Odrzucony: 721, 774 or 775
    QString komunikat;      // when Blad: the platform's text, naming the file
};

struct Wynik_Zapisu
{
    bool ok = false;
    QString komunikat;      // when not ok: the platform's text, naming the file
};

// The 591 bytes of a file holding this image and description. The description is
// converted to Windows-1250 and cut to its first 50 bytes; unused bytes of the field
// are 0.
QByteArray Zbuduj(const Dane_Podstawowe &dane, const QString &opis);

// Decodes the bytes of a file. The device word is tested before the version word; a
// text shorter than 591 bytes is refused with 775, a longer one is read up to its 591st
// byte, a length byte above 50 reads as 50. komunikat is left empty.
Wynik_Odczytu Rozbierz(const QByteArray &bajty);

// Reads the file at sciezka. Nothing past the first 591 bytes is read.
Wynik_Odczytu Odczytaj(const QString &sciezka);

// Writes the file at sciezka. The image must already be gathered. The file is replaced
// only once it is complete: after a failure the previous file is still there unchanged.
Wynik_Zapisu Zapisz(const QString &sciezka, const Dane_Podstawowe &dane, const QString &opis);

} // namespace Plik_Ustawien
