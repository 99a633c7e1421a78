#include "link/Kabel_USB.h"
#include "link/SimFtdi.h"
#include "link/SimulatedUnit.h"
#include "link/Wymiana.h"
#include <QtTest>

Q_DECLARE_METATYPE(SimFaults)
Q_DECLARE_METATYPE(SimFtdi::Delivery)

namespace {
// Unit and program with different contents, so a copied block is unmistakable.
struct Stanowisko
{
    SimulatedUnit unit;
    VirtualClock clock;
    SimFtdi api{unit, clock};
    FT_HANDLE uchwyt = nullptr;
    Dane_Podstawowe dane;

    Stanowisko()
    {
        for (int i = 0; i < 256; ++i)
            unit.image()[size_t(i)] = quint8(i * 7 + 3);
        for (int nr = 1; nr <= Dane_Podstawowe::Rozmiar; ++nr)
            dane[nr] = quint8(0xA0 ^ nr);
    }
};

QByteArray hex(const char *h) { return QByteArray::fromHex(h); }
QByteArray blokDanych(const Dane_Podstawowe &d, int n) { return QByteArray(reinterpret_cast<const char *>(d.blok(n)), 8); }
QByteArray blokJednostki(const SimulatedUnit &u, int n) { return u.imageBytes().mid(8 * n, 8); }
}

class TestWymiana : public QObject
{
    Q_OBJECT
private slots:
    void wymiany_data();
    void wymiany();
    void zakonczenieZapisu();
};

void TestWymiana::wymiany_data()
{
    QTest::addColumn<SimFtdi::Delivery>("dostawa");
    QTest::addColumn<int>("odstep");
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("blok");
    QTest::addColumn<SimFaults>("usterki");
    QTest::addColumn<int>("wersja");
    QTest::addColumn<QString>("wynik");
    QTest::addColumn<QByteArray>("ruch");  // every byte the unit received
    QTest::addColumn<int>("minMs");        // -1: time not checked
    QTest::addColumn<int>("maxMs");

    const QByteArray v = hex("1f0121");
    const QByteArray r3 = hex("550359");
    const QByteArray w2 = hex("560259");
    auto faults = [](auto set) { SimFaults f; set(f); return f; };
    const SimFaults none;

    struct Row
    {
        const char *name;
        QString op;
        int blok;
        SimFaults f;
        int wersja;
        QString wynik;
        QByteArray ruch;
        int minMs, maxMs;
    };
    const Row rows[] = {
        {"version on the 4th attempt", "version", 0, faults([](SimFaults &f) { f.versionFromAttempt = 4; }), 0x27, "39", v.repeated(4), 1500, 2100},
        {"version 0x00 is no answer, four attempts", "version", 0, none, 0x00, "0", v.repeated(4), -1, -1},
        {"version silent: about 2 s", "version", 0, faults([](SimFaults &f) { f.silent = true; }), 0x27, "0", v.repeated(4), 2040, 2040},
        {"late version byte read by the next attempt", "version", 0, faults([](SimFaults &f) { f.lateMs = 600; f.lateReplies = 1; }), 0x28, "40", v.repeated(2), -1, -1},
        {"bad ninth byte four times", "read", 3, faults([](SimFaults &f) { f.badNinthByteAnswers = 4; f.badNinthByte = 0xFE; }), 0x27, "0", r3.repeated(4), -1, -1},
        {"bad ninth byte three times, fourth good", "read", 3, faults([](SimFaults &f) { f.badNinthByteAnswers = 3; }), 0x27, "1", r3.repeated(4), -1, -1},
        {"block 31", "read", 31, none, 0x27, "1", hex("551f75"), -1, -1},
        {"block read silent: about 2 s", "read", 3, faults([](SimFaults &f) { f.silent = true; }), 0x27, "0", r3.repeated(4), 2012, 2012},
        {"late block answer read by the next attempt", "read", 3, faults([](SimFaults &f) { f.lateMs = 600; f.lateReplies = 1; }), 0x27, "1", r3.repeated(2), -1, -1},
        {"cable out before the first frame", "read", 3, faults([](SimFaults &f) { f.unplugAtFrame = 1; }), 0x27, "0", QByteArray(), -1, -1},
        {"password", "password", 0, none, 0x28, "1227", hex("557dd3"), -1, -1},
        {"password silent", "password", 0, faults([](SimFaults &f) { f.silent = true; }), 0x28, "----", hex("557dd3").repeated(4), 2012, 2012},
        {"block 0 write", "write", 0, none, 0x27, "1", QByteArray(), -1, -1},
        {"data ack on the fifth byte", "write", 2, faults([](SimFaults &f) { f.dataAckAfterBytes = 4; }), 0x27, "1", QByteArray(), -1, -1},
        {"data ack on the twelfth byte", "write", 2, faults([](SimFaults &f) { f.dataAckAfterBytes = 11; }), 0x27, "1", QByteArray(), -1, -1},
        {"data ack after twelve other bytes", "write", 2, faults([](SimFaults &f) { f.dataAckAfterBytes = 12; }), 0x27, "0", QByteArray(), -1, -1},
        {"data ack never: about 6 s", "write", 2, faults([](SimFaults &f) { f.dataAckAfterBytes = -1; }), 0x27, "0", QByteArray(), 6220, 6300},
        {"header unanswered: no data sent", "write", 2, faults([](SimFaults &f) { f.silentFromBlock = 2; }), 0x27, "0", w2.repeated(4), 2012, 2012},
    };
    const struct { const char *name; SimFtdi::Delivery d; int gap; } deliveries[] = {
        {"whole", SimFtdi::Delivery::Whole, 0},
        {"split", SimFtdi::Delivery::Split, 3},
        {"glued", SimFtdi::Delivery::Glued, 40},
    };
    for (const auto &d : deliveries) {
        for (const Row &r : rows) {
            QTest::addRow("%s / %s", r.name, d.name)
                << d.d << d.gap << r.op << r.blok << r.f << r.wersja << r.wynik << r.ruch << r.minMs << r.maxMs;
        }
    }
}

void TestWymiana::wymiany()
{
    QFETCH(SimFtdi::Delivery, dostawa);
    QFETCH(int, odstep);
    QFETCH(QString, op);
    QFETCH(int, blok);
    QFETCH(SimFaults, usterki);
    QFETCH(int, wersja);
    QFETCH(QString, wynik);
    QFETCH(QByteArray, ruch);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    Stanowisko s;
    s.api.setDelivery(dostawa, odstep);
    s.unit.setVersion(quint8(wersja));
    s.unit.block125()[5] = 0x8C;
    s.unit.block125()[6] = 0x7F;
    QCOMPARE(Otworz_Kabel_USB(s.api, s.uchwyt), FT_OK);
    s.unit.setFaults(usterki);

    const Dane_Podstawowe przed = s.dane;
    const QByteArray jednostkaPrzed = s.unit.imageBytes();
    Wymiana w(s.api, s.clock, s.uchwyt);
    const qint64 start = s.clock.nowMs();
    QString wynikTekst;
    if (op == "version")
        wynikTekst = QString::number(w.D1_Odczytaj_Numer_wersji());
    else if (op == "password")
        wynikTekst = w.D1_Odczytaj_Haslo_Instalatora();
    else if (op == "read")
        wynikTekst = QString::number(w.D1_Odczytaj_Osiem_Bajtow(blok, s.dane));
    else
        wynikTekst = QString::number(w.D1_Zapisz_Osiem_Bajtow(blok, s.dane));
    const qint64 czas = s.clock.nowMs() - start;

    QCOMPARE(wynikTekst, wynik);
    if (op == "write") {
        // Headers until one is acknowledged, then the block's data once.
        if (ruch.isEmpty()) {
            const auto h = Ramka_Rozkazu(0x56, quint8(blok));
            ruch = QByteArray(reinterpret_cast<const char *>(h.data()), 3) + blokDanych(przed, blok);
        }
        QCOMPARE(s.dane, przed);  // a write never changes the image
        if (wynik == "1") {
            QCOMPARE(blokJednostki(s.unit, blok), blokDanych(przed, blok));
        }
    }
    QCOMPARE(s.unit.receivedData().toHex(' '), ruch.toHex(' '));

    if (op == "read") {
        Dane_Podstawowe oczekiwane = przed;
        if (wynik == "1")
            std::copy_n(s.unit.image().begin() + 8 * blok, 8, oczekiwane.blok(blok));
        QCOMPARE(s.dane, oczekiwane);
        if (blok == 31 && wynik == "1") {
            for (int nr = 249; nr <= 256; ++nr)
                QCOMPARE(s.dane[nr], quint8(jednostkaPrzed[nr - 1]));
        }
    }
    if (minMs >= 0) {
        QVERIFY2(czas >= minMs && czas <= maxMs, qPrintable(QString::number(czas)));
    }
}

void TestWymiana::zakonczenieZapisu()
{
    Stanowisko s;
    QCOMPARE(Otworz_Kabel_USB(s.api, s.uchwyt), FT_OK);
    s.unit.sendUnsolicited(hex("41"), 0);
    Wymiana(s.api, s.clock, s.uchwyt).D1_Zakoncz_Zapis();
    QCOMPARE(s.unit.receivedData().toHex(), QByteArray("220124"));
    // Nothing is read: the clock stands and the queued byte stays for the next reader.
    QCOMPARE(s.clock.nowMs(), 0);
    QCOMPARE(s.api.queued(), 1);
}

QTEST_GUILESS_MAIN(TestWymiana)
#include "tst_wymiana.moc"
