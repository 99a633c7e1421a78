#include "link/Wymiana.h"
#include <algorithm>

std::array<quint8, 3> Ramka_Rozkazu(quint8 rozkaz, quint8 argument)
{
    return {rozkaz, argument, quint8(rozkaz + argument + 1)};
}

Wymiana::Wymiana(FtdiApi &api, LinkClock &clock, FT_HANDLE Uchwyt_USB)
    : m_api(api), m_clock(clock), m_uchwyt(Uchwyt_USB)
{
}

void Wymiana::wyslij(const quint8 *bajty, int ile)
{
    DWORD zapisano = 0;
    m_api.FT_Write(m_uchwyt, bajty, DWORD(ile), &zapisano);
}

QByteArray Wymiana::odczytaj(int ile, FT_STATUS *status)
{
    QByteArray bufor(ile, '\0');
    DWORD odebrano = 0;
    const FT_STATUS s = m_api.FT_Read(m_uchwyt, bufor.data(), DWORD(ile), &odebrano);
    if (status)
        *status = s;
    // A misbehaving driver must not make us trust more bytes than were asked for.
    bufor.truncate(int(std::min<DWORD>(odebrano, DWORD(ile))));
    return bufor;
}

int Wymiana::D1_Odczytaj_Numer_wersji()
{
    const auto ramka = Ramka_Rozkazu(0x1F, 0x01);
    for (int proba = 0; proba < Liczba_Prob; ++proba) {
        wyslij(ramka);
        m_clock.sleepMs(Pauza_Wersji_ms);
        const QByteArray b = odczytaj(1);
        if (!b.isEmpty() && quint8(b[0]) != 0)
            return quint8(b[0]);
    }
    return 0;
}

bool Wymiana::ramkaZPotwierdzeniem(quint8 rozkaz, quint8 argument, int ile, QByteArray &odpowiedz)
{
    const auto ramka = Ramka_Rozkazu(rozkaz, argument);
    for (int proba = 0; proba < Liczba_Prob; ++proba) {
        wyslij(ramka);
        m_clock.sleepMs(Pauza_Bloku_ms);
        odpowiedz = odczytaj(ile);
        // Judged by what really came: a short read has no ninth byte.
        if (odpowiedz.size() == ile && quint8(odpowiedz[ile - 1]) == Potwierdzenie_USB)
            return true;
    }
    return false;
}

QString Wymiana::D1_Odczytaj_Haslo_Instalatora()
{
    QByteArray b;
    if (!ramkaZPotwierdzeniem(0x55, Blok_Hasla, 9, b))
        return QStringLiteral("----");
    auto polowa = [](char c) { return QStringLiteral("%1").arg((quint8(c) & 0x7F) % 100, 2, 10, QLatin1Char('0')); };
    return polowa(b[5]) + polowa(b[6]);
}

int Wymiana::D1_Odczytaj_Osiem_Bajtow(int Nr_Osmiu_Bajtow, Dane_Podstawowe &dane)
{
    if (Nr_Osmiu_Bajtow < 0 || Nr_Osmiu_Bajtow >= Dane_Podstawowe::Liczba_Blokow)
        return 0;
    QByteArray b;
    if (!ramkaZPotwierdzeniem(0x55, quint8(Nr_Osmiu_Bajtow), 9, b))
        return 0;
    std::copy(b.begin(), b.begin() + 8, dane.blok(Nr_Osmiu_Bajtow));
    return 1;
}

int Wymiana::D1_Zapisz_Osiem_Bajtow(int Nr_Osmiu_Bajtow, const Dane_Podstawowe &dane)
{
    if (Nr_Osmiu_Bajtow < 0 || Nr_Osmiu_Bajtow >= Dane_Podstawowe::Liczba_Blokow)
        return 0;
    QByteArray b;
    if (!ramkaZPotwierdzeniem(0x56, quint8(Nr_Osmiu_Bajtow), 1, b))
        return 0;
    wyslij(dane.blok(Nr_Osmiu_Bajtow), Dane_Podstawowe::Bajtow_W_Bloku);
    auto potwierdzono = [](const QByteArray &x) { return !x.isEmpty() && quint8(x[0]) == Potwierdzenie_USB; };
    if (potwierdzono(odczytaj(1)))
        return 1;
    for (int i = 0; i < Dodatkowe_Odczyty_Potwierdzenia; ++i) {
        const bool ok = potwierdzono(odczytaj(1));
        m_clock.sleepMs(Pauza_Potwierdzenia_ms);
        if (ok)
            return 1;
    }
    return 0;
}

void Wymiana::D1_Zakoncz_Zapis()
{
    wyslij(Ramka_Rozkazu(0x22, 0x01));
}
