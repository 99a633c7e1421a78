#include <QtTest>
#include <set>

#include "model/Kody_Tabeli.h"

namespace {

// The code made of the source values at positions f and s: tens and units of the first,
// then units and tens of the second; "0000" unless both are below 100.
QString kod(int f, int s)
{
    const int F = Wartosc_Zrodla_Kodow(f), S = Wartosc_Zrodla_Kodow(s);
    if (F >= 100 || S >= 100)
        return QStringLiteral("0000");
    return QStringLiteral("%1%2%3%4").arg(F / 10).arg(F % 10).arg(S % 10).arg(S / 10);
}

// The first table number whose walk starts at a position that satisfies `warunek`.
template <typename W>
int numer_gdzie(W warunek)
{
    for (int n = 0; n <= 9999; ++n)
        if (warunek(Pozycja_Startowa_Tabeli(n)))
            return n;
    return -1;
}

} // namespace

class tst_kody_tabeli : public QObject
{
    Q_OBJECT
private slots:
    void ten_sam_numer_te_same_kody();
    void pozycje_startowe();
    void przejscie_przez_koniec_zrodla_data();
    void przejscie_przez_koniec_zrodla();
    void para_powyzej_99_daje_0000();
};

void tst_kody_tabeli::ten_sam_numer_te_same_kody()
{
    const QStringList t1234 = Generuj_Kody_Tabeli(1234);
    QCOMPARE(t1234.size(), 256);
    static const QRegularExpression cztery_cyfry(QStringLiteral("^[0-9]{4}$"));
    for (const QString &k : t1234)
        QVERIFY2(cztery_cyfry.match(k).hasMatch(), qPrintable(k));

    CodeTableCache cache;
    QCOMPARE(cache.codes(1234), t1234);
    for (int n : {0, 9999, 1235, 42})
        QVERIFY(cache.codes(n) != t1234);
    QCOMPARE(cache.codes(1234), t1234);
    QCOMPARE(Generuj_Kody_Tabeli(1234), t1234);
    QCOMPARE(cache.codes(0), Generuj_Kody_Tabeli(0));
}

// Every number starts inside 1 to 511, 0 never survives, and the multipliers reach
// every position.
void tst_kody_tabeli::pozycje_startowe()
{
    QCOMPARE(Pozycja_Startowa_Tabeli(0), 2);
    QCOMPARE(Generuj_Kody_Tabeli(0).first(), kod(2, 3));
    std::set<int> pozycje;
    for (int n = 0; n <= 9999; ++n) {
        const int p = Pozycja_Startowa_Tabeli(n);
        QVERIFY2(p >= 1 && p <= 511, qPrintable(QString::number(n)));
        pozycje.insert(p);
    }
    QCOMPARE(int(pozycje.size()), 511);
    const int p = Pozycja_Startowa_Tabeli(INT_MAX);
    QVERIFY(p >= 1 && p <= 511);
}

void tst_kody_tabeli::przejscie_przez_koniec_zrodla_data()
{
    QTest::addColumn<int>("numer");
    QTest::newRow("odd start") << numer_gdzie([](int p) { return p % 2 == 1 && p < 400; });
    QTest::newRow("even start") << numer_gdzie([](int p) { return p % 2 == 0 && p > 2 && p < 400; });
    QTest::newRow("start 511") << numer_gdzie([](int p) { return p == 511; });
    QTest::newRow("start 1") << numer_gdzie([](int p) { return p == 1; });
}

// From an odd start one code is made of the bytes at 511 and 1 and the walk goes on at
// 2; from an even start it goes from 511 straight to 2 and never reads position 1.
void tst_kody_tabeli::przejscie_przez_koniec_zrodla()
{
    QFETCH(int, numer);
    QVERIFY(numer >= 0);
    const int start = Pozycja_Startowa_Tabeli(numer);
    const QStringList kody = Generuj_Kody_Tabeli(numer);

    QCOMPARE(kody[0], kod(start, start == 511 ? 1 : start + 1));
    const int przed = (511 - start) / 2; // the entry that reads position 511
    if (przed >= 1)
        QCOMPARE(kody[przed - 1], kod(start + 2 * przed - 2, start + 2 * przed - 1));
    if (start % 2 == 1) {
        QCOMPARE(kody[przed], kod(511, 1));
    } else {
        QCOMPARE(kody[przed], kod(510, 511));
    }
    if (przed + 2 < kody.size()) {
        QCOMPARE(kody[przed + 1], kod(2, 3));
        QCOMPARE(kody[przed + 2], kod(4, 5));
    }
}

void tst_kody_tabeli::para_powyzej_99_daje_0000()
{
    int duza = 0;
    for (int p = 1; p <= 511 && !duza; ++p)
        if (Wartosc_Zrodla_Kodow(p) >= 100)
            duza = p;
    QVERIFY2(duza > 0, "the source table has no value above 99");
    const int numer = numer_gdzie([duza](int p) { return p == duza; });
    QCOMPARE(Generuj_Kody_Tabeli(numer).first(), QStringLiteral("0000"));
    const int przed = numer_gdzie([duza](int p) { return p == duza - 1; });
    QCOMPARE(Generuj_Kody_Tabeli(przed).first(), QStringLiteral("0000"));
}

QTEST_APPLESS_MAIN(tst_kody_tabeli)
#include "tst_kody_tabeli.moc"
