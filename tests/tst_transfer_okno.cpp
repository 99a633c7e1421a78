// Reading and writing the unit from the real window against the in-process simulated
// unit: messages, image, editors and the orderly end of every path.
#include "lang/Teksty_WJ.h"
#include "link/MonitorUSB.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

namespace {
enum Fault { None, Silent, NeedsRts, NoCable, OpenFails, SilentFromBlock, UnplugAtFrame };

const QString CRLF = QStringLiteral("\r\n");

QString msg(std::initializer_list<int> parts)
{
    QStringList t;
    for (int p : parts)
        t << WJ(p);
    return t.join(CRLF);
}

QByteArray seededImage()
{
    QByteArray img(256, 0);
    for (int i = 0; i < 256; ++i)
        img[i] = char((i * 37 + 11) % 100); // valid digit pairs everywhere
    return img;
}
} // namespace

class tst_transfer_okno : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Wczytaj_WJ_do_tablicy();
        Nr_Jezyka = 1;
    }
    void scenarios_data();
    void scenarios();
    void failedReadKeepsEditorsAndWriteGathersThem();
    void writeFailureShowsGaugeThenZero();
    void cableRemovedMidRunThenPluggedAgain_data();
    void cableRemovedMidRunThenPluggedAgain();
    void noToTheQuestionSendsOnlyTheVersionQuery();
};

void tst_transfer_okno::scenarios_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("admin");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("moved"); // all 32 blocks went through

    const QStringList none;
    const QString question = msg({725, 726});
    QTest::newRow("v3.9 read, empty field") << false << 0x27 << "" << false << int(None) << none << true;
    QTest::newRow("v3.9 write, empty field") << true << 0x27 << "" << false << int(None) << QStringList{question} << true;
    QTest::newRow("v4.0 read, right password") << false << 0x28 << "28461227" << false << int(None) << none << true;
    QTest::newRow("v4.0 write, right password")
        << true << 0x28 << "28461227" << false << int(None) << QStringList{question} << true;
    QTest::newRow("v4.0 read, wrong prefix") << false << 0x28 << "12341227" << false << int(None)
                                             << QStringList{WJ(737)} << false;
    QTest::newRow("v4.0 read, wrong password") << false << 0x28 << "28461228" << false << int(None)
                                               << QStringList{WJ(737)} << false;
    QTest::newRow("v4.0 read, seven characters") << false << 0x28 << "2846122" << false << int(None)
                                                 << QStringList{WJ(737)} << false;
    QTest::newRow("v4.0 write, wrong password") << true << 0x28 << "28460000" << false << int(None)
                                                << QStringList{question, WJ(730)} << false;
    QTest::newRow("v4.0 read, administrator") << false << 0x28 << "" << true << int(None) << none << true;
    QTest::newRow("v4.0 write, administrator") << true << 0x28 << "1" << true << int(None)
                                               << QStringList{question} << true;
    QTest::newRow("answers after RTS") << false << 0x28 << "28461227" << false << int(NeedsRts) << none << true;
    QTest::newRow("silent, read") << false << 0x28 << "28461227" << false << int(Silent)
                                  << QStringList{WJ(731) + CRLF + CRLF + WJ(742)} << false;
    QTest::newRow("silent, write") << true << 0x28 << "28461227" << false << int(Silent)
                                   << QStringList{WJ(731) + CRLF} << false;
    QTest::newRow("no cable") << false << 0x28 << "28461227" << false << int(NoCable) << QStringList{WJ(733)}
                              << false;
    QTest::newRow("open fails") << true << 0x28 << "28461227" << false << int(OpenFails) << QStringList{WJ(732)}
                                << false;
}

void tst_transfer_okno::scenarios()
{
    QFETCH(bool, write);
    QFETCH(int, version);
    QFETCH(QString, password);
    QFETCH(bool, admin);
    QFETCH(int, fault);
    QFETCH(QStringList, messages);
    QFETCH(bool, moved);

    MainWindowFixture f;
    TForm_Main &w = *f.window;
    f.unit.setVersion(static_cast<quint8>(version));
    QVERIFY(f.unit.setInstallerPassword(QStringLiteral("1227")));
    f.unit.setImage(seededImage());
    if (fault == NeedsRts)
        f.unit.faults().needsRtsToggle = true;
    if (fault == NoCable)
        f.unit.unplug();
    f.endSplash();
    if (fault == Silent)
        f.unit.faults().silent = true;
    if (fault == OpenFails)
        f.unit.unplug(); // after a tick that found the cable
    w.Edit_Haslo_Instalatora->setText(password);
    w.Tryb_Admin = admin;
    w.Zakladka().Ustaw_Kod_Lokalu(40, QStringLiteral("0404"));
    const bool rtsBefore = w.Przyciski_RTS_Stan().rtsUstawiony();

    w.findChild<QAbstractButton *>(write ? "Button_Zapisz_Dane_Podstawowe" : "Button_Odczytaj_Dane_Podstawowe")
        ->click();

    QCOMPARE(f.messages.texts(), messages);
    for (const auto &m : f.messages.messages())
        QCOMPARE(m.caption, QStringLiteral("VEZO v2.3"));

    if (write) {
        // The unit now holds the editors, apartment 40's hand-made code included.
        Dane_Podstawowe sent;
        for (int i = 0; i < 256; ++i)
            sent[i + 1] = f.unit.image()[size_t(i)];
        QCOMPARE(sent.Kod_Lokalu(40) == QStringLiteral("0404"), moved);
    } else {
        const QString expected = Dane_Podstawowe::Para_Cyfr_Tekst(quint8(seededImage()[80]), quint8(seededImage()[81]));
        QCOMPARE(w.Zakladka().Kod_Lokalu(40) == expected, moved);
    }
    if (fault == NeedsRts)
        QVERIFY(w.Przyciski_RTS_Stan().rtsUstawiony() != rtsBefore);

    // The common end, whatever happened.
    QVERIFY(!w.Blokada_Wlaczona);
    QVERIFY(w.Timer_USB->isActive());
    QVERIFY(w.findChild<QGroupBox *>("GroupBox_Zapisz_Odczyt_VORU")->isEnabled());
    QVERIFY(w.findChild<QToolBar *>("ToolBar")->isEnabled());
    QVERIFY(w.Action_Plik_Nowe_ustawienia->isEnabled());
    QCOMPARE(w.Gauge_VORU->value(), 0);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!f.api.isOpen());
}

void tst_transfer_okno::failedReadKeepsEditorsAndWriteGathersThem()
{
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    f.unit.setVersion(0x27);
    f.unit.setImage(seededImage());
    f.endSplash();
    f.unit.faults().silentFromBlock = 17;
    const QString before = w.Zakladka().Kod_Lokalu(2);
    w.Action_VORU_odczytaj_ustawienia->trigger();
    QCOMPARE(f.messages.texts(), QStringList{msg({735, 736})});
    QCOMPARE(f.messages.messages().first().flags, 0x10);
    for (int i = 1; i <= 136; ++i)
        QCOMPARE(w.Dane()[i], quint8(seededImage()[i - 1]));
    QCOMPARE(w.Dane()[137], quint8(0));
    QCOMPARE(w.Zakladka().Kod_Lokalu(2), before); // the editors are untouched

    // The following write gathers the editors: what was read is not written back.
    f.unit.faults().silentFromBlock = -1;
    f.messages.clear();
    w.Action_VORU_zapisz_ustawienia->trigger();
    QCOMPARE(f.messages.texts(), QStringList{msg({725, 726})});
    Dane_Podstawowe unit;
    for (int i = 0; i < 256; ++i)
        unit[i + 1] = f.unit.image()[size_t(i)];
    QCOMPARE(unit.Kod_Lokalu(2), before);
    QVERIFY(!w.Blokada_Wlaczona);
}

void tst_transfer_okno::writeFailureShowsGaugeThenZero()
{
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    f.unit.setVersion(0x27);
    f.endSplash();
    f.unit.faults().silentFromBlock = 5;
    QList<int> gauge;
    QList<bool> locked;
    f.messages.onMessage([&] {
        gauge << w.Gauge_VORU->value() << w.Gauge_VORU->maximum();
        locked << w.Blokada_Wlaczona;
    });
    w.Action_VORU_zapisz_ustawienia->trigger();
    QCOMPARE(f.messages.texts(), (QStringList{msg({725, 726}), msg({727, 728, 729})}));
    QCOMPARE(f.messages.messages()[0].flags, 0x34);
    QCOMPARE(f.messages.messages()[1].flags, 0x10);
    QCOMPARE(gauge.mid(2), (QList<int>{4, 32}));
    QCOMPARE(locked, (QList<bool>{true, true}));
    QCOMPARE(w.Gauge_VORU->value(), 0);
    // The closing command went out after the failed block.
    const auto frames = f.unit.frames();
    QCOMPARE(frames.back(), QByteArray("\x22\x01\x24", 3));
}

void tst_transfer_okno::cableRemovedMidRunThenPluggedAgain_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void tst_transfer_okno::cableRemovedMidRunThenPluggedAgain()
{
    QFETCH(bool, write);
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    f.unit.setVersion(0x27);
    f.endSplash();
    f.unit.clearRecord();
    // Frame 1 of the run is the version query; block n is frame n + 2.
    f.unit.faults().unplugAtFrame = 12;
    (write ? w.Action_VORU_zapisz_ustawienia : w.Action_VORU_odczytaj_ustawienia)->trigger();
    const QStringList expected = write ? QStringList{msg({725, 726}), msg({727, 728, 729})}
                                       : QStringList{msg({735, 736})};
    QCOMPARE(f.messages.texts(), expected);
    QVERIFY(!w.Blokada_Wlaczona);
    QVERIFY(w.Timer_USB->isActive());
    f.tick();
    QVERIFY(!w.Monitor()->Polaczenie_USB());

    f.unit.plugIn();
    f.tick();
    QVERIFY(w.Monitor()->Polaczenie_USB());
    f.messages.clear();
    (write ? w.Action_VORU_zapisz_ustawienia : w.Action_VORU_odczytaj_ustawienia)->trigger();
    QCOMPARE(f.messages.texts(), write ? QStringList{msg({725, 726})} : QStringList{});
}

void tst_transfer_okno::noToTheQuestionSendsOnlyTheVersionQuery()
{
    MainWindowFixture f;
    f.unit.setVersion(0x28);
    f.endSplash();
    f.unit.clearRecord();
    f.messages.answerQuestions(7);
    f.window->Action_VORU_zapisz_ustawienia->trigger();
    const auto frames = f.unit.frames();
    QCOMPARE(int(frames.size()), 1);
    QCOMPARE(frames.front(), QByteArray("\x1F\x01\x21", 3));
    QVERIFY(!f.window->Blokada_Wlaczona);
}

QTEST_MAIN(tst_transfer_okno)
#include "tst_transfer_okno.moc"
