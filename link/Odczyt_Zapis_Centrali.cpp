#include "link/Odczyt_Zapis_Centrali.h"
#include "lang/Teksty_WJ.h"
#include "link/Wymiana.h"

QList<int> Komunikat_VORU::Numery() const
{
    QList<int> n;
    for (const Czesc &c : czesci)
        n << c.nr;
    return n;
}

QString Komunikat_VORU::Tekst() const
{
    QString t;
    for (const Czesc &c : czesci)
        t += WJ(c.nr) + QStringLiteral("\r\n").repeated(c.przerwy);
    return t;
}

namespace {
Komunikat_VORU Komunikat(std::initializer_list<Komunikat_VORU::Czesc> czesci, int flagi)
{
    Komunikat_VORU k;
    k.czesci = czesci;
    k.flagi = flagi;
    return k;
}

bool Obslugiwana(int v) { return v == Odczyt_Zapis_Centrali::Wersja_39 || v == Odczyt_Zapis_Centrali::Wersja_40; }
}

struct Odczyt_Zapis_Centrali::Start
{
    FT_HANDLE Uchwyt_USB = nullptr;
    bool otwarty = false;
    int wersja = 0;
};

Odczyt_Zapis_Centrali::Odczyt_Zapis_Centrali(FtdiApi &api, LinkClock &clock) : m_api(api), m_clock(clock) {}

void Odczyt_Zapis_Centrali::komunikat(const Przebieg_VORU &p, Wynik_VORU &w, Stan_VORU stan, Komunikat_VORU k) const
{
    w.stan = stan;
    w.komunikaty << k;
    if (p.Pokaz_Komunikat)
        p.Pokaz_Komunikat(k);
}

void Odczyt_Zapis_Centrali::pokazPostep(const Przebieg_VORU &p, int pozycja, int maksimum)
{
    if (p.Postep)
        p.Postep(pozycja, maksimum);
}

void Odczyt_Zapis_Centrali::zamknij(Start &s)
{
    // Only a handle that is open: the retry's second open may have failed.
    if (s.otwarty)
        m_api.FT_Close(s.Uchwyt_USB);
    s.otwarty = false;
}

bool Odczyt_Zapis_Centrali::wspolnyStart(const Przebieg_VORU &p, Wynik_VORU &w, Start &s)
{
    if (!p.Polaczenie_USB) {
        komunikat(p, w, Stan_VORU::Brak_Kabla, Komunikat({{733, 0}}, MB_Ostrzezenie));
        return false;
    }
    if (Otworz_Kabel_USB(m_api, s.Uchwyt_USB) != FT_OK) {
        komunikat(p, w, Stan_VORU::Nie_Otwarto, Komunikat({{732, 0}}, MB_Ostrzezenie));
        return false;
    }
    s.otwarty = true;

    auto zapytaj = [&] {
        s.wersja = Wymiana(m_api, m_clock, s.Uchwyt_USB).D1_Odczytaj_Numer_wersji();
        w.wersja = s.wersja;
        if (p.Wersja)
            p.Wersja(s.wersja);
    };
    zapytaj();
    if (!Obslugiwana(s.wersja)) {
        zamknij(s);
        const bool ustaw = !p.Przyciski.rtsUstawiony();
        if (p.Zmien_RTS)
            p.Zmien_RTS(ustaw);
        else
            w.rts = ustaw ? Ustaw_RTS(m_api, p.Polaczenie_USB, p.Przyciski) : Kasuj_RTS(m_api, p.Polaczenie_USB, p.Przyciski);
        if (Otworz_Kabel_USB(m_api, s.Uchwyt_USB) == FT_OK) {
            s.otwarty = true;
            zapytaj();
        } else {
            s.wersja = 0;
            w.wersja = 0;
        }
    }
    return true;
}

bool Odczyt_Zapis_Centrali::bramkaHasla(const Przebieg_VORU &p, Start &s) const
{
    if (s.wersja == Wersja_39 || p.Tryb_Admin)
        return true;
    const QString &pole = p.Haslo_Instalatora;
    // The unit is asked only once the master prefix matches.
    if (pole.left(4) != Prefiks_Hasla)
        return false;
    const QString haslo = Wymiana(m_api, m_clock, s.Uchwyt_USB).D1_Odczytaj_Haslo_Instalatora();
    // "----" is the silent unit's answer, never a password.
    return haslo != QLatin1String("----") && pole.mid(4, 4) == haslo;
}

Wynik_VORU Odczyt_Zapis_Centrali::Odczytaj(Dane_Podstawowe &dane, const Przebieg_VORU &p)
{
    Wynik_VORU w;
    Start s;
    if (!wspolnyStart(p, w, s))
        return w;
    auto postep = [&](int n) { pokazPostep(p, n, Maks_Postepu_Odczytu); };

    if (!Obslugiwana(s.wersja)) {
        komunikat(p, w, Stan_VORU::Brak_Odpowiedzi, Komunikat({{731, 2}, {742, 0}}, MB_Ostrzezenie));
    } else if (!bramkaHasla(p, s)) {
        komunikat(p, w, Stan_VORU::Zle_Haslo, Komunikat({{737, 0}}, MB_Ostrzezenie));
    } else {
        Wymiana wymiana(m_api, m_clock, s.Uchwyt_USB);
        w.stan = Stan_VORU::Gotowe;
        postep(0);
        for (int n = 0; n < Dane_Podstawowe::Liczba_Blokow; ++n) {
            bool ok = false;
            for (int proba = 0; proba < Wywolan_Na_Blok && !ok; ++proba)
                ok = wymiana.D1_Odczytaj_Osiem_Bajtow(n, dane) == 1;
            if (!ok) {
                w.blokBledu = n;
                komunikat(p, w, Stan_VORU::Blad_Transmisji, Komunikat({{735, 1}, {736, 0}}, MB_Blad));
                break;
            }
            w.blokiPrzeslane = n + 1;
            postep(n);
        }
        postep(0);
        if (w.ok() && p.Pokaz)
            p.Pokaz(dane, s.wersja);
    }
    zamknij(s);
    return w;
}

Wynik_VORU Odczyt_Zapis_Centrali::Zapisz(Dane_Podstawowe &dane, const Przebieg_VORU &p)
{
    Wynik_VORU w;
    Start s;
    if (!wspolnyStart(p, w, s))
        return w;
    auto postep = [&](int n) { pokazPostep(p, n, Maks_Postepu_Zapisu); };

    if (!Obslugiwana(s.wersja)) {
        komunikat(p, w, Stan_VORU::Brak_Odpowiedzi, Komunikat({{731, 1}}, MB_Ostrzezenie));
        zamknij(s);
        return w;
    }
    const Komunikat_VORU pytanie = Komunikat({{725, 1}, {726, 0}}, MB_Pytanie_Uwaga);
    w.komunikaty << pytanie;
    if (!p.Pytanie || !p.Pytanie(pytanie)) {
        w.stan = Stan_VORU::Odmowa;
    } else if (!bramkaHasla(p, s)) {
        komunikat(p, w, Stan_VORU::Zle_Haslo, Komunikat({{730, 0}}, MB_Ostrzezenie));
    } else if (p.Zbierz && !p.Zbierz(dane, s.wersja)) {
        w.stan = Stan_VORU::Blad_Zbierania;
    } else {
        Wymiana wymiana(m_api, m_clock, s.Uchwyt_USB);
        w.stan = Stan_VORU::Gotowe;
        postep(0);
        for (int n = 0; n < Dane_Podstawowe::Liczba_Blokow; ++n) {
            bool ok = false;
            for (int proba = 0; proba < Wywolan_Na_Blok && !ok; ++proba) {
                ok = wymiana.D1_Zapisz_Osiem_Bajtow(n, dane) == 1;
                m_clock.sleepMs(Pauza_Po_Zapisie_Bloku_ms);
                if (!ok)
                    m_clock.sleepMs(Pauza_Po_Bledzie_Zapisu_ms);
            }
            if (!ok) {
                w.blokBledu = n;
                komunikat(p, w, Stan_VORU::Blad_Transmisji,
                          Komunikat({{727, 1}, {728, 1}, {729, 0}}, MB_Blad));
                break;
            }
            w.blokiPrzeslane = n + 1;
            postep(n);
            m_clock.sleepMs(Pauza_Po_Bloku_ms);
        }
        // Also after a failed block: the unit must leave its write mode.
        m_clock.sleepMs(Pauza_Przed_Zakonczeniem_ms);
        wymiana.D1_Zakoncz_Zapis();
        w.zakonczenieWyslane = true;
        m_clock.sleepMs(Pauza_Po_Zakonczeniu_ms);
        postep(0);
    }
    zamknij(s);
    return w;
}
