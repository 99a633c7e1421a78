#include "model/SettingsTab.h"
#include "lang/Teksty_WJ.h"
#include "model/Bity.h"
#include "model/Kody_Tabeli.h"
#include <QStringList>
#include <optional>

SettingsTab::SettingsTab(QObject *parent) : QObject(parent)
{
    m_wybor.fill(-1);
}

int SettingsTab::Liczba_Pozycji(Lista lista)
{
    switch (lista) {
    case Wejscie_dodatkowe:
    case Wartosc_we_portu_P1:
    case Wartosc_we_portu_P2:
    case Wyjscie_portu_P1:
    case Wyjscie_portu_P2:
        return 256;
    case Numery_dodatkowe_1_Numer:
    case Numery_dodatkowe_2_Numer:
    case Numery_dodatkowe_3_Numer:
    case Numery_dodatkowe_4_Numer:
        return 1000;
    case Numery_dodatkowe_1_Adres:
    case Numery_dodatkowe_2_Adres:
    case Numery_dodatkowe_3_Adres:
    case Numery_dodatkowe_4_Adres:
        return 65;
    case Modul_we_wy_1:
    case Modul_we_wy_2:
        return 4;
    case Liczba_List:
        return 0;
    default:
        return 2; // the eight options: "Nie", "Tak"
    }
}

const QString &SettingsTab::Kod_Lokalu(int n) const
{
    return D1_StringGrid_Kody_Lokali.Cells(Kolumna_Kodu(n), Wiersz_Lokalu(n));
}

void SettingsTab::Ustaw_Kod_Lokalu(int n, const QString &kod)
{
    D1_StringGrid_Kody_Lokali.setCell(Kolumna_Kodu(n), Wiersz_Lokalu(n), kod);
}

const QString &SettingsTab::Dzwonek(int n, int atrybut) const
{
    return D1_StringGrid_Ustawienia_Dzwonienia.Cells(Kolumna_Dzwonka(n, atrybut), Wiersz_Lokalu(n));
}

void SettingsTab::Ustaw_Dzwonek(int n, int atrybut, const QString &text)
{
    D1_StringGrid_Ustawienia_Dzwonienia.setCell(Kolumna_Dzwonka(n, atrybut), Wiersz_Lokalu(n), text);
}

const QString &SettingsTab::Parametr(int row) const
{
    return D1_StringGrid_Parametry.Cells(1, row);
}

void SettingsTab::Ustaw_Parametr(int row, const QString &text)
{
    D1_StringGrid_Parametry.setCell(1, row, text);
}

void SettingsTab::Ustaw_Numer_Tabeli_kodow_lokali(const QString &numer)
{
    if (m_numerTabeli == numer)
        return;
    m_numerTabeli = numer;
    emit numerTabeliChanged();
}

void SettingsTab::setItemIndex(Lista lista, int index)
{
    if (index < 0 || index >= Liczba_Pozycji(lista))
        index = -1;
    if (m_wybor[lista] == index)
        return;
    m_wybor[lista] = index;
    emit itemIndexChanged(lista);
}

int SettingsTab::Etykieta_Wejscia_dodatkowego() const
{
    return ItemIndex(Wejscie_dodatkowe) == 0 ? 166 : 167;
}

int SettingsTab::Etykieta_Opcji_3(int wersjaModulu)
{
    switch (wersjaModulu) {
    case 0: return 173;
    case 1: return 181;
    default: return -1;
    }
}

std::array<QString, 2> SettingsTab::Opis_Funkcji_Portu(int port) const
{
    // Port 2 uses the same texts 40 indexes higher.
    const int s = port == 2 ? 40 : 0;
    const int F = ItemIndex(port == 2 ? Modul_we_wy_2 : Modul_we_wy_1);
    const int I = ItemIndex(port == 2 ? Wartosc_we_portu_P2 : Wartosc_we_portu_P1);
    const int O = ItemIndex(port == 2 ? Wyjscie_portu_P2 : Wyjscie_portu_P1);
    if (O > 0) {
        const int first = F == 1 ? 75 : F == 2 ? 78 : F == 3 ? 81 : 72;
        return {WJ(first + s), WJ(first + 1 + s) + QString::number(O) + WJ(first + 2 + s)};
    }
    if (F <= 0)
        return {WJ(64 + s), WJ(65 + s)};
    if (I > 0)
        return {WJ(69 + s), WJ(70 + s) + QString::number(I) + WJ(71 + s)};
    return {WJ(66 + s), WJ(67 + s) + Parametr(4) + WJ(68 + s)};
}

void SettingsTab::D1_Nanies_Opisy_StringGridow()
{
    for (int k = 0; k <= 9; ++k)
        D1_StringGrid_Kody_Lokali.setCell(k + 1, 0, QStringLiteral("  ") + QString::number(k));
    for (int k = 0; k <= 6; ++k)
        D1_StringGrid_Kody_Lokali.setCell(0, k + 1, QString::number(10 * k));

    D1_StringGrid_Parametry.setCell(0, 0, WJ(200));
    D1_StringGrid_Parametry.setCell(1, 0, WJ(201));
    for (int r = 1; r <= 10; ++r)
        D1_StringGrid_Parametry.setCell(0, r, WJ(201 + r));

    for (int k = 0; k <= 9; ++k)
        for (int a = 0; a < 3; ++a)
            D1_StringGrid_Ustawienia_Dzwonienia.setCell(3 * k + 1 + a, 0, WJ(301 + a));
    for (int k = 0; k <= 6; ++k)
        D1_StringGrid_Ustawienia_Dzwonienia.setCell(0, k + 1, QString::number(10 * k));
}

void SettingsTab::Wyczysc_Ustawienia(int wersjaModulu)
{
    static const char *const domyslne[] = {"1", "32", "0", "4", "0", "0000", nullptr, "3", "2", "15"};
    for (int r = 1; r <= 10; ++r)
        Ustaw_Parametr(r, domyslne[r - 1] ? QString::fromLatin1(domyslne[r - 1]) : WJ(214));

    setItemIndex(Wejscie_dodatkowe, 0);
    for (int k = 1; k <= 8; ++k)
        setItemIndex(Opcja(k), 0);
    if (wersjaModulu == 0 || wersjaModulu == 1)
        setItemIndex(Parametry_centrali_bit_3, wersjaModulu);
    setItemIndex(Parametry_centrali_bit_1, 1);
    for (int n = 1; n <= 4; ++n) {
        setItemIndex(Numer_dodatkowy(n), 0);
        setItemIndex(Adres_dodatkowy(n), 0);
    }
    for (Lista l : {Wartosc_we_portu_P1, Wartosc_we_portu_P2, Wyjscie_portu_P1, Wyjscie_portu_P2,
                    Modul_we_wy_1, Modul_we_wy_2})
        setItemIndex(l, 0);

    for (int n = 1; n <= 64; ++n)
        for (int a = 0; a < 3; ++a)
            Ustaw_Dzwonek(n, a, QStringLiteral("  1"));
}

void SettingsTab::Ustaw_Tabele_Kodow(const QString &numer, const QStringList &kody)
{
    Ustaw_Numer_Tabeli_kodow_lokali(numer);
    for (int n = 1; n <= 64 && n <= kody.size(); ++n)
        Ustaw_Kod_Lokalu(n, kody[n - 1]);
}

namespace {
// A cell's text read as a decimal number; nullopt when it is not one.
std::optional<int> Liczba(QStringView text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}
} // namespace

void SettingsTab::D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(const Dane_Podstawowe &d, int)
{
    Ustaw_Numer_Tabeli_kodow_lokali(d.Numer_Tabeli_Kodow());
    for (int i = 1; i <= 64; ++i)
        Ustaw_Kod_Lokalu(i, d.Kod_Lokalu(i));

    Ustaw_Parametr(1, QString::number(d.Zacisk_Od()));
    Ustaw_Parametr(2, QString::number(d.Zacisk_Do()));
    Ustaw_Parametr(3, QString::number(d.Przesuniecie()));
    Ustaw_Parametr(4, QString::number(d.Czas_Zamka()));
    Ustaw_Parametr(5, QString::number(d.Opoznienie()));
    Ustaw_Parametr(6, d.Haslo_Instalatora());
    const QString admin = d.Kod_Administratora();
    Ustaw_Parametr(7, admin.isEmpty() ? WJ(214) : admin);
    Ustaw_Parametr(8, QString::number(d.Ton_Dzwonka()));
    Ustaw_Parametr(9, QString::number(d.Liczba_Dzwonkow()));
    Ustaw_Parametr(10, QString::number(d.Przerwa_Miedzy_Dzwonkami()));

    setItemIndex(Wejscie_dodatkowe, d.Wejscie_Dodatkowe());
    for (int k = 1; k <= 8; ++k)
        setItemIndex(Opcja(k), d.Opcja(k) ? 1 : 0);
    for (int n = 1; n <= 4; ++n) {
        setItemIndex(Numer_dodatkowy(n), d.Numer_Dodatkowy(n));
        setItemIndex(Adres_dodatkowy(n), d.Adres_Numeru_Dodatkowego(n));
    }
    setItemIndex(Wartosc_we_portu_P1, d.Wartosc_We_Portu(1));
    setItemIndex(Wartosc_we_portu_P2, d.Wartosc_We_Portu(2));
    setItemIndex(Wyjscie_portu_P1, d.Wyjscie_Portu(1));
    setItemIndex(Wyjscie_portu_P2, d.Wyjscie_Portu(2));
    setItemIndex(Modul_we_wy_1, d.Funkcja_Modulu_We_Wy(1));
    setItemIndex(Modul_we_wy_2, d.Funkcja_Modulu_We_Wy(2));

    auto flaga = [](bool on) { return on ? QStringLiteral("  1") : QStringLiteral("  0"); };
    for (int i = 1; i <= 64; ++i)
        Ustaw_Dzwonek(i, 0, flaga(d.Zezwolenie_Na_Dzwonienie(i)));
    for (int i = 1; i <= 64; ++i)
        Ustaw_Dzwonek(i, 1, flaga(d.Glosno_Cicho(i)));
    for (int i = 1; i <= 64; ++i)
        Ustaw_Dzwonek(i, 2, flaga(d.Podzwanianie(i)));
}

bool SettingsTab::D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(Dane_Podstawowe &dane, int) const
{
    Dane_Podstawowe d = dane;
    d.Wyczysc_Do_Zbierania();
    if (!d.Ustaw_Para_Cyfr(Dane_Podstawowe::Bajt_Numer_Tabeli_Kodow, QStringView(m_numerTabeli)))
        return false;
    for (int i = 1; i <= 64; ++i)
        if (!d.Ustaw_Kod_Lokalu(i, QStringView(Kod_Lokalu(i))))
            return false;

    // Ringing flags: the text from its third character on, as a number.
    for (int atrybut = 0; atrybut < 3; ++atrybut) {
        for (int i = 1; i <= 64; ++i) {
            const std::optional<int> v = Liczba(QStringView(Dzwonek(i, atrybut)).mid(2));
            if (!v)
                return false;
            if (atrybut == 0)
                d.Ustaw_Zezwolenie_Na_Dzwonienie(i, *v != 0);
            else if (atrybut == 1)
                d.Ustaw_Glosno_Cicho(i, (*v & 1) != 0);
            else
                d.Ustaw_Podzwanianie(i, *v != 0);
        }
    }

    std::array<int, 11> p{};
    for (int r : {1, 2, 3, 4, 5, 8, 9, 10}) {
        const std::optional<int> v = Liczba(Parametr(r));
        if (!v)
            return false;
        p[r] = *v;
    }
    d.Ustaw_Zacisk_Od(p[1]);
    d.Ustaw_Zacisk_Do(p[2]);
    d.Ustaw_Przesuniecie(p[3]);
    d.Ustaw_Czas_Zamka_i_Opoznienie(p[4], p[5]);
    if (!d.Ustaw_Para_Cyfr(Dane_Podstawowe::Bajt_Haslo_Instalatora, QStringView(Parametr(6))))
        return false;
    d.Ustaw_Kod_Administratora(Parametr(7) == WJ(214) ? QString() : Parametr(7));
    d.Ustaw_Ton_Dzwonka(p[8]);
    d.Ustaw_Liczba_Dzwonkow(p[9]);
    d.Ustaw_Przerwa_Miedzy_Dzwonkami(p[10]);

    d.Ustaw_Wejscie_Dodatkowe(ItemIndex(Wejscie_dodatkowe));
    int opcje = 0;
    for (int k = 1; k <= 8; ++k)
        if (ItemIndex(Opcja(k)) == 1)
            opcje += 1 << (k - 1);
    d.Ustaw_Parametry_Centrali(opcje);
    for (int n = 1; n <= 4; ++n) {
        d.Ustaw_Numer_Dodatkowy(n, ItemIndex(Numer_dodatkowy(n)));
        d.Ustaw_Adres_Numeru_Dodatkowego(n, ItemIndex(Adres_dodatkowy(n)));
    }
    d.Ustaw_Wartosc_We_Portu(1, ItemIndex(Wartosc_we_portu_P1));
    d.Ustaw_Wartosc_We_Portu(2, ItemIndex(Wartosc_we_portu_P2));
    d.Ustaw_Wyjscie_Portu(1, ItemIndex(Wyjscie_portu_P1));
    d.Ustaw_Wyjscie_Portu(2, ItemIndex(Wyjscie_portu_P2));
    d[Dane_Podstawowe::Bajt_Moduly_We_Wy] = static_cast<quint8>(
        Polbajt_Zmien_Na_Polbajt_Bardziej_Znaczacy(ItemIndex(Modul_we_wy_2)) + ItemIndex(Modul_we_wy_1));

    dane = d;
    return true;
}

Dane_Podstawowe SettingsTab::Obraz_Fabryczny()
{
    SettingsTab t;
    t.Wyczysc_Ustawienia(1);
    t.Ustaw_Tabele_Kodow(QStringLiteral("0000"), Generuj_Kody_Tabeli(0));
    Dane_Podstawowe d;
    t.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(d, 39);
    return d;
}
