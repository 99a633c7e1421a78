#include <QtTest>
#include "link/D2xxFtdi.h"
#include "link/Kabel_USB.h"
#include "link/LinkOptions.h"
#include "link/SimFtdi.h"
#include "link/TraceFtdi.h"
#include "link/Wymiana.h"

// The shared --link/--port/--trace/--sim-... options, the backend they build, and the
// call trace.
class tst_link_options : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void rejects_data();
    void rejects();
    void simBackendRunsOnVirtualTime();
    void vendorLibraryFailures();
    void traceLinesAndNoChange();
};

namespace {
bool parseArgs(QStringList args, LinkOptions *out, QString *error, int groups = AllLinkOptions)
{
    QCommandLineParser parser;
    addLinkOptions(parser, groups);
    args.prepend(QStringLiteral("vezo"));
    if (!parser.parse(args)) {
        *error = parser.errorText();
        return false;
    }
    return readLinkOptions(parser, out, error, groups);
}
} // namespace

void tst_link_options::parse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("faults"); // the knobs that are not at their defaults

    QTest::newRow("defaults") << QStringList() << int(LinkKind::Auto) << QString() << QString() << 0x28
                              << QString() << QString();
    QTest::newRow("serial on a named port, traced")
        << QStringList{"--link=serial", "--port", "/dev/pts/7", "--trace", "t.txt"} << int(LinkKind::Serial)
        << "/dev/pts/7" << "t.txt" << 0x28 << QString() << QString();
    QTest::newRow("d2xx") << QStringList{"--link", "D2XX"} << int(LinkKind::D2xx) << QString() << QString()
                          << 0x28 << QString() << QString();
    QTest::newRow("sim v3.9 with password")
        << QStringList{"--link=sim", "--sim-version=39", "--sim-password=0412"} << int(LinkKind::Sim) << QString()
        << QString() << 0x27 << "0412" << QString();
    QTest::newRow("another version byte, in hex")
        << QStringList{"--sim-version-byte=0x29"} << int(LinkKind::Auto) << QString() << QString() << 0x29
        << QString() << QString();
    QTest::newRow("every fault knob")
        << QStringList{"--sim-silent", "--sim-needs-rts", "--sim-version-on-attempt=4", "--sim-bad-ack=-1",
                       "--sim-ack-after=4", "--sim-late=700", "--sim-late-replies=1",
                       "--sim-silent-from-block=17", "--sim-unplug-at=9"}
        << int(LinkKind::Auto) << QString() << QString() << 0x28 << QString()
        << "silent rts attempt4 bad-1 ack4 late700x1 from17 unplug9";
}

void tst_link_options::parse()
{
    QFETCH(QStringList, args);
    LinkOptions o;
    QString error;
    QVERIFY2(parseArgs(args, &o, &error), qPrintable(error));
    QTEST(int(o.kind), "kind");
    QTEST(o.port, "port");
    QTEST(o.trace, "trace");
    QTEST(int(o.sim.version), "version");
    QTEST(o.sim.password, "password");

    const SimFaults &f = o.sim.faults;
    const SimFaults d;
    QStringList set;
    if (f.silent)
        set << QStringLiteral("silent");
    if (f.needsRtsToggle)
        set << QStringLiteral("rts");
    if (f.versionFromAttempt != d.versionFromAttempt)
        set << QStringLiteral("attempt%1").arg(f.versionFromAttempt);
    if (f.badNinthByteAnswers != d.badNinthByteAnswers)
        set << QStringLiteral("bad%1").arg(f.badNinthByteAnswers);
    if (f.dataAckAfterBytes != d.dataAckAfterBytes)
        set << QStringLiteral("ack%1").arg(f.dataAckAfterBytes);
    if (f.lateMs != d.lateMs || f.lateReplies != d.lateReplies)
        set << QStringLiteral("late%1x%2").arg(f.lateMs).arg(f.lateReplies);
    if (f.silentFromBlock != d.silentFromBlock)
        set << QStringLiteral("from%1").arg(f.silentFromBlock);
    if (f.unplugAtFrame != d.unplugAtFrame)
        set << QStringLiteral("unplug%1").arg(f.unplugAtFrame);
    QTEST(set.join(QLatin1Char(' ')), "faults");
}

void tst_link_options::rejects_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("groups");
    QTest::addColumn<QString>("mentions");

    QTest::newRow("unknown backend") << QStringList{"--link=usb"} << int(AllLinkOptions) << "--link";
    QTest::newRow("version 41") << QStringList{"--sim-version=41"} << int(AllLinkOptions) << "--sim-version";
    QTest::newRow("version byte 256") << QStringList{"--sim-version-byte=256"} << int(AllLinkOptions)
                                      << "--sim-version-byte";
    QTest::newRow("attempt 0") << QStringList{"--sim-version-on-attempt=0"} << int(AllLinkOptions)
                               << "--sim-version-on-attempt";
    QTest::newRow("late not a number") << QStringList{"--sim-late=soon"} << int(AllLinkOptions) << "--sim-late";
    QTest::newRow("password of three digits") << QStringList{"--sim-password=123"} << int(AllLinkOptions)
                                              << "--sim-password";
    QTest::newRow("password with a letter") << QStringList{"--sim-password=12a4"} << int(AllLinkOptions)
                                            << "--sim-password";
    QTest::newRow("empty port") << QStringList{"--port="} << int(AllLinkOptions) << "--port";
    QTest::newRow("cable option in vezo-sim") << QStringList{"--link=sim"} << int(SimUnitOptions) << "link";
}

void tst_link_options::rejects()
{
    QFETCH(QStringList, args);
    QFETCH(int, groups);
    QFETCH(QString, mentions);
    LinkOptions o;
    QString error;
    QVERIFY(!parseArgs(args, &o, &error, groups));
    QVERIFY2(error.contains(mentions), qPrintable(error));
}

void tst_link_options::simBackendRunsOnVirtualTime()
{
    LinkOptions o;
    o.kind = LinkKind::Sim;
    o.sim.version = 0x27;
    o.sim.faults.silent = true;
    LinkBackend::Failure failure = LinkBackend::Failure::TraceFile;
    const auto b = LinkBackend::create(o, &failure);
    QVERIFY(b);
    QCOMPARE(failure, LinkBackend::Failure::None);
    QCOMPARE(b->kind(), LinkKind::Sim);
    QVERIFY(b->simulatedUnit() && !b->serial());
    QCOMPARE(int(b->simulatedUnit()->version()), 0x27);

    // A silent unit: four attempts of 10 ms and a 500 ms read, counted on the backend's
    // virtual clock, not waited for.
    QVERIFY(dynamic_cast<VirtualClock *>(&b->clock()));
    FT_HANDLE h = nullptr;
    QCOMPARE(Otworz_Kabel_USB(b->api(), h), FT_OK);
    const qint64 before = b->clock().nowMs();
    QCOMPARE(Wymiana(b->api(), b->clock(), h).D1_Odczytaj_Numer_wersji(), 0);
    QCOMPARE(b->clock().nowMs() - before, qint64(4 * 510));
    QCOMPARE(b->api().FT_Close(h), FT_OK);
}

void tst_link_options::vendorLibraryFailures()
{
    // Not there at all: what the window answers with string 751.
    LinkOptions o;
    o.kind = LinkKind::D2xx;
    D2xxFtdi probe;
    if (probe.load())
        QSKIP("the cable's library is installed here");
    LinkBackend::Failure failure = LinkBackend::Failure::None;
    QString detail;
    QVERIFY(!LinkBackend::create(o, &failure, &detail));
    QCOMPARE(failure, LinkBackend::Failure::LibraryMissing);
    QVERIFY(!detail.isEmpty());

    // auto then takes the serial driver.
    o.kind = LinkKind::Auto;
    const auto b = LinkBackend::create(o, &failure);
    QVERIFY(b);
    QCOMPARE(b->kind(), LinkKind::Serial);
    QVERIFY(b->serial());

    // A library without the functions binds nothing; unbound calls fail.
#ifdef Q_OS_LINUX
    D2xxFtdi wrong(QStringLiteral("libm.so.6"));
    QString why;
    QVERIFY(!wrong.load(&why));
    QVERIFY2(why.contains(QLatin1String("FT_OpenEx")) && why.contains(QLatin1String("FT_ClrRts")), qPrintable(why));
    QVERIFY(!wrong.isLoaded());
    FT_HANDLE h = nullptr;
    QCOMPARE(wrong.FT_OpenEx(Opis_Kabla_USB, FT_OPEN_BY_DESCRIPTION, &h), FT_DEVICE_NOT_FOUND);
    QCOMPARE(wrong.FT_Close(h), FT_INVALID_HANDLE);
#endif

    // The trace file cannot be created.
    o.trace = QStringLiteral("/nonexistent-dir/trace.txt");
    QVERIFY(!LinkBackend::create(o, &failure, &detail));
    QCOMPARE(failure, LinkBackend::Failure::TraceFile);
    QVERIFY(detail.contains(o.trace));
}

void tst_link_options::traceLinesAndNoChange()
{
    SimulatedUnit unit;
    unit.setVersion(0x28);
    VirtualClock clock;
    SimFtdi sim(unit, clock);
    QBuffer out;
    QVERIFY(out.open(QIODevice::WriteOnly));
    TraceFtdi trace(sim, out, &clock);

    FT_HANDLE h = nullptr;
    QCOMPARE(Otworz_Kabel_USB(trace, h), FT_OK);
    QCOMPARE(Wymiana(trace, clock, h).D1_Odczytaj_Numer_wersji(), 0x28);
    char none[4];
    QCOMPARE(trace.FT_Read(h, none, 0, nullptr), FT_OK);
    QCOMPARE(trace.FT_SetRts(h), FT_OK);
    QCOMPARE(trace.FT_Close(h), FT_OK);
    QCOMPARE(trace.FT_Close(h), FT_INVALID_HANDLE);
    QCOMPARE(unit.rts(), true);

    const QString hx = QStringLiteral("0x") + QString::number(reinterpret_cast<quintptr>(h), 16);
    const QStringList expected = {
        QStringLiteral("     0.000 FT_OpenEx(\"OIILML\", 2) = 0 handle %1 (0 ms)"),
        QStringLiteral("     0.000 FT_SetBaudRate(%1, 9600) = 0 (0 ms)"),
        QStringLiteral("     0.000 FT_SetTimeouts(%1, 500, 500) = 0 (0 ms)"),
        QStringLiteral("     0.000 FT_Write(%1, 3: 1F 01 21) = 0 written 3 (0 ms)"),
        QStringLiteral("     0.010 FT_Read(%1, 1) = 0 received 1: 28 (0 ms)"),
        QStringLiteral("     0.010 FT_Read(%1, 0) = 0 received 0 (0 ms)"),
        QStringLiteral("     0.010 FT_SetRts(%1) = 0 (0 ms)"),
        QStringLiteral("     0.010 FT_Close(%1) = 0 (0 ms)"),
        QStringLiteral("     0.010 FT_Close(%1) = 1 (0 ms)"),
    };
    QStringList lines = QString::fromUtf8(out.data()).split(QLatin1Char('\n'));
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i], expected[i].arg(hx));
}

QTEST_MAIN(tst_link_options)
#include "tst_link_options.moc"
