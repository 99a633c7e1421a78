#include "link/MonitorUSB.h"
#include "lang/Teksty_WJ.h"
#include "link/Kabel_USB.h"
#include "link/Wymiana.h"

QString Linia_Danych_USB(const QByteArray &bajty)
{
    QString znaki, liczby;
    for (char c : bajty) {
        const quint8 b = quint8(c);
        znaki += b == 0 ? QChar(u' ') : QChar(char16_t(b));
        liczby += QString::number(b) + QLatin1Char(' ');
    }
    return QStringLiteral("Char: ") + znaki + QStringLiteral("    Int.: ") + liczby;
}

MonitorUSB::MonitorUSB(FtdiApi &api, LinkClock &clock) : m_api(api), m_clock(clock) {}

Wynik_Tiku_USB MonitorUSB::tick()
{
    Wynik_Tiku_USB w;
    FT_HANDLE Uchwyt_USB = nullptr;
    if (Otworz_Kabel_USB(m_api, Uchwyt_USB) != FT_OK) {
        m_polaczenie = false;
        m_wersjaOdczytana = false;
        w.lampka = Lampka_Czerwona;
        w.nrTekstuPolaczenia = 771;
        w.tekstPolaczenia = WJ(771);
        w.malujWersje = true;
        w.nrTekstuWersji = 773;
        w.tekstWersji = WJ(773);
        return w;
    }

    Wymiana wymiana(m_api, m_clock, Uchwyt_USB);
    if (m_nasluchiwanie) {
        FT_STATUS status = FT_OK;
        const QByteArray odebrane = wymiana.odczytaj(Bajtow_Nasluchu, &status);
        if (status == FT_OK && !odebrane.isEmpty())
            w.liniePamieci << WJ(413) << Linia_Danych_USB(odebrane) << QString();
    }

    m_polaczenie = true;
    w.polaczenie = true;
    w.lampka = Lampka_Zielona;

    if (!m_wersjaOdczytana) {
        const int v = wymiana.D1_Odczytaj_Numer_wersji();
        w.odpowiedzWersji = v;
        w.malujWersje = true;
        if (v == 0x27 || v == 0x28) {
            w.nrTekstuWersji = 772;
            w.tekstWersji = WJ(772) + QString::number(v) + QString(39, QLatin1Char(' '));
        } else {
            w.nrTekstuWersji = 773;
            w.tekstWersji = WJ(773);
        }
    }
    m_wersjaOdczytana = true;

    m_api.FT_Close(Uchwyt_USB);
    w.nrTekstuPolaczenia = 770;
    w.tekstPolaczenia = WJ(770);
    return w;
}
