// Prints how many of the generator's codes fall back to "0000" over all 10 000 code
// tables, and what one table costs with and without the per-number cache.
#include <QElapsedTimer>
#include <cstdio>

#include "model/Kody_Tabeli.h"

int main()
{
    constexpr int Liczba_Tabel = 10000;
    qint64 zera = 0;
    qint64 zera_lokali = 0;
    QElapsedTimer zegar;
    zegar.start();
    for (int n = 0; n < Liczba_Tabel; ++n) {
        const QStringList kody = Generuj_Kody_Tabeli(n);
        for (int e = 0; e < kody.size(); ++e) {
            if (kody[e] == QLatin1String("0000")) {
                ++zera;
                if (e < 64)
                    ++zera_lokali;
            }
        }
    }
    const double ns_tabeli = double(zegar.nsecsElapsed()) / Liczba_Tabel;

    CodeTableCache cache;
    constexpr int Odrysowania = 1000000;
    qint64 suma = 0;
    zegar.restart();
    for (int k = 0; k < Odrysowania; ++k)
        suma += cache.codes(1234).size();
    const double ns_cache = double(zegar.nsecsElapsed()) / Odrysowania;

    std::printf("\"0000\" entries, all 256:      %lld of %lld (%.3f %%)\n", zera,
                qint64(Liczba_Tabel) * Liczba_Kodow_Tabeli,
                100.0 * double(zera) / (double(Liczba_Tabel) * Liczba_Kodow_Tabeli));
    std::printf("\"0000\" entries, apartments:   %lld of %lld (%.3f %%)\n", zera_lokali,
                qint64(Liczba_Tabel) * 64, 100.0 * double(zera_lokali) / (double(Liczba_Tabel) * 64));
    std::printf("one table (incl. counting):   %.0f ns\n", ns_tabeli);
    std::printf("cached table, same number:    %.1f ns (checksum %lld)\n", ns_cache, suma);
    return 0;
}
