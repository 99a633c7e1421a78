// The image shown in the settings tab's editors and gathered back, without a window.
#include "lang/Teksty_WJ.h"
#include "model/SettingsTab.h"
#include <QRandomGenerator>
#include <QtTest>

namespace {
// A tab holding the factory defaults, as a fresh window shows it.
void defaults(SettingsTab &t)
{
    t.D1_Nanies_Opisy_StringGridow();
    t.Wyczysc_Ustawienia(1);
    t.Ustaw_Numer_Tabeli_kodow_lokali(QStringLiteral("0000"));
    for (int n = 1; n <= 64; ++n)
        t.Ustaw_Kod_Lokalu(n, QStringLiteral("0000"));
}

Dane_Podstawowe gathered(const SettingsTab &t)
{
    Dane_Podstawowe d;
    if (!t.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(d, 39))
        qFatal("gathering failed");
    return d;
}
} // namespace

class tst_konwersje : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Wczytaj_WJ_do_tablicy();
        Nr_Jezyka = 1;
    }
    void gatherCases_data();
    void gatherCases();
    void roundTripOfAGatheredImage();
    void anyImageComesBackNormalised();
    void showsWithoutSelectionAndStores255();
    void bytes521To528AreKept();
    void cellThatIsNotANumberFailsAndKeepsTheImage_data();
    void cellThatIsNotANumberFailsAndKeepsTheImage();
};

void tst_konwersje::gatherCases_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");

    QTest::newRow("code 0712, Zez 0: first byte") << "code7" << "0712" << 15 << 0x87;
    QTest::newRow("code 0712, Pod 1: second byte") << "code7" << "0712" << 16 << 12;
    QTest::newRow("admin none") << "row7" << "none" << 233 << 0x7F;
    QTest::newRow("admin none, last") << "row7" << "none" << 235 << 0x7F;
    QTest::newRow("admin 123456") << "row7" << "123456" << 233 << 0x12;
    QTest::newRow("admin 123456, last") << "row7" << "123456" << 235 << 0x56;
    QTest::newRow("lock 10, delay 20") << "lock10delay20" << "" << 250 << 20;
    QTest::newRow("lock 4, delay 250") << "lock4delay250" << "" << 250 << 254;
    QTest::newRow("options 1 and 6") << "options16" << "" << 249 << 0x21;
    QTest::newRow("modules 3 and 1") << "modules31" << "" << 229 << 0x13;
    QTest::newRow("G-c digit 2 gathers as 0") << "gc2" << "" << 209 << 0xFE;
    QTest::newRow("shift 300, high") << "shift300" << "" << 253 << 1;
    QTest::newRow("shift 300, low") << "shift300" << "" << 254 << 44;
}

void tst_konwersje::gatherCases()
{
    QFETCH(QString, what);
    QFETCH(QString, value);
    QFETCH(int, byte);
    QFETCH(int, expected);
    SettingsTab t;
    defaults(t);
    if (what == "code7") {
        t.Ustaw_Kod_Lokalu(7, value);
        t.Ustaw_Dzwonek(7, 0, QStringLiteral("  0"));
        t.Ustaw_Dzwonek(7, 2, QStringLiteral("  1"));
    } else if (what == "row7") {
        t.Ustaw_Parametr(7, value);
    } else if (what == "lock10delay20") {
        t.Ustaw_Parametr(4, QStringLiteral("10"));
        t.Ustaw_Parametr(5, QStringLiteral("20"));
    } else if (what == "lock4delay250") {
        t.Ustaw_Parametr(4, QStringLiteral("4"));
        t.Ustaw_Parametr(5, QStringLiteral("250"));
    } else if (what == "options16") {
        for (int k = 1; k <= 8; ++k)
            t.setItemIndex(SettingsTab::Opcja(k), k == 1 || k == 6 ? 1 : 0);
    } else if (what == "modules31") {
        t.setItemIndex(SettingsTab::Modul_we_wy_1, 3);
        t.setItemIndex(SettingsTab::Modul_we_wy_2, 1);
    } else if (what == "gc2") {
        t.Ustaw_Dzwonek(1, 1, QStringLiteral("  2"));
    } else if (what == "shift300") {
        t.Ustaw_Parametr(3, QStringLiteral("300"));
    }
    QCOMPARE(int(gathered(t)[byte]), expected);
}

void tst_konwersje::roundTripOfAGatheredImage()
{
    // Every editor away from its default, then gathered, shown and gathered again.
    SettingsTab t;
    defaults(t);
    QRandomGenerator rng(7);
    for (int n = 1; n <= 64; ++n) {
        t.Ustaw_Kod_Lokalu(n, QStringLiteral("%1").arg(rng.bounded(10000), 4, 10, QLatin1Char('0')));
        for (int a = 0; a < 3; ++a)
            t.Ustaw_Dzwonek(n, a, rng.bounded(2) ? QStringLiteral("  1") : QStringLiteral("  0"));
    }
    const QStringList rows = {"3", "40", "612", "10", "130", "0417", "901234", "4", "9", "20"};
    for (int r = 1; r <= 10; ++r)
        t.Ustaw_Parametr(r, rows[r - 1]);
    for (int l = 0; l < SettingsTab::Liczba_List; ++l) {
        const auto lista = SettingsTab::Lista(l);
        t.setItemIndex(lista, rng.bounded(SettingsTab::Liczba_Pozycji(lista)));
    }
    t.Ustaw_Numer_Tabeli_kodow_lokali(QStringLiteral("4711"));
    const Dane_Podstawowe first = gathered(t);

    SettingsTab u;
    defaults(u);
    u.D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(first, 39);
    for (int r = 1; r <= 10; ++r)
        QCOMPARE(u.Parametr(r), rows[r - 1]);
    QCOMPARE(u.Numer_Tabeli_kodow_lokali(), QStringLiteral("4711"));
    const Dane_Podstawowe second = gathered(u);
    for (int i = 1; i <= 256; ++i)
        QVERIFY2(first[i] == second[i], qPrintable(QString::number(i)));
}

void tst_konwersje::anyImageComesBackNormalised()
{
    Dane_Podstawowe raw;
    QRandomGenerator rng(11);
    for (int i = 1; i <= 256; ++i)
        raw[i] = quint8(rng.bounded(256));
    raw[233] = 0x1A; // not valid BCD
    SettingsTab t;
    defaults(t);
    t.D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(raw, 39);
    QCOMPARE(t.Parametr(7), QStringLiteral("none"));
    const Dane_Podstawowe back = gathered(t);
    QCOMPARE(int(back[233]), 0x7F);
    QCOMPARE(int(back[234]), 0x7F);
    QCOMPARE(int(back[235]), 0x7F);
    // Bytes without a setting come back as 0.
    for (int i : {224, 230, 237, 244, 248, 251, 252})
        QCOMPARE(int(back[i]), 0);
}

void tst_konwersje::showsWithoutSelectionAndStores255()
{
    Dane_Podstawowe d;
    d[241] = 0xE8; // additional number 1 = 1000: no such item
    d[242] = 0x03;
    d[243] = 70;   // an address above 64
    SettingsTab t;
    defaults(t);
    t.D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(d, 39);
    QCOMPARE(t.ItemIndex(SettingsTab::Numer_dodatkowy(1)), -1);
    QCOMPARE(t.ItemIndex(SettingsTab::Adres_dodatkowy(1)), -1);
    const Dane_Podstawowe back = gathered(t);
    QCOMPARE(int(back[241]), 255);
    QCOMPARE(int(back[242]), 0);
    QCOMPARE(int(back[243]), 255);
}

void tst_konwersje::bytes521To528AreKept()
{
    SettingsTab t;
    defaults(t);
    Dane_Podstawowe d;
    for (int i = 257; i <= 528; ++i)
        d[i] = quint8(i);
    QVERIFY(t.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(d, 39));
    QCOMPARE(int(d[520]), 0);
    for (int i = 521; i <= 528; ++i)
        QCOMPARE(int(d[i]), i & 0xFF);
}

void tst_konwersje::cellThatIsNotANumberFailsAndKeepsTheImage_data()
{
    QTest::addColumn<QString>("cell");
    QTest::newRow("empty code") << "code";
    QTest::newRow("ringing text") << "ring";
    QTest::newRow("parameter text") << "param";
    QTest::newRow("table label") << "label";
}

void tst_konwersje::cellThatIsNotANumberFailsAndKeepsTheImage()
{
    QFETCH(QString, cell);
    SettingsTab t;
    defaults(t);
    if (cell == "code")
        t.Ustaw_Kod_Lokalu(12, QString());
    else if (cell == "ring")
        t.Ustaw_Dzwonek(12, 1, QStringLiteral("  x"));
    else if (cell == "param")
        t.Ustaw_Parametr(9, QStringLiteral("dwa"));
    else
        t.Ustaw_Numer_Tabeli_kodow_lokali(QStringLiteral("00a0"));
    Dane_Podstawowe d;
    d[1] = 42;
    d[100] = 42;
    const Dane_Podstawowe before = d;
    QVERIFY(!t.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(d, 39));
    QVERIFY(d == before);
}

QTEST_MAIN(tst_konwersje)
#include "tst_konwersje.moc"
