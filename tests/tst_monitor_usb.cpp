#include "lang/Teksty_WJ.h"
#include "link/Kabel_USB.h"
#include "link/MonitorUSB.h"
#include "link/SimFtdi.h"
#include "link/SimulatedUnit.h"
#include <QtTest>

namespace {
struct Stanowisko
{
    SimulatedUnit unit;
    VirtualClock clock;
    SimFtdi api{unit, clock};
    MonitorUSB monitor{api, clock};
};

QString tekstWersji(int v) { return WJ(772) + QString::number(v) + QString(39, QLatin1Char(' ')); }
}

class TestMonitorUSB : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Wczytaj_WJ_do_tablicy(); }
    void pierwszyTik_data();
    void pierwszyTik();
    void odlaczenieIPonownePodlaczenie();
    void nasluchiwanie_data();
    void nasluchiwanie();
    void tekstBledu_data();
    void tekstBledu();
    void rts_data();
    void rts();
};

// First tick of an attachment, then a second one that must not ask again.
void TestMonitorUSB::pierwszyTik_data()
{
    QTest::addColumn<bool>("kabel");
    QTest::addColumn<bool>("milczy");
    QTest::addColumn<int>("wersja");
    QTest::addColumn<int>("odpowiedz");  // -1: not asked
    QTest::addColumn<int>("nrWersji");
    QTest::addColumn<int>("pytan");

    QTest::newRow("no cable") << false << false << 0x27 << -1 << 773 << 0;
    QTest::newRow("cable and 0x27") << true << false << 0x27 << 39 << 772 << 1;
    QTest::newRow("cable and 0x28") << true << false << 0x28 << 40 << 772 << 1;
    QTest::newRow("cable and 0x29") << true << false << 0x29 << 0x29 << 773 << 1;
    QTest::newRow("cable, unit silent") << true << true << 0x27 << 0 << 773 << 4;
}

void TestMonitorUSB::pierwszyTik()
{
    QFETCH(bool, kabel);
    QFETCH(bool, milczy);
    QFETCH(int, wersja);
    QFETCH(int, odpowiedz);
    QFETCH(int, nrWersji);
    QFETCH(int, pytan);

    Stanowisko s;
    s.unit.setVersion(quint8(wersja));
    s.unit.faults().silent = milczy;
    if (!kabel)
        s.unit.unplug();

    const Wynik_Tiku_USB w = s.monitor.tick();
    QCOMPARE(w.polaczenie, kabel);
    QCOMPARE(s.monitor.Polaczenie_USB(), kabel);
    QCOMPARE(w.lampka, kabel ? Lampka_Zielona : Lampka_Czerwona);
    QCOMPARE(w.nrTekstuPolaczenia, kabel ? 770 : 771);
    QCOMPARE(w.tekstPolaczenia, WJ(kabel ? 770 : 771));
    QVERIFY(w.malujWersje);
    QCOMPARE(w.nrTekstuWersji, nrWersji);
    QCOMPARE(w.tekstWersji, nrWersji == 772 ? tekstWersji(odpowiedz) : WJ(773));
    QCOMPARE(w.odpowiedzWersji, odpowiedz);
    QVERIFY(w.liniePamieci.isEmpty());
    QCOMPARE(s.unit.versionQueries(), pytan);
    QVERIFY(!s.api.isOpen());

    const Wynik_Tiku_USB drugi = s.monitor.tick();
    QCOMPARE(drugi.polaczenie, kabel);
    QCOMPARE(drugi.nrTekstuPolaczenia, kabel ? 770 : 771);
    // Once per attachment, whatever the answer; without the cable 773 is painted each tick.
    QCOMPARE(drugi.malujWersje, !kabel);
    QCOMPARE(drugi.odpowiedzWersji, -1);
    QCOMPARE(s.unit.versionQueries(), pytan);
}

void TestMonitorUSB::odlaczenieIPonownePodlaczenie()
{
    Stanowisko s;
    QCOMPARE(s.monitor.tick().odpowiedzWersji, 39);
    QVERIFY(s.monitor.Wersja_Odczytana());

    s.unit.unplug();
    const Wynik_Tiku_USB bez = s.monitor.tick();
    QCOMPARE(bez.lampka, Lampka_Czerwona);
    QVERIFY(!s.monitor.Polaczenie_USB());
    QVERIFY(!s.monitor.Wersja_Odczytana());

    s.unit.plugIn();
    const Wynik_Tiku_USB znow = s.monitor.tick();
    QCOMPARE(znow.lampka, Lampka_Zielona);
    QCOMPARE(znow.odpowiedzWersji, 39);
    QCOMPARE(znow.tekstWersji, tekstWersji(39));
    QCOMPARE(s.unit.versionQueries(), 2);
}

void TestMonitorUSB::nasluchiwanie_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("linia");  // empty: no memo lines

    QTest::newRow("65 66") << QByteArray("AB") << QStringLiteral("Char: AB    Int.: 65 66 ");
    QTest::newRow("byte 0 as a blank") << QByteArray("\0A", 2) << QStringLiteral("Char:  A    Int.: 0 65 ");
    QTest::newRow("silent") << QByteArray() << QString();
}

void TestMonitorUSB::nasluchiwanie()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, linia);

    Stanowisko s;
    s.monitor.tick();
    s.monitor.setNasluchiwanie_USB(true);
    if (!bajty.isEmpty())
        s.unit.sendUnsolicited(bajty, s.clock.nowMs());
    // Fewer than 33 bytes: the listening read ends with its time-out.
    const qint64 start = s.clock.nowMs();
    const Wynik_Tiku_USB w = s.monitor.tick();
    QCOMPARE(s.clock.nowMs() - start, qint64(Czas_Odczytu_USB_ms));
    if (linia.isEmpty()) {
        QVERIFY(w.liniePamieci.isEmpty());
    } else {
        QCOMPARE(w.liniePamieci, (QStringList{WJ(413), linia, QString()}));
    }
    QCOMPARE(w.lampka, Lampka_Zielona);
}

void TestMonitorUSB::tekstBledu_data()
{
    QTest::addColumn<uint>("status");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("0") << 0u << QString();
    QTest::newRow("1") << 1u << QStringLiteral("FT_Close - Invalid Handle...");
    QTest::newRow("6") << 6u << QStringLiteral("FT_Close - Invalid Parameter ...");
    QTest::newRow("7") << 7u << QStringLiteral("FT_Close - status 7");
}

void TestMonitorUSB::tekstBledu()
{
    QFETCH(uint, status);
    QFETCH(QString, tekst);
    QCOMPARE(Tekst_Bledu_USB(QStringLiteral("FT_Close"), status), tekst);
}

void TestMonitorUSB::rts_data()
{
    QTest::addColumn<bool>("ustaw");
    QTest::addColumn<bool>("polaczenie");
    QTest::addColumn<bool>("kabel");
    QTest::addColumn<bool>("zmiana");
    QTest::addColumn<QString>("wlacz");
    QTest::addColumn<QString>("wylacz");
    QTest::addColumn<QStringList>("bledy");

    const QString start1 = QStringLiteral("Ustaw RTS"), start2 = QStringLiteral("Wyłącz RTS");
    const QStringList brak;
    QTest::newRow("set") << true << true << true << true << QStringLiteral("RTS ustawiony") << QStringLiteral("Kasuj RTS") << brak;
    QTest::newRow("clear") << false << true << true << true << QStringLiteral("Ustaw RTS") << QStringLiteral("RTS skasowany") << brak;
    QTest::newRow("set, no connection") << true << false << true << false << start1 << start2 << brak;
    QTest::newRow("set, open fails")
        << true << true << false << false << start1 << start2
        << QStringList{QStringLiteral("Open_USB_Device_By_Device_Description - Device Not Found....")};
}

void TestMonitorUSB::rts()
{
    QFETCH(bool, ustaw);
    QFETCH(bool, polaczenie);
    QFETCH(bool, kabel);
    QFETCH(bool, zmiana);
    QFETCH(QString, wlacz);
    QFETCH(QString, wylacz);
    QFETCH(QStringList, bledy);

    Stanowisko s;
    s.unit.setRts(!ustaw, 0);
    const int zmianPrzed = s.unit.rtsChanges();
    if (!kabel)
        s.unit.unplug();
    const Przyciski_RTS poczatek;
    const Wynik_RTS w = ustaw ? Ustaw_RTS(s.api, polaczenie, poczatek) : Kasuj_RTS(s.api, polaczenie, poczatek);
    QCOMPARE(w.zmienPrzyciski, zmiana);
    QCOMPARE(w.przyciski.wlaczRTS, wlacz);
    QCOMPARE(w.przyciski.wylaczRTS, wylacz);
    QCOMPARE(w.przyciski.wlaczRTSEnabled, zmiana ? !ustaw : true);
    QCOMPARE(w.przyciski.wylaczRTSEnabled, zmiana ? ustaw : true);
    QCOMPARE(w.przyciski.rtsUstawiony(), zmiana && ustaw);
    QCOMPARE(w.bledy, bledy);
    QCOMPARE(s.unit.rts(), zmiana ? ustaw : !ustaw);
    QCOMPARE(s.unit.rtsChanges(), zmianPrzed + (zmiana ? 1 : 0));
    QVERIFY(!s.api.isOpen());
}

QTEST_GUILESS_MAIN(TestMonitorUSB)
#include "tst_monitor_usb.moc"
