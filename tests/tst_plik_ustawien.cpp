#include <QtTest>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "model/Plik_Ustawien.h"

using namespace Plik_Ustawien;

namespace {

// An image with something in every region of the 528 bytes, the file-only tail included.
Dane_Podstawowe probka()
{
    Dane_Podstawowe d;
    for (int nr = 1; nr <= Dane_Podstawowe::Rozmiar; ++nr)
        d[nr] = quint8(nr * 7 + 3);
    return d;
}

QByteArray wczytaj(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void zapisz_bajty(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bajty), bajty.size());
}

void ustaw_slowo(QByteArray &bajty, int pozycja, qint32 v)
{
    qToLittleEndian<qint32>(v, bajty.data() + pozycja);
}

// Makes every write to a regular file past `limit` bytes fail (EFBIG) while it lives.
class LimitRozmiaruPliku
{
public:
    explicit LimitRozmiaruPliku(rlim_t limit)
    {
        m_sygnal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_poprzedni);
        rlimit nowy = m_poprzedni;
        nowy.rlim_cur = limit;
        m_dziala = setrlimit(RLIMIT_FSIZE, &nowy) == 0;
    }
    ~LimitRozmiaruPliku()
    {
        setrlimit(RLIMIT_FSIZE, &m_poprzedni);
        std::signal(SIGXFSZ, m_sygnal);
    }
    bool dziala() const { return m_dziala; }

private:
    rlimit m_poprzedni{};
    void (*m_sygnal)(int) = nullptr;
    bool m_dziala = false;
};

} // namespace

class tst_plik_ustawien : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void uklad_i_powrot_data();
    void uklad_i_powrot();
    void koniec_obrazu_przechodzi_do_nastepnego_pliku();
    void odrzucenia_data();
    void odrzucenia();
    void dluzszy_plik_i_dlugosc_ponad_50();
    void bledy_platformy();
    void kazde_obciecie_jest_odrzucone();
    void losowe_zmiany_bez_wyjscia_poza_dane();
    void nieudany_zapis_zostawia_stary_plik();

private:
    QString sciezka(const QString &nazwa) const { return m_dir->filePath(nazwa); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_plik_ustawien::uklad_i_powrot_data()
{
    QTest::addColumn<QString>("opis");
    QTest::addColumn<QString>("odczytany");
    QTest::addColumn<QByteArray>("pole");

    const QString pelny = QStringLiteral("Zażółć gęślą jaźń – ZAŻÓŁĆ GĘŚLĄ JAŹŃ, klatka B/12");
    QCOMPARE(pelny.size(), 50);
    const QByteArray pelny1250 = QByteArray::fromHex(
        "5a61bff3b3e62067ea9c6cb9206a619ff12096205a41afd3a3"
        "c62047ca8c4ca5204a418fd12c206b6c61746b6120422f3132");
    QTest::newRow("50 Polish characters") << pelny << pelny << pelny1250;
    QTest::newRow("empty") << QString() << QString() << QByteArray();
    QTest::newRow("longer than 50 is cut") << pelny + "XYZ" << pelny << pelny1250;
    QTest::newRow("letter outside the code page") << QStringLiteral("klatka Ж") << "klatka ?"
                                                  << QByteArray("klatka ?");
}

void tst_plik_ustawien::uklad_i_powrot()
{
    QFETCH(QString, opis);
    QFETCH(QString, odczytany);
    QFETCH(QByteArray, pole);

    const QString plik = sciezka("a.qor");
    const Dane_Podstawowe dane = probka();
    const Wynik_Zapisu z = Zapisz(plik, dane, opis);
    QVERIFY2(z.ok, qPrintable(z.komunikat));

    const QByteArray b = wczytaj(plik);
    QCOMPARE(b.size(), 591);
    QCOMPARE(qFromLittleEndian<qint32>(b.constData()), 4);
    QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 4), 1);
    QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 8), 39);
    QCOMPARE(int(quint8(b[12])), pole.size());
    QCOMPARE(b.mid(13, pole.size()), pole);
    QCOMPARE(b.mid(13 + pole.size(), 50 - pole.size()), QByteArray(50 - pole.size(), '\0'));
    QCOMPARE(b.mid(63), QByteArray(reinterpret_cast<const char *>(dane.data()), 528));

    const Wynik_Odczytu w = Odczytaj(plik);
    QCOMPARE(w.stan, Wynik_Odczytu::Wczytany);
    QCOMPARE(w.opis, odczytany);
    QVERIFY(w.dane == dane);
}

// Bytes 521 to 528 are never cleared by the gathering: what a file brought must reach
// the next file written from it.
void tst_plik_ustawien::koniec_obrazu_przechodzi_do_nastepnego_pliku()
{
    QByteArray obcy = Zbuduj(Dane_Podstawowe(), QStringLiteral("z innego programu"));
    for (int k = 0; k < 8; ++k)
        obcy[63 + 520 + k] = char(0xA0 + k);
    zapisz_bajty(sciezka("obcy.qor"), obcy);

    Wynik_Odczytu w = Odczytaj(sciezka("obcy.qor"));
    QCOMPARE(w.stan, Wynik_Odczytu::Wczytany);
    w.dane.Wyczysc_Do_Zbierania();
    w.dane.Ustaw_Kod_Lokalu(1, 1234);
    QVERIFY(Zapisz(sciezka("nowy.qor"), w.dane, w.opis).ok);

    const QByteArray nowy = wczytaj(sciezka("nowy.qor"));
    QCOMPARE(nowy.right(8), obcy.right(8));
    QCOMPARE(nowy.mid(63 + 256, 264), QByteArray(264, '\0'));
    QCOMPARE(nowy.mid(63 + 2, 2), QByteArray::fromHex("0c22"));
}

void tst_plik_ustawien::odrzucenia_data()
{
    QTest::addColumn<int>("urzadzenie");
    QTest::addColumn<int>("wersja");
    QTest::addColumn<int>("dlugosc");
    QTest::addColumn<int>("nr_tekstu");
    QTest::newRow("device 2, version 40") << 2 << 40 << 591 << 721;
    QTest::newRow("device 0, version 39") << 0 << 39 << 591 << 721;
    QTest::newRow("device 1, version 40") << 1 << 40 << 591 << 774;
    QTest::newRow("device 1, version 0x27000000") << 1 << 0x27000000 << 591 << 774;
    QTest::newRow("short, header of another device") << 2 << 39 << 100 << 721;
    QTest::newRow("short by one byte") << 1 << 39 << 590 << 775;
    QTest::newRow("header only") << 1 << 39 << 12 << 775;
    QTest::newRow("shorter than the header") << 1 << 39 << 11 << 775;
    QTest::newRow("empty") << 1 << 39 << 0 << 775;
}

void tst_plik_ustawien::odrzucenia()
{
    QFETCH(int, urzadzenie);
    QFETCH(int, wersja);
    QFETCH(int, dlugosc);
    QFETCH(int, nr_tekstu);

    QByteArray b = Zbuduj(probka(), QStringLiteral("opis"));
    ustaw_slowo(b, 4, urzadzenie);
    ustaw_slowo(b, 8, wersja);
    zapisz_bajty(sciezka("r.qor"), b.left(dlugosc));

    const Wynik_Odczytu w = Odczytaj(sciezka("r.qor"));
    QCOMPARE(w.stan, Wynik_Odczytu::Odrzucony);
    QCOMPARE(w.nr_tekstu, nr_tekstu);
    QVERIFY(w.dane == Dane_Podstawowe());
    QVERIFY(w.opis.isEmpty());
}

void tst_plik_ustawien::dluzszy_plik_i_dlugosc_ponad_50()
{
    QByteArray b = Zbuduj(probka(), QString(50, QLatin1Char('x')));
    b[12] = char(200);
    b.append(QByteArray(1000, char(0x55)));
    zapisz_bajty(sciezka("d.qor"), b);

    const Wynik_Odczytu w = Odczytaj(sciezka("d.qor"));
    QCOMPARE(w.stan, Wynik_Odczytu::Wczytany);
    QCOMPARE(w.opis, QString(50, QLatin1Char('x')));
    QVERIFY(w.dane == probka());
}

void tst_plik_ustawien::bledy_platformy()
{
    const QString brak = sciezka("nie ma.qor");
    Wynik_Odczytu w = Odczytaj(brak);
    QCOMPARE(w.stan, Wynik_Odczytu::Blad);
    QVERIFY2(w.komunikat.contains(QDir::toNativeSeparators(brak)), qPrintable(w.komunikat));
    QVERIFY(w.komunikat.size() > brak.size() + 2);

    w = Odczytaj(m_dir->path());
    QVERIFY(w.stan != Wynik_Odczytu::Wczytany);

    const QString bez_folderu = sciezka("brak/folderu/x.qor");
    Wynik_Zapisu z = Zapisz(bez_folderu, probka(), QString());
    QVERIFY(!z.ok);
    QVERIFY2(z.komunikat.contains(QDir::toNativeSeparators(bez_folderu)), qPrintable(z.komunikat));

    z = Zapisz(m_dir->path(), probka(), QString());
    QVERIFY(!z.ok);
    QVERIFY(QFileInfo(m_dir->path()).isDir());
}

void tst_plik_ustawien::kazde_obciecie_jest_odrzucone()
{
    const QByteArray b = Zbuduj(probka(), QStringLiteral("Zażółć"));
    const QString plik = sciezka("t.qor");
    for (int n = 0; n < Rozmiar; ++n) {
        zapisz_bajty(plik, b.left(n));
        const Wynik_Odczytu w = Odczytaj(plik);
        QCOMPARE(w.stan, Wynik_Odczytu::Odrzucony);
        QCOMPARE(w.nr_tekstu, 775);
    }
}

// The sanitizer build turns any read past the data into a failure.
void tst_plik_ustawien::losowe_zmiany_bez_wyjscia_poza_dane()
{
    const QByteArray wzor = Zbuduj(probka(), QStringLiteral("Zażółć gęślą jaźń"));
    QRandomGenerator los(20240611);
    for (int proba = 0; proba < 5000; ++proba) {
        QByteArray b = wzor;
        const int zmian = 1 + int(los.bounded(8));
        for (int k = 0; k < zmian; ++k) {
            // Favour the header and the description, where the decisions are made.
            const int pozycja = los.bounded(4) ? int(los.bounded(63)) : int(los.bounded(b.size()));
            b[pozycja] = char(los.bounded(256));
        }
        if (los.bounded(4) == 0)
            b.truncate(int(los.bounded(b.size() + 1)));
        else if (los.bounded(8) == 0)
            b.append(QByteArray(int(los.bounded(64)), char(los.bounded(256))));

        const Wynik_Odczytu w = Rozbierz(b);
        const bool naglowek = b.size() >= 12 && qFromLittleEndian<qint32>(b.constData() + 4) == 1
                              && qFromLittleEndian<qint32>(b.constData() + 8) == 39;
        QCOMPARE(w.stan == Wynik_Odczytu::Wczytany, naglowek && b.size() >= 591);
        if (w.stan == Wynik_Odczytu::Wczytany) {
            QVERIFY(w.opis.size() <= 50);
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(w.dane.data()), 528), b.mid(63, 528));
        }
    }
}

void tst_plik_ustawien::nieudany_zapis_zostawia_stary_plik()
{
    const QString plik = sciezka("stary.qor");
    QVERIFY(Zapisz(plik, probka(), QStringLiteral("stary")).ok);
    const QByteArray stary = wczytaj(plik);

    Wynik_Zapisu z;
    {
        LimitRozmiaruPliku limit(100);
        if (!limit.dziala())
            QSKIP("cannot lower the file size limit here");
        z = Zapisz(plik, Dane_Podstawowe(), QStringLiteral("nowy"));
    }
    QVERIFY(!z.ok);
    QVERIFY2(z.komunikat.contains(QDir::toNativeSeparators(plik)), qPrintable(z.komunikat));
    QCOMPARE(wczytaj(plik), stary);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"stary.qor"});

    QVERIFY(Zapisz(plik, Dane_Podstawowe(), QStringLiteral("nowy")).ok);
    QCOMPARE(Odczytaj(plik).opis, QStringLiteral("nowy"));
}

QTEST_APPLESS_MAIN(tst_plik_ustawien)
#include "tst_plik_ustawien.moc"
