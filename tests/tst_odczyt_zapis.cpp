#include "lang/Teksty_WJ.h"
#include "link/FtdiPrzekaznik.h"
#include "link/Kabel_USB.h"
#include "link/Odczyt_Zapis_Centrali.h"
#include "link/SimFtdi.h"
#include "link/SimulatedUnit.h"
#include "link/Wymiana.h"
#include <QtTest>

Q_DECLARE_METATYPE(SimFaults)
Q_DECLARE_METATYPE(Stan_VORU)
Q_DECLARE_METATYPE(Komunikat_VORU)

char *toString(const Komunikat_VORU &k)
{
    QString t = QStringLiteral("0x%1:").arg(k.flagi, 0, 16);
    for (const Komunikat_VORU::Czesc &c : k.czesci)
        t += QStringLiteral(" %1+%2").arg(c.nr).arg(c.przerwy);
    return qstrdup(qPrintable(t));
}

namespace {

// Keeps what the program sent, so the closing command is seen even when the unit,
// unplugged, never received it; and whether every handle opened was closed exactly once.
class Nagrywacz final : public FtdiPrzekaznik
{
public:
    using FtdiPrzekaznik::FtdiPrzekaznik;
    QList<QByteArray> zapisy;
    int otwarcia = 0, zamkniecia = 0, zleZamkniecia = 0;

    FT_STATUS FT_OpenEx(const char *d, DWORD f, FT_HANDLE *h) override
    {
        const FT_STATUS s = m_inner.FT_OpenEx(d, f, h);
        otwarcia += s == FT_OK;
        return s;
    }
    FT_STATUS FT_Close(FT_HANDLE h) override
    {
        const FT_STATUS s = m_inner.FT_Close(h);
        (s == FT_OK ? zamkniecia : zleZamkniecia)++;
        return s;
    }
    FT_STATUS FT_Write(FT_HANDLE h, const void *b, DWORD n, DWORD *w) override
    {
        zapisy << QByteArray(static_cast<const char *>(b), int(n));
        return m_inner.FT_Write(h, b, n, w);
    }
};

// Unit, program image and gathered image all different, so every copied block shows.
struct Stanowisko
{
    SimulatedUnit unit;
    VirtualClock vclock;
    SimFtdi sim{unit, vclock};
    Nagrywacz api{sim};
    ZegarZPauzami clock{vclock};
    Dane_Podstawowe dane;
    QByteArray obrazJednostki, obrazProgramu, obrazZebrany;

    Stanowisko()
    {
        for (int i = 0; i < 256; ++i)
            unit.image()[size_t(i)] = quint8(i * 7 + 3);
        for (int nr = 1; nr <= Dane_Podstawowe::Rozmiar; ++nr)
            dane[nr] = quint8(0xA0 ^ nr);
        unit.setInstallerPassword(QStringLiteral("1205"));
        obrazJednostki = unit.imageBytes();
        obrazProgramu = obraz(dane);
        for (int i = 0; i < 256; ++i)
            obrazZebrany += char(i * 13 + 5);
    }
    static QByteArray obraz(const Dane_Podstawowe &d) { return QByteArray(reinterpret_cast<const char *>(d.data()), 256); }
    QByteArray ramki() const
    {
        QByteArray all;
        for (const QByteArray &f : unit.frames())
            all += f;
        return all;
    }
};

QByteArray ramka(int cmd, int arg)
{
    const auto r = Ramka_Rozkazu(quint8(cmd), quint8(arg));
    return QByteArray(reinterpret_cast<const char *>(r.data()), 3);
}
QByteArray bloki(int cmd, int od, int doN)
{
    QByteArray b;
    for (int n = od; n < doN; ++n)
        b += ramka(cmd, n);
    return b;
}

Komunikat_VORU K(std::initializer_list<Komunikat_VORU::Czesc> czesci, int flagi)
{
    Komunikat_VORU k;
    k.czesci = czesci;
    k.flagi = flagi;
    return k;
}

QList<int> powtorz(const QList<int> &l, int razy)
{
    QList<int> out;
    for (int i = 0; i < razy; ++i)
        out += l;
    return out;
}

} // namespace

class TestOdczytZapis : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Wczytaj_WJ_do_tablicy(); }
    void przebiegi_data();
    void przebiegi();
    void rtsDecydujeStanPrzyciskow_data();
    void rtsDecydujeStanPrzyciskow();
    void tekstKomunikatu();
};

void TestOdczytZapis::przebiegi_data()
{
    QTest::addColumn<bool>("zapis");
    QTest::addColumn<int>("wersja");
    QTest::addColumn<SimFaults>("usterki");
    QTest::addColumn<QString>("haslo");
    QTest::addColumn<bool>("admin");
    QTest::addColumn<QString>("kabel");      // "" attached; "brak": monitor saw none; "zajety": open fails
    QTest::addColumn<QString>("odpowiedz");  // write: "tak", "nie", "zbieranie" (gathering fails)
    QTest::addColumn<Stan_VORU>("stan");
    QTest::addColumn<Komunikat_VORU>("komunikat"); // the one box shown; no parts: none
    QTest::addColumn<int>("przeslane");
    QTest::addColumn<QByteArray>("ramkiJednostki");
    QTest::addColumn<bool>("zakonczenie");   // the closing command went out
    QTest::addColumn<QString>("postepPrzyBledzie"); // gauge while the box shows
    QTest::addColumn<QStringList>("postepKoniec");  // last two gauge settings
    QTest::addColumn<QList<int>>("pauzy");   // empty: not checked

    const QByteArray V = ramka(0x1F, 1), P = ramka(0x55, 125), Z = ramka(0x22, 1);
    const QByteArray B = bloki(0x55, 0, 32), H = bloki(0x56, 0, 32);
    auto f = [](auto set) { SimFaults x; set(x); return x; };
    const SimFaults ok;
    const SimFaults silent = f([](SimFaults &x) { x.silent = true; });
    const Komunikat_VORU none;
    const Komunikat_VORU k731r = K({{731, 2}, {742, 0}}, MB_Ostrzezenie), k731w = K({{731, 1}}, MB_Ostrzezenie);
    const Komunikat_VORU kRead = K({{735, 1}, {736, 0}}, MB_Blad), kWrite = K({{727, 1}, {728, 1}, {729, 0}}, MB_Blad);
    const QStringList rEnd{"31/31", "0/31"}, wEnd{"31/32", "0/32"};
    const QList<int> pRead = QList<int>{10} + powtorz({3}, 32);
    const QList<int> pWrite = QList<int>{10} + powtorz({3, 1, 5}, 32) + QList<int>{30, 10};
    const QList<int> pWrite5 = QList<int>{10} + powtorz({3, 1, 5}, 5) + powtorz({3, 3, 3, 3, 1, 10}, 4) + QList<int>{30, 10};
    const Stan_VORU G = Stan_VORU::Gotowe;

    // clang-format off
    QTest::newRow("read v3.9, empty field")          << false << 0x27 << ok << "" << false << "" << "" << G << none << 32 << V + B << false << "" << rEnd << pRead;
    QTest::newRow("read v4.0, right password")       << false << 0x28 << ok << "28461205" << false << "" << "" << G << none << 32 << V + P + B << false << "" << rEnd << QList<int>();
    QTest::newRow("read v4.0, wrong prefix")         << false << 0x28 << ok << "28451205" << false << "" << "" << Stan_VORU::Zle_Haslo << K({{737, 0}}, MB_Ostrzezenie) << 0 << V << false << "" << QStringList() << QList<int>();
    QTest::newRow("read v4.0, wrong password")       << false << 0x28 << ok << "28461206" << false << "" << "" << Stan_VORU::Zle_Haslo << K({{737, 0}}, MB_Ostrzezenie) << 0 << V + P << false << "" << QStringList() << QList<int>();
    QTest::newRow("read v4.0, seven characters")     << false << 0x28 << ok << "2846120" << false << "" << "" << Stan_VORU::Zle_Haslo << K({{737, 0}}, MB_Ostrzezenie) << 0 << V + P << false << "" << QStringList() << QList<int>();
    QTest::newRow("read v4.0, administrator")        << false << 0x28 << ok << "" << true << "" << "" << G << none << 32 << V + B << false << "" << rEnd << QList<int>();
    QTest::newRow("read, answers after RTS toggle")  << false << 0x27 << f([](SimFaults &x) { x.needsRtsToggle = true; }) << "" << false << "" << "" << G << none << 32 << V.repeated(5) + B << false << "" << rEnd << QList<int>();
    QTest::newRow("read, silent unit")               << false << 0x27 << silent << "" << false << "" << "" << Stan_VORU::Brak_Odpowiedzi << k731r << 0 << V.repeated(8) << false << "" << QStringList() << QList<int>();
    QTest::newRow("read, silent, cable pulled")      << false << 0x27 << f([](SimFaults &x) { x.silent = true; x.unplugAtFrame = 4; }) << "" << false << "" << "" << Stan_VORU::Brak_Odpowiedzi << k731r << 0 << V.repeated(3) << false << "" << QStringList() << QList<int>();
    QTest::newRow("read, no cable")                  << false << 0x27 << ok << "" << false << "brak" << "" << Stan_VORU::Brak_Kabla << K({{733, 0}}, MB_Ostrzezenie) << 0 << QByteArray() << false << "" << QStringList() << QList<int>();
    QTest::newRow("read, open fails")                << false << 0x27 << ok << "" << false << "zajety" << "" << Stan_VORU::Nie_Otwarto << K({{732, 0}}, MB_Ostrzezenie) << 0 << QByteArray() << false << "" << QStringList() << QList<int>();
    QTest::newRow("read fails at block 17")          << false << 0x27 << f([](SimFaults &x) { x.silentFromBlock = 17; }) << "" << false << "" << "" << Stan_VORU::Blad_Transmisji << kRead << 17 << V + bloki(0x55, 0, 17) + ramka(0x55, 17).repeated(16) << false << "16/31" << QStringList{"16/31", "0/31"} << QList<int>();
    QTest::newRow("read, cable pulled at block 10")  << false << 0x27 << f([](SimFaults &x) { x.unplugAtFrame = 12; }) << "" << false << "" << "" << Stan_VORU::Blad_Transmisji << kRead << 10 << V + bloki(0x55, 0, 10) << false << "9/31" << QStringList{"9/31", "0/31"} << QList<int>();

    QTest::newRow("write v3.9, empty field")         << true << 0x27 << ok << "" << false << "" << "tak" << G << none << 32 << V + H + Z << true << "" << wEnd << pWrite;
    QTest::newRow("write v4.0, right password")      << true << 0x28 << ok << "28461205" << false << "" << "tak" << G << none << 32 << V + P + H + Z << true << "" << wEnd << QList<int>();
    QTest::newRow("write v4.0, wrong prefix")        << true << 0x28 << ok << "00001205" << false << "" << "tak" << Stan_VORU::Zle_Haslo << K({{730, 0}}, MB_Ostrzezenie) << 0 << V << false << "" << QStringList() << QList<int>();
    QTest::newRow("write v4.0, wrong password")      << true << 0x28 << ok << "28460000" << false << "" << "tak" << Stan_VORU::Zle_Haslo << K({{730, 0}}, MB_Ostrzezenie) << 0 << V + P << false << "" << QStringList() << QList<int>();
    QTest::newRow("write v4.0, administrator")       << true << 0x28 << ok << "1" << true << "" << "tak" << G << none << 32 << V + H + Z << true << "" << wEnd << QList<int>();
    QTest::newRow("write, silent unit")              << true << 0x28 << silent << "28461205" << false << "" << "tak" << Stan_VORU::Brak_Odpowiedzi << k731w << 0 << V.repeated(8) << false << "" << QStringList() << QList<int>();
    QTest::newRow("write fails at block 5")          << true << 0x27 << f([](SimFaults &x) { x.silentFromBlock = 5; }) << "" << false << "" << "tak" << Stan_VORU::Blad_Transmisji << kWrite << 5 << V + bloki(0x56, 0, 5) + ramka(0x56, 5).repeated(16) + Z << true << "4/32" << QStringList{"4/32", "0/32"} << pWrite5;
    QTest::newRow("write, No to the question")       << true << 0x28 << ok << "28461205" << false << "" << "nie" << Stan_VORU::Odmowa << none << 0 << V << false << "" << QStringList() << QList<int>{10};
    QTest::newRow("write, gathering fails")          << true << 0x27 << ok << "" << false << "" << "zbieranie" << Stan_VORU::Blad_Zbierania << none << 0 << V << false << "" << QStringList() << QList<int>{10};
    QTest::newRow("write, cable pulled at block 10") << true << 0x27 << f([](SimFaults &x) { x.unplugAtFrame = 12; }) << "" << false << "" << "tak" << Stan_VORU::Blad_Transmisji << kWrite << 10 << V + bloki(0x56, 0, 10) << true << "9/32" << QStringList{"9/32", "0/32"} << QList<int>();
    // clang-format on
}

void TestOdczytZapis::przebiegi()
{
    QFETCH(bool, zapis);
    QFETCH(int, wersja);
    QFETCH(SimFaults, usterki);
    QFETCH(QString, haslo);
    QFETCH(bool, admin);
    QFETCH(QString, kabel);
    QFETCH(QString, odpowiedz);
    QFETCH(Stan_VORU, stan);
    QFETCH(Komunikat_VORU, komunikat);
    QFETCH(int, przeslane);
    QFETCH(QByteArray, ramkiJednostki);
    QFETCH(bool, zakonczenie);
    QFETCH(QString, postepPrzyBledzie);
    QFETCH(QStringList, postepKoniec);
    QFETCH(QList<int>, pauzy);

    Stanowisko s;
    s.unit.setVersion(quint8(wersja));
    s.unit.setFaults(usterki);
    FT_HANDLE obcy = nullptr;
    if (kabel == QLatin1String("zajety"))
        QCOMPARE(s.sim.FT_OpenEx(Opis_Kabla_USB, FT_OPEN_BY_DESCRIPTION, &obcy), FT_OK);

    Przebieg_VORU p;
    p.Polaczenie_USB = kabel != QLatin1String("brak");
    p.Haslo_Instalatora = haslo;
    p.Tryb_Admin = admin;
    // The window's side: its RTS buttons, gauge, message boxes, question and editors.
    Przyciski_RTS przyciski;
    p.Przyciski = przyciski;
    p.Zmien_RTS = [&](bool ustaw) {
        const Wynik_RTS r = ustaw ? Ustaw_RTS(s.api, true, przyciski) : Kasuj_RTS(s.api, true, przyciski);
        if (r.zmienPrzyciski)
            przyciski = r.przyciski;
    };
    QList<int> wersje;
    p.Wersja = [&](int v) { wersje << v; };
    QStringList postep;
    p.Postep = [&](int poz, int maks) { postep << QStringLiteral("%1/%2").arg(poz).arg(maks); };
    QList<Komunikat_VORU> pokazane;
    QString postepWtedy;
    p.Pokaz_Komunikat = [&](const Komunikat_VORU &k) {
        pokazane << k;
        postepWtedy = postep.value(postep.size() - 1);
    };
    int pytania = 0;
    p.Pytanie = [&](const Komunikat_VORU &k) {
        ++pytania;
        if (k != K({{725, 1}, {726, 0}}, MB_Pytanie_Uwaga))
            qWarning("unexpected question");
        return odpowiedz != QLatin1String("nie");
    };
    p.Zbierz = [&](Dane_Podstawowe &d, int) {
        if (odpowiedz == QLatin1String("zbieranie"))
            return false;
        std::copy(s.obrazZebrany.begin(), s.obrazZebrany.end(), d.data());
        return true;
    };
    int pokazania = 0;
    QByteArray obrazPokazany;
    p.Pokaz = [&](const Dane_Podstawowe &d, int) {
        ++pokazania;
        obrazPokazany = Stanowisko::obraz(d);
    };

    Odczyt_Zapis_Centrali przebieg(s.api, s.clock);
    const Wynik_VORU w = zapis ? przebieg.Zapisz(s.dane, p) : przebieg.Odczytaj(s.dane, p);

    QCOMPARE(w.stan, stan);
    QCOMPARE(w.ok(), stan == Stan_VORU::Gotowe);
    QCOMPARE(w.blokiPrzeslane, przeslane);
    QCOMPARE(w.blokBledu, stan == Stan_VORU::Blad_Transmisji ? przeslane : -1);
    QCOMPARE(pokazane.size(), komunikat.czesci.isEmpty() ? 0 : 1);
    if (!komunikat.czesci.isEmpty())
        QCOMPARE(pokazane.first(), komunikat);
    QCOMPARE(s.ramki().toHex(' '), ramkiJednostki.toHex(' '));
    QCOMPARE(w.zakonczenieWyslane, zakonczenie);
    QCOMPARE(s.api.zapisy.contains(ramka(0x22, 1)), zakonczenie);
    QCOMPARE(postepWtedy, postepPrzyBledzie);
    QCOMPARE(postep.mid(qMax(0, postep.size() - 2)), postepKoniec);
    if (!pauzy.isEmpty())
        QCOMPARE(s.clock.pauzy, pauzy);

    // The question only on a write that got an answer from the unit.
    const bool zapytano = zapis && (stan == Stan_VORU::Gotowe || stan == Stan_VORU::Blad_Transmisji
                                    || stan == Stan_VORU::Zle_Haslo || stan == Stan_VORU::Odmowa
                                    || stan == Stan_VORU::Blad_Zbierania);
    QCOMPARE(pytania, zapytano ? 1 : 0);
    // Every handle the run opened is closed once; none that was not open.
    if (obcy)
        s.sim.FT_Close(obcy);
    QCOMPARE(s.api.zleZamkniecia, 0);
    QCOMPARE(s.api.zamkniecia + (obcy ? 1 : 0), s.api.otwarcia + (obcy ? 1 : 0));
    QVERIFY(!s.sim.isOpen());
    if (usterki.needsRtsToggle) {
        QCOMPARE(wersje, (QList<int>{0, wersja}));
        QCOMPARE(przyciski.wlaczRTS, QStringLiteral("RTS ustawiony"));
        QCOMPARE(s.unit.rtsChanges(), 1);
    }
    if (stan == Stan_VORU::Brak_Odpowiedzi)
        QCOMPARE(s.unit.rtsChanges(), usterki.unplugAtFrame > 0 ? 0 : 1);

    const int k = 8 * przeslane;
    if (!zapis) {
        // Blocks read so far reach the image; only a complete read reaches the editors.
        QCOMPARE(Stanowisko::obraz(s.dane).left(k), s.obrazJednostki.left(k));
        QCOMPARE(Stanowisko::obraz(s.dane).mid(k), s.obrazProgramu.mid(k));
        QCOMPARE(pokazania, w.ok() ? 1 : 0);
        if (w.ok())
            QCOMPARE(obrazPokazany, s.obrazJednostki);
    } else {
        QCOMPARE(s.unit.imageBytes().left(k), s.obrazZebrany.left(k));
        QCOMPARE(s.unit.imageBytes().mid(k), s.obrazJednostki.mid(k));
        QCOMPARE(pokazania, 0);
    }
}

void TestOdczytZapis::rtsDecydujeStanPrzyciskow_data()
{
    QTest::addColumn<bool>("ustawionyPrzed");
    QTest::addColumn<bool>("rtsPo");
    QTest::addColumn<QString>("wlaczPo");
    QTest::newRow("caption 'Ustaw RTS': set") << false << true << "RTS ustawiony";
    QTest::newRow("caption 'RTS ustawiony': clear") << true << false << "Ustaw RTS";
}

// Without the window the run changes the line itself and hands back the buttons' state.
void TestOdczytZapis::rtsDecydujeStanPrzyciskow()
{
    QFETCH(bool, ustawionyPrzed);
    QFETCH(bool, rtsPo);
    QFETCH(QString, wlaczPo);

    Stanowisko s;
    Przebieg_VORU p;
    p.Polaczenie_USB = true;
    if (ustawionyPrzed)
        p.Przyciski = Ustaw_RTS(s.sim, true, p.Przyciski).przyciski;
    const int zmianyPrzed = s.unit.rtsChanges();
    s.unit.faults().silent = true;

    const Wynik_VORU w = Odczyt_Zapis_Centrali(s.api, s.clock).Odczytaj(s.dane, p);
    QCOMPARE(w.stan, Stan_VORU::Brak_Odpowiedzi);
    QCOMPARE(s.unit.rtsChanges(), zmianyPrzed + 1);
    QCOMPARE(s.unit.rts(), rtsPo);
    QVERIFY(w.rts.has_value());
    QCOMPARE(w.rts->przyciski.wlaczRTS, wlaczPo);
    QVERIFY(w.rts->bledy.isEmpty());
}

void TestOdczytZapis::tekstKomunikatu()
{
    const int zachowany = Nr_Jezyka;
    Nr_Jezyka = 1;
    const Komunikat_VORU k = K({{731, 2}, {742, 0}}, MB_Ostrzezenie);
    QCOMPARE(k.Tekst(), QStringLiteral("Connected device is not VEZO intercom v3.9, v4.0 or is not responding!\r\n\r\n"
                                       "Please check that VEZO central is turned on and connected to the USB port by QOR cable."));
    QCOMPARE(K({{731, 1}}, MB_Ostrzezenie).Tekst().right(2), QStringLiteral("\r\n"));
    QCOMPARE(k.Numery(), (QList<int>{731, 742}));
    Nr_Jezyka = zachowany;
}

QTEST_GUILESS_MAIN(TestOdczytZapis)
#include "tst_odczyt_zapis.moc"
