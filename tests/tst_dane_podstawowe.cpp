#include <QtTest>
#include <functional>

#include "model/Bity.h"
#include "model/Dane_Podstawowe.h"

using Odczyt = std::function<QString(const Dane_Podstawowe &)>;
using Zapis = std::function<void(Dane_Podstawowe &)>;
using Bajty = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Odczyt)
Q_DECLARE_METATYPE(Zapis)

namespace {

QString n(int v) { return QString::number(v); }

// Every setting as the editors show it, in one line.
QString widok(const Dane_Podstawowe &d)
{
    QStringList w{d.Numer_Tabeli_Kodow()};
    for (int i = 1; i <= 64; ++i)
        w << d.Kod_Lokalu(i) + "/" + n(d.Zezwolenie_Na_Dzwonienie(i)) + n(d.Glosno_Cicho(i))
                 + n(d.Podzwanianie(i));
    w << n(d.Zacisk_Od()) << n(d.Zacisk_Do()) << n(d.Przesuniecie()) << n(d.Czas_Zamka())
      << n(d.Opoznienie()) << d.Haslo_Instalatora() << d.Kod_Administratora() << n(d.Ton_Dzwonka())
      << n(d.Liczba_Dzwonkow()) << n(d.Przerwa_Miedzy_Dzwonkami()) << n(d.Wejscie_Dodatkowe());
    for (int k = 1; k <= 8; ++k)
        w << n(d.Opcja(k));
    for (int k = 1; k <= 4; ++k)
        w << n(d.Numer_Dodatkowy(k)) << n(d.Adres_Numeru_Dodatkowego(k));
    for (int p = 1; p <= 2; ++p)
        w << n(d.Wartosc_We_Portu(p)) << n(d.Wyjscie_Portu(p)) << n(d.Funkcja_Modulu_We_Wy(p));
    return w.join(' ');
}

Dane_Podstawowe z_bajtami(const Bajty &bajty)
{
    Dane_Podstawowe d;
    for (const auto &[nr, v] : bajty)
        d[nr] = quint8(v);
    return d;
}

} // namespace

// The non-zero bytes, for a readable failure.
char *toString(const Dane_Podstawowe &d)
{
    QStringList w;
    for (int nr = 1; nr <= Dane_Podstawowe::Rozmiar; ++nr)
        if (d[nr] != 0)
            w << QStringLiteral("%1=%2").arg(nr).arg(d[nr], 2, 16, QLatin1Char('0'));
    return qstrdup(qPrintable(w.join(' ')));
}

class tst_dane_podstawowe : public QObject
{
    Q_OBJECT
private slots:
    void krawedzie_data();
    void krawedzie();
    void ustawienia_nie_nachodza_na_siebie();
    void kod_i_flagi_lokalu_dziela_bajty();
    void tekst_pary_cyfr_data();
    void tekst_pary_cyfr();
    void pomocnicze_bitowe_data();
    void pomocnicze_bitowe();
};

// One row a case: the bytes set in an empty image, what is read, and what it shows. When
// a writer is given, it must produce exactly those bytes from an empty image.
void tst_dane_podstawowe::krawedzie_data()
{
    QTest::addColumn<Bajty>("bajty");
    QTest::addColumn<Odczyt>("odczyt");
    QTest::addColumn<QString>("oczekiwane");
    QTest::addColumn<Zapis>("zapis");

    QStringList pusty{"0000"};
    for (int i = 1; i <= 64; ++i)
        pusty << "0000/101";
    pusty << "0 0 0 10 0 0000 000000 0 0 0 0" << "0 0 0 0 0 0 0 0" << "0 0 0 0 0 0 0 0"
          << "0 0 0 0 0 0";
    QTest::newRow("all-zero image") << Bajty{} << Odczyt(widok) << pusty.join(' ') << Zapis();

    auto admin = [](const Dane_Podstawowe &d) { return d.Kod_Administratora(); };
    QTest::newRow("admin 7F 7F 7F") << Bajty{{233, 0x7F}, {234, 0x7F}, {235, 0x7F}} << Odczyt(admin)
                                    << QString() << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Kod_Administratora({}); });
    QTest::newRow("admin with 0x1A") << Bajty{{233, 0x12}, {234, 0x1A}, {235, 0x56}} << Odczyt(admin)
                                     << QString() << Zapis();
    QTest::newRow("admin high half above 9") << Bajty{{235, 0xA1}} << Odczyt(admin) << QString() << Zapis();
    QTest::newRow("admin 123456") << Bajty{{233, 0x12}, {234, 0x34}, {235, 0x56}} << Odczyt(admin)
                                  << "123456" << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Kod_Administratora("123456"); });

    auto lokal1 = [](const Dane_Podstawowe &d) {
        return d.Kod_Lokalu(1) + n(d.Zezwolenie_Na_Dzwonienie(1)) + n(d.Podzwanianie(1));
    };
    QTest::newRow("code byte 0xE3") << Bajty{{3, 0xE3}, {4, 0x0C}} << Odczyt(lokal1) << "991201"
                                    << Zapis([](Dane_Podstawowe &d) {
                                           d.Ustaw_Kod_Lokalu(1, 9912);
                                           d.Ustaw_Zezwolenie_Na_Dzwonienie(1, false);
                                       });
    QTest::newRow("code byte 0x78") << Bajty{{3, 0x07}, {4, 0x78}} << Odczyt(lokal1) << "072011" << Zapis();
    QTest::newRow("code byte 0xFF") << Bajty{{3, 0xFF}, {4, 0xFF}} << Odczyt(lokal1) << "272700" << Zapis();

    auto zamek = [](const Dane_Podstawowe &d) { return n(d.Czas_Zamka()) + "/" + n(d.Opoznienie()); };
    QTest::newRow("byte 250 = 25") << Bajty{{250, 25}} << Odczyt(zamek) << "5/20"
                                   << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Czas_Zamka_i_Opoznienie(5, 20); });
    QTest::newRow("byte 250 = 0") << Bajty{} << Odczyt(zamek) << "10/0"
                                  << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Czas_Zamka_i_Opoznienie(10, 0); });
    QTest::newRow("byte 250 = 254") << Bajty{{250, 254}} << Odczyt(zamek) << "4/250"
                                    << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Czas_Zamka_i_Opoznienie(4, 250); });

    QTest::newRow("shift 300") << Bajty{{253, 1}, {254, 44}}
                               << Odczyt([](const Dane_Podstawowe &d) { return n(d.Przesuniecie()); }) << "300"
                               << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Przesuniecie(300); });
    QTest::newRow("additional number 1 = 999")
        << Bajty{{241, 0xE7}, {242, 0x03}} << Odczyt([](const Dane_Podstawowe &d) { return n(d.Numer_Dodatkowy(1)); })
        << "999" << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Numer_Dodatkowy(1, 999); });
    QTest::newRow("additional number without a selection")
        << Bajty{{217, 255}} << Odczyt([](const Dane_Podstawowe &d) { return n(d.Numer_Dodatkowy(3)); })
        << "255" << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Numer_Dodatkowy(3, -1); });

    auto gc = [](const Dane_Podstawowe &d) {
        QString s;
        for (int i = 1; i <= 64; ++i)
            if (d.Glosno_Cicho(i))
                s += n(i) + " ";
        return s.trimmed();
    };
    QTest::newRow("G-c of apartment 9") << Bajty{{210, 0x01}} << Odczyt(gc) << "9"
                                        << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Glosno_Cicho(9, true); });
    QTest::newRow("G-c of apartment 64") << Bajty{{216, 0x80}} << Odczyt(gc) << "64"
                                         << Zapis([](Dane_Podstawowe &d) { d.Ustaw_Glosno_Cicho(64, true); });

    QTest::newRow("I/O functions of 0x13") << Bajty{{229, 0x13}}
                                           << Odczyt([](const Dane_Podstawowe &d) {
                                                  return n(d.Funkcja_Modulu_We_Wy(1)) + n(d.Funkcja_Modulu_We_Wy(2));
                                              })
                                           << "31" << Zapis([](Dane_Podstawowe &d) {
                                                  d.Ustaw_Funkcja_Modulu_We_Wy(1, 3);
                                                  d.Ustaw_Funkcja_Modulu_We_Wy(2, 1);
                                              });
    QTest::newRow("I/O functions read mod 4") << Bajty{{229, 0x76}}
                                              << Odczyt([](const Dane_Podstawowe &d) {
                                                     return n(d.Funkcja_Modulu_We_Wy(1)) + n(d.Funkcja_Modulu_We_Wy(2));
                                                 })
                                              << "23" << Zapis();
    QTest::newRow("options 1 and 6") << Bajty{{249, 0x21}}
                                     << Odczyt([](const Dane_Podstawowe &d) {
                                            QString s;
                                            for (int k = 1; k <= 8; ++k)
                                                s += n(d.Opcja(k));
                                            return s;
                                        })
                                     << "10000100" << Zapis([](Dane_Podstawowe &d) {
                                            d.Ustaw_Opcja(1, true);
                                            d.Ustaw_Opcja(6, true);
                                        });

    auto wynik = [](int v) { return Odczyt([v](const Dane_Podstawowe &) { return n(v); }); };
    QTest::newRow("IntToBina(9, 1)") << Bajty{} << wynik(IntToBina(9, 1)) << "1" << Zapis();
    QTest::newRow("IntToBina(1, 256)") << Bajty{} << wynik(IntToBina(1, 256)) << "3" << Zapis();
    QTest::newRow("IntToBina(0, 255)") << Bajty{} << wynik(IntToBina(0, 255)) << "0" << Zapis();
    QTest::newRow("BinaToInt(0, 1)") << Bajty{} << wynik(BinaToInt(0, 1)) << "3" << Zapis();
    QTest::newRow("BinaToInt(8, 3)") << Bajty{} << wynik(BinaToInt(8, 3)) << "128" << Zapis();
    QTest::newRow("IntToHex(0x7F)") << Bajty{} << wynik(IntToHex(0x7F)) << "170" << Zapis();
    QTest::newRow("IntToHex(0x12)") << Bajty{} << wynik(IntToHex(0x12)) << "12" << Zapis();
    QTest::newRow("HexToInt(\"7F\")") << Bajty{} << wynik(HexToInt("7F")) << n(0x7F) << Zapis();
    QTest::newRow("HexToInt(\"123\")") << Bajty{} << wynik(HexToInt("123")) << "0" << Zapis();
    QTest::newRow("StrToStr(\"7\")") << Bajty{} << Odczyt([](const Dane_Podstawowe &) { return StrToStr("7"); })
                                     << "07" << Zapis();
}

void tst_dane_podstawowe::krawedzie()
{
    QFETCH(Bajty, bajty);
    QFETCH(Odczyt, odczyt);
    QFETCH(QString, oczekiwane);
    QFETCH(Zapis, zapis);

    const Dane_Podstawowe d = z_bajtami(bajty);
    QCOMPARE(odczyt(d), oczekiwane);
    if (zapis) {
        Dane_Podstawowe zapisane;
        zapis(zapisane);
        QCOMPARE(zapisane, d);
    }
}

// Writing a distinct value into every setting and reading them all back catches two
// settings sharing a byte, and a writer that strays outside its own bytes.
void tst_dane_podstawowe::ustawienia_nie_nachodza_na_siebie()
{
    Dane_Podstawowe d;
    for (int i = 1; i <= 64; ++i) {
        d.Ustaw_Kod_Lokalu(i, 100 * i + (64 - i));
        d.Ustaw_Zezwolenie_Na_Dzwonienie(i, i % 2);
        d.Ustaw_Glosno_Cicho(i, i % 3 == 0);
        d.Ustaw_Podzwanianie(i, i % 5 != 0);
    }
    d.Ustaw_Numer_Tabeli_Kodow(4321);
    d.Ustaw_Zacisk_Od(3);
    d.Ustaw_Zacisk_Do(60);
    d.Ustaw_Przesuniecie(998);
    d.Ustaw_Czas_Zamka_i_Opoznienie(7, 130);
    d.Ustaw_Haslo_Instalatora(5678);
    d.Ustaw_Kod_Administratora("908172");
    d.Ustaw_Ton_Dzwonka(4);
    d.Ustaw_Liczba_Dzwonkow(9);
    d.Ustaw_Przerwa_Miedzy_Dzwonkami(20);
    d.Ustaw_Wejscie_Dodatkowe(33);
    for (int k = 1; k <= 8; ++k)
        d.Ustaw_Opcja(k, k % 3 != 1);
    for (int k = 1; k <= 4; ++k) {
        d.Ustaw_Numer_Dodatkowy(k, 990 + k);
        d.Ustaw_Adres_Numeru_Dodatkowego(k, 60 + k);
    }
    for (int p = 1; p <= 2; ++p) {
        d.Ustaw_Wartosc_We_Portu(p, 200 + p);
        d.Ustaw_Wyjscie_Portu(p, 210 + p);
        d.Ustaw_Funkcja_Modulu_We_Wy(p, p + 1);
    }
    d.Ustaw_Kod_Lokalu(65, 1111); // out of range: no effect anywhere
    d.Ustaw_Opcja(9, true);

    QStringList w{"4321"};
    for (int i = 1; i <= 64; ++i)
        w << QStringLiteral("%1/%2%3%4").arg(100 * i + (64 - i), 4, 10, QLatin1Char('0'))
                 .arg(i % 2).arg(int(i % 3 == 0)).arg(int(i % 5 != 0));
    w << "3 60 998 7 130 5678 908172 4 9 20 33" << "0 1 1 0 1 1 0 1"
      << "991 61 992 62 993 63 994 64" << "201 211 2 202 212 3";
    QCOMPARE(widok(d), w.join(' '));

    for (int nr : {131, 208, 220, 224, 230, 237, 244, 248, 251, 252})
        QCOMPARE(int(d[nr]), 0);

    d[521] = 0xAB;
    d[200] = 0x55;
    d.Wyczysc_Do_Zbierania();
    QCOMPARE(widok(d), widok(Dane_Podstawowe()));
    QCOMPARE(int(d[521]), 0xAB);
}

void tst_dane_podstawowe::kod_i_flagi_lokalu_dziela_bajty()
{
    Dane_Podstawowe d;
    d.Ustaw_Zezwolenie_Na_Dzwonienie(7, false);
    QVERIFY(d.Ustaw_Kod_Lokalu(7, QStringView(u"0712")));
    QCOMPARE(int(d[15]), 0x87);
    QCOMPARE(int(d[16]), 12);
    d.Ustaw_Podzwanianie(7, false);
    QCOMPARE(d.Kod_Lokalu(7), QStringLiteral("0712"));
    QVERIFY(!d.Ustaw_Kod_Lokalu(7, 10000));
    QCOMPARE(d.Kod_Lokalu(7), QStringLiteral("0712"));
}

void tst_dane_podstawowe::tekst_pary_cyfr_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("przyjety");
    QTest::addColumn<int>("pierwszy");
    QTest::addColumn<int>("drugi");
    QTest::newRow("0712") << "0712" << true << 7 << 12;
    QTest::newRow("9999") << "9999" << true << 99 << 99;
    QTest::newRow("three chars take 1-2 and 3") << "712" << true << 71 << 2;
    QTest::newRow("empty") << "" << false << 0 << 0;
    QTest::newRow("letters") << "12ab" << false << 0 << 0;
    QTest::newRow("sign") << "-112" << false << 0 << 0;
}

void tst_dane_podstawowe::tekst_pary_cyfr()
{
    QFETCH(QString, tekst);
    QFETCH(bool, przyjety);
    QFETCH(int, pierwszy);
    QFETCH(int, drugi);
    Dane_Podstawowe d;
    QCOMPARE(d.Ustaw_Para_Cyfr(Dane_Podstawowe::Bajt_Haslo_Instalatora, QStringView(tekst)), przyjety);
    QCOMPARE(int(d[238]), pierwszy);
    QCOMPARE(int(d[239]), drugi);
}

void tst_dane_podstawowe::pomocnicze_bitowe_data()
{
    QTest::addColumn<int>("wynik");
    QTest::addColumn<int>("oczekiwany");
    QTest::newRow("Polbajt odd part") << Polbajt(3, 0xA7) << 0x7;
    QTest::newRow("Polbajt even part") << Polbajt(2, 0xA7) << 0xA;
    QTest::newRow("Polbajt_Zmien 0x13") << Polbajt_Zmien_Na_Polbajt_Bardziej_Znaczacy(0x13) << 0x30;
    QTest::newRow("Cwiercbajt 1") << Cwiercbajt(1, 0b10'01'11'10) << 0b10;
    QTest::newRow("Cwiercbajt 3") << Cwiercbajt(3, 0b10'01'11'10) << 0b01;
    QTest::newRow("Cwiercbajt 4 is part 0") << Cwiercbajt(4, 0b10'01'11'10) << 0b10;
    QTest::newRow("Cwiercbajt 6 is part 2") << Cwiercbajt(6, 0b10'01'11'10) << 0b11;
    QTest::newRow("bits 2-5 down") << Wartosc_bitow_Od_Do(2, 5, 0b1011'0100) << 0b1101;
    QTest::newRow("bits stop before start") << Wartosc_bitow_Od_Do(5, 2, 0xFF) << 0;
    QTest::newRow("bits to 40 stop at 31") << Wartosc_bitow_Od_Do(30, 40, -1) << 3;
    QTest::newRow("number onto bits 2-5") << Wartosc_liczby_na_bitach_Od_Do(2, 5, 0xFF) << 0b11'1100;
    QTest::newRow("number onto bits stop before start") << Wartosc_liczby_na_bitach_Od_Do(3, 1, 0xFF) << 0;
    QTest::newRow("number onto bit 31") << Wartosc_liczby_na_bitach_Od_Do(31, 31, 1) << int(0x80000000u);
    QTest::newRow("number onto bits from -1") << Wartosc_liczby_na_bitach_Od_Do(-1, 3, 0xFF) << 0;
}

void tst_dane_podstawowe::pomocnicze_bitowe()
{
    QFETCH(int, wynik);
    QFETCH(int, oczekiwany);
    QCOMPARE(wynik, oczekiwany);
}

QTEST_APPLESS_MAIN(tst_dane_podstawowe)
#include "tst_dane_podstawowe.moc"
