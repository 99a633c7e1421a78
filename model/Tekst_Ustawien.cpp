#include "model/Tekst_Ustawien.h"
#include "lang/Teksty_WJ.h"
#include <functional>

namespace {
QString caption(int nr) { return WJ(nr).trimmed(); }

// The selected item as the list shows it; a list without a selection shows nothing.
QString pozycja(const SettingsTab &tab, SettingsTab::Lista lista)
{
    const int i = tab.ItemIndex(lista);
    return i < 0 ? QStringLiteral("-") : QString::number(i);
}

QString takNie(const SettingsTab &tab, SettingsTab::Lista lista)
{
    const int i = tab.ItemIndex(lista);
    return i < 0 ? QStringLiteral("-") : WJ(i == 1 ? 180 : 179);
}

QString pole(const QString &etykieta, const QString &wartosc) { return QStringLiteral("  %1: %2").arg(etykieta, wartosc); }

// Apartments 0 to 69 by tens, as both grids lay them out; 0 and 65 to 69 stay blank.
void siatka(QStringList &out, int szerokosc, const std::function<QString(int)> &komorka)
{
    QString naglowek = QStringLiteral("    ");
    for (int k = 0; k <= 9; ++k)
        naglowek += QStringLiteral(" %1").arg(k, szerokosc);
    out << naglowek;
    for (int w = 0; w <= 6; ++w) {
        QString linia = QStringLiteral("  %1").arg(10 * w, 2);
        for (int k = 0; k <= 9; ++k) {
            const int n = 10 * w + k;
            linia += QStringLiteral(" %1").arg(n >= 1 && n <= 64 ? komorka(n) : QString(), szerokosc);
        }
        while (linia.endsWith(QLatin1Char(' ')))
            linia.chop(1);
        out << linia;
    }
}
} // namespace

QStringList Tekst_Ustawien(const SettingsTab &tab, const QString &opis)
{
    QStringList out;
    out << QStringLiteral("%1: %2").arg(caption(54), opis);
    out << QStringLiteral("%1: %2").arg(caption(55), tab.Numer_Tabeli_kodow_lokali());
    out << QString();

    siatka(out, 4, [&](int n) { return tab.Kod_Lokalu(n); });
    out << QString();

    out << caption(200);
    for (int r = 1; r <= 10; ++r)
        out << pole(caption(201 + r), tab.Parametr(r));
    out << QString();

    out << caption(170);
    for (int k = 1; k <= 8; ++k) {
        // Option 3 means one thing or the other by the unit's version.
        const QString nazwa = k == 3 ? caption(173) + QStringLiteral(" / ") + caption(181) : caption(170 + k);
        out << pole(nazwa, takNie(tab, SettingsTab::Opcja(k)));
    }
    out << QString();

    out << caption(165);
    out << pole(caption(tab.Etykieta_Wejscia_dodatkowego()), pozycja(tab, SettingsTab::Wejscie_dodatkowe));
    for (int n = 1; n <= 4; ++n) {
        const int s = 3 * (n - 1);
        out << QStringLiteral("%1: %2, %3: %4")
                   .arg(caption(145 + s), pozycja(tab, SettingsTab::Numer_dodatkowy(n)), caption(146 + s),
                        pozycja(tab, SettingsTab::Adres_dodatkowy(n)));
    }
    out << QString();

    for (int port = 1; port <= 2; ++port) {
        const int s = port == 2 ? 40 : 0;
        const bool drugi = port == 2;
        out << caption(60 + s);
        out << pole(caption(61 + s), pozycja(tab, drugi ? SettingsTab::Wartosc_we_portu_P2 : SettingsTab::Wartosc_we_portu_P1));
        out << pole(caption(62 + s), pozycja(tab, drugi ? SettingsTab::Modul_we_wy_2 : SettingsTab::Modul_we_wy_1));
        out << pole(caption(63 + s), pozycja(tab, drugi ? SettingsTab::Wyjscie_portu_P2 : SettingsTab::Wyjscie_portu_P1));
        for (const QString &l : tab.Opis_Funkcji_Portu(port))
            if (!l.isEmpty())
                out << QStringLiteral("  ") + l;
    }
    out << QString();

    out << QStringLiteral("%1 (%2 %3 %4)").arg(caption(281), caption(301), caption(302), caption(303));
    siatka(out, 3, [&](int n) {
        QString t;
        for (int a = 0; a < 3; ++a)
            t += tab.Dzwonek(n, a).trimmed();
        return t;
    });
    out << caption(285);
    return out;
}
