#include "lang/Teksty_WJ.h"
#include "model/Dane_Podstawowe.h"
#include "model/Plik_Ustawien.h"
#include "model/SettingsTab.h"
#include <QtTest>

// vezo-cli as a script runs it: its status, its one line on stderr and the files it
// leaves. One read and one write go through vezo-sim in real time; the rest uses the
// in-process simulated unit.
class tst_cli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readThenWriteRoundTripsTheImage();
    void refusals_data();
    void refusals();
    void showLaysCodesOutByTens();

private:
    struct Wynik
    {
        int status = -1;
        QByteArray out, err;
    };
    Wynik cli(const QStringList &args);
    bool startSim(QProcess &sim, const QStringList &args, QString *port);
    QString plik(const QString &name) const { return m_dir.filePath(name); }
    QByteArray obraz() const;

    QTemporaryDir m_dir;
};

namespace {
void stopSim(QProcess &sim)
{
    sim.closeWriteChannel();
    if (!sim.waitForFinished(10000)) {
        sim.kill();
        sim.waitForFinished();
    }
}
}

void tst_cli::initTestCase()
{
#if !defined(VEZO_CLI_PATH) || !defined(VEZO_SIM_PATH)
    QSKIP("vezo-cli and vezo-sim are not built");
#endif
    QVERIFY(m_dir.isValid());
    Wczytaj_WJ_do_tablicy();
    Nr_Jezyka = 1; // no vezo.ini in the folder given to vezo-cli: English
}

tst_cli::Wynik tst_cli::cli(const QStringList &args)
{
    Wynik w;
#if defined(VEZO_CLI_PATH)
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VEZO_INI_DIR"), m_dir.path());
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(m_dir.path());
    p.start(QStringLiteral(VEZO_CLI_PATH), args);
    p.closeWriteChannel(); // standard input is no terminal
    if (!p.waitForFinished(60000))
        p.kill();
    w.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    w.out = p.readAllStandardOutput();
    w.err = p.readAllStandardError();
#else
    Q_UNUSED(args);
#endif
    return w;
}

bool tst_cli::startSim(QProcess &sim, const QStringList &args, QString *port)
{
#if defined(VEZO_SIM_PATH)
    sim.start(QStringLiteral(VEZO_SIM_PATH), args + QStringList{QStringLiteral("--quit-on-eof")});
    if (!sim.waitForStarted())
        return false;
    while (!sim.canReadLine())
        if (!sim.waitForReadyRead(10000))
            return false;
    *port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    return port->startsWith(QLatin1Char('/'));
#else
    Q_UNUSED(sim);
    Q_UNUSED(args);
    Q_UNUSED(port);
    return false;
#endif
}

// An image as the editors gather it (so it survives showing and gathering), with every
// setting away from its default.
QByteArray tst_cli::obraz() const
{
    Dane_Podstawowe d;
    for (int nr = 1; nr <= Dane_Podstawowe::Rozmiar_Obrazu; ++nr)
        d[nr] = quint8((nr * 37 + 11) & 0x7F);
    SettingsTab tab;
    tab.D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(d, 39);
    Dane_Podstawowe zebrane;
    if (!tab.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(zebrane, 39))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(zebrane.data()), Dane_Podstawowe::Rozmiar_Obrazu);
}

void tst_cli::readThenWriteRoundTripsTheImage()
{
    const QByteArray image = obraz();
    QCOMPARE(image.size(), 256);
    QFile seed(plik(QStringLiteral("seed.bin")));
    QVERIFY(seed.open(QIODevice::WriteOnly));
    seed.write(image);
    seed.close();

    // Read from a v4.0 unit holding the image.
    QProcess zrodlo;
    QString port;
    QVERIFY(startSim(zrodlo, {QStringLiteral("--image"), seed.fileName(), QStringLiteral("--sim-version=40"),
                              QStringLiteral("--sim-password=1205")},
                     &port));
    const QString qor = plik(QStringLiteral("odczyt.qor"));
    Wynik r = cli({QStringLiteral("read"), qor, QStringLiteral("--link=serial"), QStringLiteral("--port"), port,
                   QStringLiteral("--password"), QStringLiteral("28461205")});
    stopSim(zrodlo);
    QVERIFY2(r.status == 0, r.err.constData());
    QVERIFY(r.err.isEmpty()); // no progress line off a terminal, no message on success
    QFile f(qor);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.size(), Plik_Ustawien::Rozmiar);
    QCOMPARE(bytes.mid(Plik_Ustawien::Pozycja_Obrazu, 256).toHex(), image.toHex());

    // Written to a blank v3.9 unit, which then holds the same image.
    QProcess cel;
    const QString dump = plik(QStringLiteral("dump.bin"));
    QVERIFY(startSim(cel, {QStringLiteral("--sim-version=39"), QStringLiteral("--dump"), dump}, &port));
    Wynik w = cli({QStringLiteral("write"), qor, QStringLiteral("--yes"), QStringLiteral("--link=serial"),
                   QStringLiteral("--port"), port});
    stopSim(cel);
    QVERIFY2(w.status == 0, w.err.constData());
    QFile d(dump);
    QVERIFY(d.open(QIODevice::ReadOnly));
    QCOMPARE(d.readAll().toHex(), image.toHex());
}

void tst_cli::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("line"); // the whole stderr line, or its start when ending in "*"

    Dane_Podstawowe d;
    QFile dobry(plik(QStringLiteral("dobry.qor")));
    QVERIFY(dobry.open(QIODevice::WriteOnly));
    dobry.write(Plik_Ustawien::Zbuduj(d, QString()));
    dobry.close();
    QFile krotki(plik(QStringLiteral("krotki.qor")));
    QVERIFY(krotki.open(QIODevice::WriteOnly));
    krotki.write(Plik_Ustawien::Zbuduj(d, QString()).left(300));
    krotki.close();
    QByteArray obce = Plik_Ustawien::Zbuduj(d, QString());
    obce[4] = 2; // another device
    QFile obcy(plik(QStringLiteral("obcy.qor")));
    QVERIFY(obcy.open(QIODevice::WriteOnly));
    obcy.write(obce);
    obcy.close();

    const QString wynik = plik(QStringLiteral("nie-powinno-powstac.qor"));
    const QString sim = QStringLiteral("--link=sim");
    auto l = [](const QString &t) { return QStringLiteral("vezo-cli: ") + t; };
    // clang-format off
    QTest::newRow("missing file")        << QStringList{"write", plik("brak.qor"), sim, "--yes"} << 3 << l(plik("brak.qor") + "*");
    QTest::newRow("short file")          << QStringList{"write", krotki.fileName(), sim, "--yes"} << 3 << l(WJ(775).arg(krotki.fileName()));
    QTest::newRow("foreign file")        << QStringList{"show", obcy.fileName()} << 3 << l(obcy.fileName() + ": " + WJ(721));
    QTest::newRow("no cable")            << QStringList{"read", wynik, "--link=serial", "--port", plik("no-such-port")} << 1 << l(WJ(733) + " (" + plik("no-such-port") + ":*");
    QTest::newRow("silent unit")         << QStringList{"read", wynik, sim, "--sim-silent"} << 1 << l(WJ(731) + " " + WJ(742));
    QTest::newRow("silent unit, write")  << QStringList{"write", dobry.fileName(), sim, "--sim-silent", "--yes"} << 1 << l(WJ(731));
    QTest::newRow("read fails at 17")    << QStringList{"read", wynik, sim, "--sim-silent-from-block=17", "--sim-version=39"} << 1 << l(WJ(735) + " " + WJ(736));
    QTest::newRow("wrong password")      << QStringList{"read", wynik, sim, "--sim-password=1234"} << 4 << l(WJ(737));
    QTest::newRow("no terminal, no --yes") << QStringList{"write", dobry.fileName(), sim} << 5 << l("standard input is not a terminal*");
    QTest::newRow("password not digits") << QStringList{"read", wynik, sim, "--password", "2846abcd"} << 2 << l("--password*");
    QTest::newRow("unknown command")     << QStringList{"fetch", wynik} << 2 << l("fetch is not a command: read, write or show");
    // clang-format on
}

void tst_cli::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, line);

    const Wynik w = cli(args);
    QCOMPARE(w.status, status);
    const QString err = QString::fromLocal8Bit(w.err);
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
    QVERIFY(err.endsWith(QLatin1Char('\n')));
    if (line.endsWith(QLatin1Char('*')))
        QVERIFY2(err.startsWith(line.chopped(1)), qPrintable(err));
    else
        QCOMPARE(err.chopped(1), line);
    QVERIFY(w.out.isEmpty());
    // A failed read leaves no file behind.
    QVERIFY(!QFile::exists(plik(QStringLiteral("nie-powinno-powstac.qor"))));
}

void tst_cli::showLaysCodesOutByTens()
{
    Dane_Podstawowe d;
    for (int i = 1; i <= 64; ++i)
        d.Ustaw_Kod_Lokalu(i, 100 * i + i % 100);
    d.Ustaw_Numer_Tabeli_Kodow(1205);
    QFile f(plik(QStringLiteral("kody.qor")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Plik_Ustawien::Zbuduj(d, QStringLiteral("Blok 7")));
    f.close();

    const Wynik w = cli({QStringLiteral("show"), f.fileName()});
    QCOMPARE(w.status, 0);
    QVERIFY(w.err.isEmpty());
    const QStringList lines = QString::fromLocal8Bit(w.out).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Short description: Blok 7")));
    QVERIFY(lines.contains(QStringLiteral("Table of codes no: 1205")));
    // Apartment 0 has no cell content; row 60 ends with apartment 64.
    QVERIFY(lines.contains(QStringLiteral("   0      0101 0202 0303 0404 0505 0606 0707 0808 0909")));
    QVERIFY(lines.contains(QStringLiteral("  10 1010 1111 1212 1313 1414 1515 1616 1717 1818 1919")));
    QVERIFY(lines.contains(QStringLiteral("  60 6060 6161 6262 6363 6464")));
    QVERIFY(lines.contains(QStringLiteral("  Instalator password: 0000")));
}

QTEST_GUILESS_MAIN(tst_cli)
#include "tst_cli.moc"
