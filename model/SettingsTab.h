#pragma once
#include "model/StringGrid.h"
#include "model/Dane_Podstawowe.h"
#include <QObject>
#include <QString>
#include <array>

// The contents of the settings tab: the three string grids, the code-table number
// label and the selections of the option lists. This is the working copy of the image
// while the installer edits; the window's controls display it.
class SettingsTab : public QObject
{
    Q_OBJECT
public:
    // The drop-down lists of the tab whose selected item carries a setting.
    enum Lista {
        Wejscie_dodatkowe,
        Parametry_centrali_bit_1, Parametry_centrali_bit_2, Parametry_centrali_bit_3,
        Parametry_centrali_bit_4, Parametry_centrali_bit_5, Parametry_centrali_bit_6,
        Parametry_centrali_bit_7, Parametry_centrali_bit_8,
        Numery_dodatkowe_1_Numer, Numery_dodatkowe_1_Adres,
        Numery_dodatkowe_2_Numer, Numery_dodatkowe_2_Adres,
        Numery_dodatkowe_3_Numer, Numery_dodatkowe_3_Adres,
        Numery_dodatkowe_4_Numer, Numery_dodatkowe_4_Adres,
        Wartosc_we_portu_P1, Wartosc_we_portu_P2,
        Wyjscie_portu_P1, Wyjscie_portu_P2,
        Modul_we_wy_1, Modul_we_wy_2,
        Liczba_List
    };
    static Lista Opcja(int k) { return static_cast<Lista>(Parametry_centrali_bit_1 + k - 1); }
    static Lista Numer_dodatkowy(int n) { return static_cast<Lista>(Numery_dodatkowe_1_Numer + 2 * (n - 1)); }
    static Lista Adres_dodatkowy(int n) { return static_cast<Lista>(Numery_dodatkowe_1_Adres + 2 * (n - 1)); }
    // Number of items of a list; item index = value for every list.
    static int Liczba_Pozycji(Lista lista);

    // Grid sizes (columns x rows), one fixed row and column each.
    static constexpr int Kody_Kolumny = 11, Kody_Wiersze = 8;
    static constexpr int Parametry_Kolumny = 2, Parametry_Wiersze = 11;
    static constexpr int Dzwonki_Kolumny = 31, Dzwonki_Wiersze = 8;

    explicit SettingsTab(QObject *parent = nullptr);

    StringGrid D1_StringGrid_Kody_Lokali{Kody_Kolumny, Kody_Wiersze};
    StringGrid D1_StringGrid_Parametry{Parametry_Kolumny, Parametry_Wiersze};
    StringGrid D1_StringGrid_Ustawienia_Dzwonienia{Dzwonki_Kolumny, Dzwonki_Wiersze};

    // Cell positions of apartment n (1 to 64; 0 and 65 to 69 have cells but no setting).
    static int Kolumna_Kodu(int n) { return n % 10 + 1; }
    static int Wiersz_Lokalu(int n) { return n / 10 + 1; }
    static int Lokal_Komorki_Kodu(int col, int row) { return (row - 1) * 10 + (col - 1); }
    // attribute 0 "Zez", 1 "G-c", 2 "Pod"
    static int Kolumna_Dzwonka(int n, int atrybut) { return 3 * (n % 10) + 1 + atrybut; }
    static int Lokal_Komorki_Dzwonka(int col, int row) { return (col - 1) / 3 + (row - 1) * 10; }

    const QString &Kod_Lokalu(int n) const;
    void Ustaw_Kod_Lokalu(int n, const QString &kod);
    const QString &Dzwonek(int n, int atrybut) const;
    void Ustaw_Dzwonek(int n, int atrybut, const QString &text);
    const QString &Parametr(int row) const;
    void Ustaw_Parametr(int row, const QString &text);

    // Caption of D1_Label_Numer_Tabeli_kodow_lokali: the code-table number, four digits.
    const QString &Numer_Tabeli_kodow_lokali() const { return m_numerTabeli; }
    void Ustaw_Numer_Tabeli_kodow_lokali(const QString &numer);

    // Selected item of a list, -1 for none. Setting it from here never runs the
    // list's change handler; the window runs those only for the user's changes.
    int ItemIndex(Lista lista) const { return m_wybor[lista]; }
    void setItemIndex(Lista lista, int index);

    // The caption of the extra input's label follows its list: 166 for the first
    // item, 167 otherwise (also with no selection).
    int Etykieta_Wejscia_dodatkowego() const;
    // The caption of option 3 follows the module version (radio item 0 or 1); -1 leaves it.
    static int Etykieta_Opcji_3(int wersjaModulu);

    // The two description lines of I/O port 1 or 2, in the current language.
    std::array<QString, 2> Opis_Funkcji_Portu(int port) const;

    // Fixed-cell captions of the three grids in the current language.
    void D1_Nanies_Opisy_StringGridow();

    // Factory defaults of everything but the code table (the window resets that
    // through the code table) and the short description. wersjaModulu is the
    // selected item of the module version radio group, -1 for none.
    void Wyczysc_Ustawienia(int wersjaModulu);

    // Code table number and the codes of apartments 1 to 64 from a list of at least 64.
    void Ustaw_Tabele_Kodow(const QString &numer, const QStringList &kody);

    // Shows the image in the editors. The table version is passed by callers and not
    // used: the mapping is the same for every version.
    void D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(const Dane_Podstawowe &dane, int Nr_wersji_Tablicy);
    // Gathers the editors into the image: bytes 1 to 520 anew, 521 to 528 kept. False,
    // with the image untouched, when a cell that must hold a number does not.
    bool D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(Dane_Podstawowe &dane, int Nr_wersji_Tablicy) const;

    // The image of a tab holding the factory defaults and the codes of table 0: what a
    // new unit carries.
    static Dane_Podstawowe Obraz_Fabryczny();

signals:
    void itemIndexChanged(SettingsTab::Lista lista);
    void numerTabeliChanged();

private:
    QString m_numerTabeli;
    std::array<int, Liczba_List> m_wybor;
};
