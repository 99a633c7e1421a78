#include "lang/Teksty_WJ.h"
#include "link/MonitorUSB.h"
#include "support/MainWindowFixture.h"
#include "ui/StatusBarUSB.h"
#include "ui/Unit_Tabela_Kodow.h"
#include "model/PlikIni.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {
const QColor Czerwona(240, 10, 10);
const QColor Zielona(10, 240, 10);

QString iniValue(const MainWindowFixture &f)
{
    return PlikIni(f.iniDir.filePath(QStringLiteral("vezo.ini")))
        .readString(QStringLiteral("VEZO"), QStringLiteral("Jezyk"), QStringLiteral("<missing>"));
}
} // namespace

class tst_main_window : public QObject
{
    Q_OBJECT
private slots:
    void freshStart();
    void monitor_data();
    void monitor();
    void unplugAndPlugAgain();
    void closingQuestion_data();
    void closingQuestion();
    void moduleVersionFollowsRadioGroup();
    void languageSlotFromIni_data();
    void languageSlotFromIni();
    void languageSwitch();
    void driverMissing();
    void portWithoutPermissionIsSaidOnce();
    void tabChangeRefusedDuringTransfer();
};

void tst_main_window::freshStart()
{
    MainWindowFixture f(QByteArray(), false);
    TForm_Main &w = *f.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("VEZO v2.3"));
    QVERIFY(w.PageControl->isTabVisible(0));
    QVERIFY(!w.PageControl->isTabVisible(1));
    QCOMPARE(w.PageControl->currentIndex(), 0);

    SettingsTab &tab = w.Zakladka();
    const QStringList parametry = {"1", "32", "0", "4", "0", "0000", "none", "3", "2", "15"};
    for (int r = 1; r <= 10; ++r)
        QCOMPARE(tab.Parametr(r), parametry[r - 1]);
    for (int n = 1; n <= 64; ++n)
        for (int a = 0; a < 3; ++a)
            QCOMPARE(tab.Dzwonek(n, a), QStringLiteral("  1"));
    for (int n : {0, 65, 66, 69}) {
        QVERIFY(tab.Dzwonek(n, 0).isEmpty());
        QVERIFY(tab.Kod_Lokalu(n).isEmpty());
    }
    w.Form_Tabela_Kodow()->SetCodeTable(0);
    const QStringList kody = w.Form_Tabela_Kodow()->Kody_Tabeli();
    for (int n = 1; n <= 64; ++n)
        QCOMPARE(tab.Kod_Lokalu(n), kody[n - 1]);
    QCOMPARE(w.D1_Label_Numer_Tabeli_kodow_lokali->text(), QStringLiteral("0000"));
    QCOMPARE(w.RadioGroup_wersja_modulu->checkedId(), 1);
    QCOMPARE(w.Label8->text(), WJ(181));
    // option 1 "Tak", option 3 follows RIVO40, the rest "Nie"
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(tab.ItemIndex(SettingsTab::Opcja(k)), (k == 1 || k == 3) ? 1 : 0);
    QCOMPARE(w.D1_Label_Otwieranie_lub_dzwonienie->text(), WJ(166));
    QCOMPARE(w.D1_Label_port_P1_opis_funkcji[0]->text(), QStringLiteral("Whole port P1 is off"));
    QCOMPARE(w.D1_Label_port_P2_opis_funkcji[0]->text(), QStringLiteral("Whole port P2 is off"));
    QCOMPARE(w.D1_Label_Numer_Lokalu_Kody->text(), WJ(57));

    QVERIFY(!w.Timer_USB->isActive());
    f.endSplash();
    QVERIFY(w.Timer_USB->isActive());
    QCOMPARE(w.StatusBar->Lampa(), Czerwona);
    QCOMPARE(w.StatusBar->Tekst_Polaczenia(), WJ(771));
    QCOMPARE(w.StatusBar->Tekst_Wersji(), WJ(773));
    QVERIFY(f.messages.messages().isEmpty());
}

void tst_main_window::monitor_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("versionText");
    QTest::addColumn<int>("radioItem");

    const QString blanks(39, QLatin1Char(' '));
    QTest::newRow("v4.0") << 0x28 << false << (WJ(772) + "40" + blanks) << 1;
    QTest::newRow("v3.9") << 0x27 << false << (WJ(772) + "39" + blanks) << 0;
    QTest::newRow("0x29") << 0x29 << false << WJ(773) << 1;
    QTest::newRow("silent") << 0x28 << true << WJ(773) << 1;
}

void tst_main_window::monitor()
{
    QFETCH(int, version);
    QFETCH(bool, silent);
    QFETCH(QString, versionText);
    QFETCH(int, radioItem);

    MainWindowFixture f;
    f.unit.setVersion(static_cast<quint8>(version));
    f.unit.faults().silent = silent;
    f.endSplash();
    QCOMPARE(f.window->StatusBar->Lampa(), Zielona);
    QCOMPARE(f.window->StatusBar->Tekst_Polaczenia(), WJ(770));
    QCOMPARE(f.window->StatusBar->Tekst_Wersji(), versionText);
    QCOMPARE(f.window->RadioGroup_wersja_modulu->checkedId(), radioItem);
    const int asked = f.unit.versionQueries();
    QVERIFY(asked >= 1);

    // Not asked again while the cable stays in, whatever the answer was.
    f.tick();
    f.tick();
    QCOMPARE(f.unit.versionQueries(), asked);
    QCOMPARE(f.window->StatusBar->Tekst_Wersji(), versionText);
    QVERIFY(f.window->Monitor()->Polaczenie_USB());
}

void tst_main_window::unplugAndPlugAgain()
{
    MainWindowFixture f;
    f.endSplash();
    QCOMPARE(f.unit.versionQueries(), 1);
    f.unit.unplug();
    f.tick();
    QCOMPARE(f.window->StatusBar->Lampa(), Czerwona);
    QCOMPARE(f.window->StatusBar->Tekst_Polaczenia(), WJ(771));
    QCOMPARE(f.window->StatusBar->Tekst_Wersji(), WJ(773));
    QVERIFY(!f.window->Monitor()->Polaczenie_USB());
    f.unit.plugIn();
    f.tick();
    QCOMPARE(f.unit.versionQueries(), 2);
    QCOMPARE(f.window->StatusBar->Lampa(), Zielona);
    QCOMPARE(f.window->StatusBar->Tekst_Wersji(), WJ(772) + "40" + QString(39, QLatin1Char(' ')));
}

void tst_main_window::closingQuestion_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<int>("answer");
    QTest::newRow("menu, yes") << true << 6;
    QTest::newRow("menu, no") << true << 7;
    QTest::newRow("frame, yes") << false << 6;
    QTest::newRow("frame, no") << false << 7;
}

void tst_main_window::closingQuestion()
{
    QFETCH(bool, fromMenu);
    QFETCH(int, answer);
    MainWindowFixture f;
    f.window->show();
    f.endSplash();
    f.messages.answerQuestions(answer);
    if (fromMenu)
        f.window->Action_Plik_Zamknij->trigger();
    else
        f.window->close();
    QCOMPARE(f.messages.messages().size(), 1);
    QCOMPARE(f.messages.messages()[0].text, WJ(752));
    QCOMPARE(f.messages.messages()[0].caption, QStringLiteral("VEZO v2.3"));
    QCOMPARE(f.messages.messages()[0].flags, 0x24);
    QCOMPARE(f.window->isVisible(), answer == 7);
    QCOMPARE(f.window->Timer_USB->isActive(), answer == 7);
}

void tst_main_window::moduleVersionFollowsRadioGroup()
{
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    SettingsTab &tab = w.Zakladka();
    QVERIFY(w.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(39));
    const int bajt249 = w.Dane().Parametry_Centrali();
    w.RadioGroup_wersja_modulu->button(0)->click();
    QCOMPARE(w.Dane().Parametry_Centrali(), bajt249); // reaches the image at the next gathering
    QCOMPARE(w.Label8->text(), WJ(173));
    QCOMPARE(tab.ItemIndex(SettingsTab::Parametry_centrali_bit_3), 0);
    QCOMPARE(w.Combo(SettingsTab::Parametry_centrali_bit_3)->currentIndex(), 0);
    w.RadioGroup_wersja_modulu->button(1)->click();
    QCOMPARE(w.Label8->text(), WJ(181));
    QCOMPARE(tab.ItemIndex(SettingsTab::Parametry_centrali_bit_3), 1);
}

void tst_main_window::languageSlotFromIni_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("written");
    QTest::newRow("no file") << QByteArray() << 1 << "1";
    QTest::newRow("polish") << QByteArray("[VEZO]\nJezyk=0\n") << 0 << "0";
    QTest::newRow("slovak") << QByteArray("[VEZO]\nJezyk=5\n") << 5 << "5";
    QTest::newRow("out of range") << QByteArray("[VEZO]\nJezyk=7\n") << 1 << "1";
}

void tst_main_window::languageSlotFromIni()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, slot);
    QFETCH(QString, written);
    MainWindowFixture f(ini);
    QCOMPARE(Nr_Jezyka, slot);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f.window->Jezyk[i]->isChecked(), i == slot);
    QCOMPARE(iniValue(f), written);
    QCOMPARE(f.window->Action_Plik_Nowe_ustawienia->text(), Teksty_WJ(slot, 1));
    // Slovak has no translation of "Check version": its placeholder shows.
    if (slot == 5)
        QCOMPARE(f.window->Sprwersj2->text(), QStringLiteral("?18"));
}

void tst_main_window::languageSwitch()
{
    MainWindowFixture f(QByteArray("[VEZO]\nJezyk=0\n"));
    TForm_Main &w = *f.window;
    SettingsTab &tab = w.Zakladka();
    QCOMPARE(tab.Parametr(7), QStringLiteral("brak"));
    tab.setItemIndex(SettingsTab::Parametry_centrali_bit_3, 0); // the user's choice
    w.D1_Label_Numer_Lokalu_Kody->setText(QStringLiteral("12"));
    w.D1_Label_Numer_Lokalu_Dzwonki->setText(QStringLiteral("12"));

    w.Jezyk[1]->trigger();
    QCOMPARE(Nr_Jezyka, 1);
    QCOMPARE(Nr_Jezyka_Poprzedni, 0);
    QCOMPARE(tab.Parametr(7), QStringLiteral("none"));
    QCOMPARE(tab.ItemIndex(SettingsTab::Parametry_centrali_bit_3), 1);
    QCOMPARE(w.Combo(SettingsTab::Parametry_centrali_bit_3)->itemText(1), QStringLiteral("Yes"));
    QCOMPARE(w.D1_Label_Numer_Lokalu_Kody->text(), QStringLiteral("none"));
    QCOMPARE(w.D1_Label_Numer_Lokalu_Dzwonki->text(), QStringLiteral("none"));
    QCOMPARE(tab.D1_StringGrid_Parametry.Cells(0, 1), QStringLiteral("Out - from"));
    QCOMPARE(iniValue(f), QStringLiteral("1"));

    // Digits in the administrator cell stay; the slot in force is written again.
    tab.Ustaw_Parametr(7, QStringLiteral("123456"));
    QFile::remove(f.iniDir.filePath(QStringLiteral("vezo.ini")));
    w.Jezyk[1]->trigger();
    QCOMPARE(tab.Parametr(7), QStringLiteral("123456"));
    QCOMPARE(iniValue(f), QStringLiteral("1"));
    QCOMPARE(w.Jezyk[1]->isChecked(), true);
    QCOMPARE(w.Jezyk[0]->isChecked(), false);
}

void tst_main_window::driverMissing()
{
    QTemporaryDir dir;
    Ustaw_Folder_INI(dir.path());
    MessageRecorder messages;
    TForm_Main w([] { return TForm_Main::Kabel{}; });
    QVERIFY(!w.startedUp());
    QCOMPARE(messages.texts(), QStringList{WJ(751)});
    QVERIFY(!w.Timer_USB->isActive());
    Ustaw_Folder_INI(QString());
}

void tst_main_window::portWithoutPermissionIsSaidOnce()
{
    MainWindowFixture f(QByteArray(), false);
    f.cableReason = WJ(776).arg(QStringLiteral("/dev/ttyUSB0"));
    f.endSplash();
    f.tick();
    f.tick();
    QCOMPARE(f.messages.texts(), QStringList{f.cableReason});
    QVERIFY(f.messages.texts().first().contains(QStringLiteral("dialout")));
    QVERIFY(f.window->Timer_USB->isActive());
    // Once the cable opens the reason is forgotten; a new failure is said again.
    f.unit.plugIn();
    f.tick();
    f.unit.unplug();
    f.tick();
    QCOMPARE(f.messages.texts().size(), 2);
}

void tst_main_window::tabChangeRefusedDuringTransfer()
{
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    w.Tryb_Admin = true;
    w.Wybor_Urzadzenia(1, false);
    QVERIFY(w.PageControl->isTabVisible(1));
    w.D1_Blokada(true, false);
    w.PageControl->setCurrentIndex(1);
    QCOMPARE(w.PageControl->currentIndex(), 0);
    w.D1_Blokada(false, false);
    w.PageControl->setCurrentIndex(1);
    QCOMPARE(w.PageControl->currentIndex(), 1);
}

QTEST_MAIN(tst_main_window)
#include "tst_main_window.moc"
