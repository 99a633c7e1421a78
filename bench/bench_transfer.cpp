// Whole-image read and write through the serial backend against vezo-sim, which paces
// the line like a real 9600-baud cable. Each run is printed beside its floor: the bytes
// that crossed the wire at 10 bits each, plus every pause the program took; the ratio
// of the two says what the backend and the pty add. Goal: 1.15 or below. A ratio under
// 1 is no error: the 3 ms pause after a frame runs while the frame itself is still on
// the wire (a write returns once the bytes are queued), so the two overlap.
#include "link/FtdiPrzekaznik.h"
#include "link/LinkClock.h"
#include "link/Odczyt_Zapis_Centrali.h"
#include "link/SerialFtdi.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

namespace {

constexpr double Bitow_Na_Bajt = 10.0;
constexpr double Bodow = 9600.0;

// Counts the bytes both ways.
class Licznik final : public FtdiPrzekaznik
{
public:
    using FtdiPrzekaznik::FtdiPrzekaznik;
    qint64 bajty = 0;
    FT_STATUS FT_Read(FT_HANDLE h, void *b, DWORD n, DWORD *r) override
    {
        DWORD got = 0;
        const FT_STATUS s = m_inner.FT_Read(h, b, n, &got);
        bajty += got;
        if (r)
            *r = got;
        return s;
    }
    FT_STATUS FT_Write(FT_HANDLE h, const void *b, DWORD n, DWORD *w) override
    {
        bajty += n;
        return m_inner.FT_Write(h, b, n, w);
    }
};

struct Pomiar
{
    bool ok = false;
    double sekundy = 0, podloga = 0;
    qint64 bajty = 0, pauzyMs = 0;
};

Pomiar zmierz(const QString &port, bool zapis)
{
    SerialFtdi serial(port);
    Licznik api(serial);
    RealClock real;
    ZegarZPauzami clock(real);
    Przebieg_VORU p;
    p.Polaczenie_USB = true;
    p.Pytanie = [](const Komunikat_VORU &) { return true; };
    Dane_Podstawowe dane;
    for (int nr = 1; nr <= Dane_Podstawowe::Rozmiar_Obrazu; ++nr)
        dane[nr] = quint8(nr * 29 + 1);

    Odczyt_Zapis_Centrali run(api, clock);
    QElapsedTimer t;
    t.start();
    const Wynik_VORU w = zapis ? run.Zapisz(dane, p) : run.Odczytaj(dane, p);
    Pomiar m;
    m.sekundy = double(t.nsecsElapsed()) / 1e9;
    m.ok = w.ok();
    m.bajty = api.bajty;
    m.pauzyMs = clock.sumaMs();
    m.podloga = double(m.bajty) * Bitow_Na_Bajt / Bodow + double(m.pauzyMs) / 1000.0;
    return m;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int powtorzenia = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

#if !defined(VEZO_SIM_PATH)
    std::fprintf(stderr, "bench_transfer: vezo-sim was not built\n");
    return 1;
#else
    QProcess sim;
    sim.start(QStringLiteral(VEZO_SIM_PATH), {QStringLiteral("--sim-version=39"), QStringLiteral("--quit-on-eof")});
    if (!sim.waitForStarted()) {
        std::fprintf(stderr, "bench_transfer: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    while (!sim.canReadLine()) {
        if (!sim.waitForReadyRead(10000)) {
            std::fprintf(stderr, "bench_transfer: vezo-sim printed no port: %s\n", sim.readAllStandardError().constData());
            return 1;
        }
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();

    std::printf("%-6s %4s %8s %8s %9s %9s %7s\n", "run", "ok", "bytes", "pauses", "floor [s]", "took [s]", "ratio");
    double gorszy[2] = {0, 0};
    for (int i = 0; i < powtorzenia; ++i) {
        for (int zapis = 0; zapis < 2; ++zapis) {
            const Pomiar m = zmierz(port, zapis == 1);
            const double r = m.sekundy / m.podloga;
            gorszy[zapis] = qMax(gorszy[zapis], r);
            std::printf("%-6s %4s %8lld %6lld ms %9.3f %9.3f %7.3f\n", zapis ? "write" : "read", m.ok ? "yes" : "NO",
                        static_cast<long long>(m.bajty), static_cast<long long>(m.pauzyMs), m.podloga, m.sekundy, r);
        }
    }
    std::printf("worst ratio: read %.3f, write %.3f (goal 1.15 or below)\n", gorszy[0], gorszy[1]);

    sim.closeWriteChannel();
    if (!sim.waitForFinished(10000))
        sim.kill();
    return 0;
#endif
}
