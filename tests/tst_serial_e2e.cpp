#include <QtTest>
#include "link/Kabel_USB.h"
#include "link/LinkClock.h"
#include "link/SerialFtdi.h"
#include "link/Wymiana.h"
#include "model/Dane_Podstawowe.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Through the kernel's serial driver against vezo-sim on a pseudo-terminal, in real
// time at the line's speed: one pass of each kind of traffic.
class tst_serial_e2e : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void wholeImageReadAndWrite();
    void readKeepsBytesBeyondTheCount();
    void openFailures_data();
    void openFailures();

private:
    QByteArray pattern(int seed) const;
    void startSim(const QByteArray &image);
    QTemporaryDir m_dir;
    QProcess m_sim;
    QString m_port;
    QByteArray m_seed;
    QByteArray m_written;
};

QByteArray tst_serial_e2e::pattern(int seed) const
{
    // Every byte value occurs, 0xFD among them, so data are never taken for an
    // acknowledgement nor an acknowledgement for data.
    QByteArray b(256, '\0');
    for (int i = 0; i < 256; ++i)
        b[i] = char((i * 167 + seed) & 0xFF);
    return b;
}

void tst_serial_e2e::startSim(const QByteArray &image)
{
#if defined(VEZO_SIM_PATH)
    m_seed = image;
    QFile seed(m_dir.filePath(QStringLiteral("seed.bin")));
    QVERIFY(seed.open(QIODevice::WriteOnly | QIODevice::Truncate));
    seed.write(image);
    seed.close();

    m_sim.start(QStringLiteral(VEZO_SIM_PATH),
                {QStringLiteral("--image"), seed.fileName(), QStringLiteral("--dump"),
                 m_dir.filePath(QStringLiteral("dump.bin")), QStringLiteral("--sim-version=40"),
                 QStringLiteral("--sim-password=1205"), QStringLiteral("--quit-on-eof")});
    QVERIFY2(m_sim.waitForStarted(), qPrintable(m_sim.errorString()));
    while (!m_sim.canReadLine())
        QVERIFY2(m_sim.waitForReadyRead(10000), m_sim.readAllStandardError().constData());
    m_port = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
    QVERIFY(m_port.startsWith(QLatin1Char('/')));
#else
    Q_UNUSED(image);
#endif
}

void tst_serial_e2e::initTestCase()
{
#if !defined(VEZO_SIM_PATH) || !defined(Q_OS_UNIX)
    QSKIP("vezo-sim needs pseudo-terminals");
#endif
    QVERIFY(m_dir.isValid());
    startSim(pattern(11));
}

void tst_serial_e2e::cleanupTestCase()
{
    if (m_sim.state() != QProcess::NotRunning) {
        m_sim.terminate();
        if (!m_sim.waitForFinished(10000))
            m_sim.kill();
        m_sim.waitForFinished();
    }
}

void tst_serial_e2e::wholeImageReadAndWrite()
{
    SerialFtdi serial(m_port);
    RealClock clock;
    FT_HANDLE h = nullptr;
    QCOMPARE(Otworz_Kabel_USB(serial, h), FT_OK);
    {
        Wymiana w(serial, clock, h);
        QCOMPARE(w.D1_Odczytaj_Numer_wersji(), 0x28);
        QCOMPARE(w.D1_Odczytaj_Haslo_Instalatora(), QStringLiteral("1205"));

        Dane_Podstawowe dane;
        QElapsedTimer run;
        run.start();
        for (int n = 0; n < Dane_Podstawowe::Liczba_Blokow; ++n)
            QVERIFY2(w.D1_Odczytaj_Osiem_Bajtow(n, dane) == 1, qPrintable(QString::number(n)));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(dane.data()), 256), m_seed);
        // Paced like the wire: 3 bytes out and 9 back per block, each byte 10 bits at
        // 9600 baud; a read run cannot be faster than that.
        QVERIFY(run.nsecsElapsed() >= qint64(32) * 12 * 1000000000 / 960);

        m_written = pattern(200);
        std::copy(m_written.begin(), m_written.end(), dane.data());
        for (int n = 0; n < Dane_Podstawowe::Liczba_Blokow; ++n)
            QVERIFY2(w.D1_Zapisz_Osiem_Bajtow(n, dane) == 1, qPrintable(QString::number(n)));
        w.D1_Zakoncz_Zapis();
    }
    QCOMPARE(serial.FT_Close(h), FT_OK);
    QCOMPARE(serial.FT_Close(h), FT_INVALID_HANDLE);

    // The unit's image after the run, as vezo-sim leaves it on exit.
    m_sim.closeWriteChannel();
    QVERIFY(m_sim.waitForFinished(10000));
    QCOMPARE(m_sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_sim.exitCode(), 0);
    QFile dump(m_dir.filePath(QStringLiteral("dump.bin")));
    QVERIFY(dump.open(QIODevice::ReadOnly));
    QCOMPARE(dump.readAll(), m_written);

    // The other cases want a unit again: the one the run left behind.
    startSim(m_written);
}

void tst_serial_e2e::readKeepsBytesBeyondTheCount()
{
    SerialFtdi serial(m_port);
    FT_HANDLE h = nullptr;
    QCOMPARE(Otworz_Kabel_USB(serial, h), FT_OK);
    const auto frame = Ramka_Rozkazu(0x55, 3);
    DWORD n = 0;
    QCOMPARE(serial.FT_Write(h, frame.data(), 3, &n), FT_OK);
    QCOMPARE(n, DWORD(3));

    // The answer split over three reads and a close: nothing of it is lost.
    char part[9] = {};
    QCOMPARE(serial.FT_Read(h, part, 2, &n), FT_OK);
    QCOMPARE(n, DWORD(2));
    QCOMPARE(serial.FT_Read(h, part + 2, 3, &n), FT_OK);
    QCOMPARE(n, DWORD(3));
    QCOMPARE(serial.FT_Close(h), FT_OK);
    QCOMPARE(Otworz_Kabel_USB(serial, h), FT_OK);
    // Asking for more than will come: the read ends at the time-out with what came.
    QCOMPARE(serial.FT_SetTimeouts(h, 300, 500), FT_OK);
    char rest[16] = {};
    QCOMPARE(serial.FT_Read(h, rest, sizeof rest, &n), FT_OK);
    QCOMPARE(n, DWORD(4));
    std::copy(rest, rest + 4, part + 5);
    QCOMPARE(QByteArray(part, 9), m_seed.mid(24, 8) + char(0xFD));
    QCOMPARE(serial.FT_Close(h), FT_OK);
}

void tst_serial_e2e::openFailures_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("holdPort");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("why");

    QTest::newRow("no such port") << m_dir.filePath(QStringLiteral("ttyNone")) << false
                                  << int(FT_DEVICE_NOT_FOUND) << int(SerialOpenError::NotFound);
    QTest::newRow("no permission") << m_dir.filePath(QStringLiteral("ttyLocked")) << false
                                   << int(FT_DEVICE_NOT_OPENED) << int(SerialOpenError::NoPermission);
    QTest::newRow("held by another program") << m_port << true << int(FT_DEVICE_NOT_OPENED)
                                             << int(SerialOpenError::Busy);
}

void tst_serial_e2e::openFailures()
{
    QFETCH(QString, port);
    QFETCH(bool, holdPort);
    QFETCH(int, status);
    QFETCH(int, why);

    if (why == int(SerialOpenError::NoPermission)) {
#ifdef Q_OS_UNIX
        if (::geteuid() == 0)
            QSKIP("root may open any port");
#endif
        QFile locked(port);
        QVERIFY(locked.open(QIODevice::WriteOnly));
        locked.close();
        QVERIFY(locked.setPermissions(QFileDevice::Permissions()));
    }
    SerialFtdi holder(m_port);
    FT_HANDLE held = nullptr;
    if (holdPort)
        QCOMPARE(Otworz_Kabel_USB(holder, held), FT_OK);

    SerialFtdi serial(port);
    FT_HANDLE h = nullptr;
    QCOMPARE(int(Otworz_Kabel_USB(serial, h)), status);
    QCOMPARE(int(serial.lastOpenError()), why);
    QCOMPARE(serial.lastOpenPort(), port);
    if (holdPort)
        QCOMPARE(holder.FT_Close(held), FT_OK);
}

QTEST_MAIN(tst_serial_e2e)
#include "tst_serial_e2e.moc"
