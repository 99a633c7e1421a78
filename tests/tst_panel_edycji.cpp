#include "lang/Teksty_WJ.h"
#include "support/MainWindowFixture.h"
#include "ui/Unit_Panel_Edycji.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The real main window with the one edit panel, as the running program has them.
struct Stanowisko
{
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    TForm_Panel_Edycji &panel = *w.Form_Panel_Edycji();
    SettingsTab &tab = w.Zakladka();
    int pokazane = 0;

    // Whatever the runner does happens on the open dialog.
    void gdyOtwarty(std::function<void(TForm_Panel_Edycji &)> akcja)
    {
        TForm_Panel_Edycji::setModalRunner([this, akcja](TForm_Panel_Edycji &p) {
            ++pokazane;
            QVERIFY(p.isVisible());
            akcja(p);
        });
    }

    // A click on a grid cell, as the user makes it.
    static void kliknij(QTableView *v, int row, int col)
    {
        const QModelIndex i = v->model()->index(row, col);
        v->setCurrentIndex(i);
        emit v->pressed(i);
    }
    void wybierzKod(int n)
    {
        kliknij(w.D1_StringGrid_Kody_Lokali, SettingsTab::Wiersz_Lokalu(n), SettingsTab::Kolumna_Kodu(n));
    }
    void wybierzDzwonek(int n)
    {
        kliknij(w.D1_StringGrid_Ustawienia_Dzwonienia, SettingsTab::Wiersz_Lokalu(n), SettingsTab::Kolumna_Dzwonka(n, 0));
    }
    void wybierzParametr(int row)
    {
        kliknij(w.D1_StringGrid_Parametry, row, 1);
    }

    // The main window's double-clicks and its "Globalne" button; true when the panel opened.
    bool dwuklik(QTableView *v)
    {
        const int przed = pokazane;
        emit v->doubleClicked(v->currentIndex());
        return pokazane > przed;
    }
    bool otworzKod() { return dwuklik(w.D1_StringGrid_Kody_Lokali); }
    void otworzParametry() { dwuklik(w.D1_StringGrid_Parametry); }
    bool otworzDzwonek(int n)
    {
        wybierzDzwonek(n);
        return dwuklik(w.D1_StringGrid_Ustawienia_Dzwonienia);
    }
    void otworzGlobalne() { w.D1_BitBtn_Ustawienia_Dzwonienia_Globalne->click(); }

    void ustawParametry(const QStringList &wiersze)
    {
        for (int r = 1; r <= wiersze.size(); ++r)
            if (!wiersze[r - 1].isNull())
                tab.Ustaw_Parametr(r, wiersze[r - 1]);
    }
    QStringList parametry() const
    {
        QStringList l;
        for (int r = 1; r <= 10; ++r)
            l << tab.Parametr(r);
        return l;
    }
};

// A choice made by the user: the list's change handler runs.
void wybierz(QComboBox *c, int item)
{
    c->setCurrentIndex(item);
    emit c->activated(item);
}

void wpisz(QLineEdit *e, const QString &tekst)
{
    e->clear();
    QTest::keyClicks(e, tekst);
}

QString tekstPodgladu(int od, int do_)
{
    return WJ(632) + WJ(633) + QLatin1Char(' ') + QString::number(od) + QLatin1Char(' ') + WJ(634)
           + QLatin1Char(' ') + QString::number(do_);
}

const QColor Czerwony(0xFF, 0, 0);
const QColor Czarny(0, 0, 0);
} // namespace

class tst_panel_edycji : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void ramka_data();
    void ramka();
    void enterAnuluje_data();
    void enterAnuluje();
    void bezLokalu_data();
    void bezLokalu();

    void kod_data();
    void kod();

    void dzwonekLokalu_data();
    void dzwonekLokalu();
    void dzwonkiGlobalnie_data();
    void dzwonkiGlobalnie();
    void tekstyListDzwonkow();

    void fokus_data();
    void fokus();
    void podglad_data();
    void podglad();
    void zakres_data();
    void zakres();
    void zamekOpoznienie_data();
    void zamekOpoznienie();
    void zatwierdzParametry_data();
    void zatwierdzParametry();
    void zatwierdzWszystkieWiersze();
    void sesjaEdycji();
};

void tst_panel_edycji::cleanup()
{
    TForm_Panel_Edycji::setModalRunner({});
    TForm_Main::setFileDialogAnswerer({});
}

// The frame of every page: one group shown at the top left, fixed size, centred,
// cancel as the default button, texts of the language in force when shown.
void tst_panel_edycji::ramka_data()
{
    QTest::addColumn<int>("strona");
    QTest::addColumn<QString>("etykieta");
    QTest::addColumn<int>("tekst");
    QTest::addColumn<QString>("anuluj");
    QTest::newRow("code") << 1 << "Label230" << 552 << "D1_Button_Anuluj_zmiane_ustawien_kodu_lokalu";
    QTest::newRow("parameters") << 3 << "Label231" << 620 << "D1_Button_Anuluj_zmiane_Parametrow";
    QTest::newRow("ringing") << 4 << "Label22" << 584 << "D1_Button_Anuluj_zmiane_ustawien_dzwonkow";
}

void tst_panel_edycji::ramka()
{
    QFETCH(int, strona);
    QFETCH(QString, etykieta);
    QFETCH(int, tekst);
    QFETCH(QString, anuluj);
    Stanowisko s;
    s.wybierzKod(12);
    s.wybierzDzwonek(12);
    QGroupBox *grupy[] = {s.panel.GroupBox1, s.panel.GroupBox3, s.panel.GroupBox4, s.panel.GroupBox5};
    auto otworz = [&] {
        if (strona == 1)
            s.otworzKod();
        else if (strona == 3)
            s.otworzParametry();
        else
            s.otworzDzwonek(12);
    };
    QString widziany;
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        QCOMPARE(p.Tag(), strona);
        QCOMPARE(p.windowTitle(), QStringLiteral("VEZO v2.3"));
        QVERIFY(p.isModal());
        QCOMPARE(p.minimumSize(), p.maximumSize());
        QGroupBox *grupa = nullptr;
        for (QGroupBox *g : grupy) {
            if (g->objectName() == QStringLiteral("GroupBox%1").arg(strona))
                grupa = g;
            else
                QVERIFY2(!g->isVisible(), qPrintable(g->objectName()));
        }
        QVERIFY(grupa && grupa->isVisible());
        QVERIFY(grupa->x() < 10 && grupa->y() < 10);
        QVERIFY(p.rect().contains(grupa->geometry()));
        QVERIFY((p.geometry().center() - s.w.geometry().center()).manhattanLength() <= 2);
        auto *przycisk = p.findChild<QPushButton *>(anuluj);
        QVERIFY(przycisk && przycisk->isDefault());
        widziany = p.findChild<QLabel *>(etykieta)->text();
    });
    otworz();
    QCOMPARE(widziany, Teksty_WJ(1, tekst));

    // the language change drops the selections, as the user sees it
    s.w.Jezyk[0]->trigger();
    s.wybierzKod(12);
    s.wybierzDzwonek(12);
    otworz();
    QCOMPARE(s.pokazane, 2);
    QCOMPARE(widziany, Teksty_WJ(0, tekst));
}

void tst_panel_edycji::enterAnuluje_data()
{
    QTest::addColumn<int>("strona");
    QTest::newRow("code field") << 1;
    QTest::newRow("range end list") << 3;
    QTest::newRow("permission list") << 4;
}

// Enter in a field or a list activates cancel, not confirm: nothing is written.
void tst_panel_edycji::enterAnuluje()
{
    QFETCH(int, strona);
    Stanowisko s;
    s.wybierzKod(5);
    s.wybierzDzwonek(5);
    s.tab.Ustaw_Numer_Tabeli_kodow_lokali(QStringLiteral("0000"));
    const QString kod = s.tab.Kod_Lokalu(5);
    const QStringList parametry = s.parametry();
    const Dane_Podstawowe obraz = s.w.Dane();
    int wynik = -1;
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        QWidget *pole = nullptr;
        if (strona == 1) {
            wpisz(p.D1_Edit_Ustawienia_Kodow_kod_lokalu, QStringLiteral("9876"));
            pole = p.D1_Edit_Ustawienia_Kodow_kod_lokalu;
        } else if (strona == 3) {
            wybierz(p.D1_ComboBox_Parametry_Zakres_Do, 9);
            pole = p.D1_ComboBox_Parametry_Zakres_Do;
        } else {
            wybierz(p.D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow, 0);
            pole = p.D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow;
        }
        QTest::keyClick(pole, Qt::Key_Return);
        QVERIFY(!p.isVisible());
    });
    if (strona == 1)
        wynik = s.otworzKod();
    else if (strona == 3)
        s.otworzParametry(), wynik = 1;
    else
        wynik = s.otworzDzwonek(5);
    QCOMPARE(wynik, 1);
    QCOMPARE(s.pokazane, 1);
    QCOMPARE(s.panel.result(), int(QDialog::Rejected));
    QCOMPARE(s.tab.Kod_Lokalu(5), kod);
    QCOMPARE(s.parametry(), parametry);
    QCOMPARE(s.tab.Dzwonek(5, 0), QStringLiteral("  1"));
    QVERIFY(s.w.Dane() == obraz);
}

void tst_panel_edycji::bezLokalu_data()
{
    QTest::addColumn<int>("strona");
    QTest::addColumn<int>("lokal");
    for (int n : {0, 65, 69}) {
        QTest::addRow("code %d", n) << 1 << n;
        QTest::addRow("ringing %d", n) << 4 << n;
    }
}

// The cells of 0 and 65 to 69 carry no setting: nothing opens.
void tst_panel_edycji::bezLokalu()
{
    QFETCH(int, strona);
    QFETCH(int, lokal);
    Stanowisko s;
    s.gdyOtwarty([](TForm_Panel_Edycji &) {});
    if (strona == 1) {
        s.wybierzKod(lokal);
        QVERIFY(!s.otworzKod());
    } else {
        s.wybierzDzwonek(lokal);
        QVERIFY(!s.otworzDzwonek(lokal));
    }
    QCOMPARE(s.pokazane, 0);
}

void tst_panel_edycji::kod_data()
{
    QTest::addColumn<QString>("wpisany");
    QTest::addColumn<bool>("zatwierdz");
    QTest::addColumn<QString>("oczekiwany");
    QTest::newRow("one digit zero-filled") << "7" << true << "0007";
    QTest::newRow("empty gives 0000") << "" << true << "0000";
    QTest::newRow("letters and blanks dropped") << "a7 x" << true << "0007";
    QTest::newRow("four characters at most") << "123456" << true << "1234";
    QTest::newRow("cancel keeps the code") << "9876" << false << "5555";
}

void tst_panel_edycji::kod()
{
    QFETCH(QString, wpisany);
    QFETCH(bool, zatwierdz);
    QFETCH(QString, oczekiwany);
    Stanowisko s;
    s.tab.Ustaw_Kod_Lokalu(64, QStringLiteral("5555"));
    s.w.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(s.w.Nr_wersji_Tablicy);
    s.wybierzKod(64);
    QString pole;
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        QCOMPARE(p.D1_Label_Ustawienia_Kodow_Nr_Lokalu->text(), QStringLiteral("64"));
        QCOMPARE(p.D1_Edit_Ustawienia_Kodow_kod_lokalu->text(), QStringLiteral("5555"));
        wpisz(p.D1_Edit_Ustawienia_Kodow_kod_lokalu, wpisany);
        (zatwierdz ? p.D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokalu : p.D1_Button_Anuluj_zmiane_ustawien_kodu_lokalu)
            ->click();
        QVERIFY(!p.isVisible());
        pole = p.D1_Edit_Ustawienia_Kodow_kod_lokalu->text();
    });
    QVERIFY(s.otworzKod());
    QCOMPARE(s.tab.Kod_Lokalu(64), oczekiwany);
    QCOMPARE(s.w.Dane().Kod_Lokalu(64), oczekiwany);
    if (zatwierdz)
        QCOMPARE(pole, oczekiwany);
    // only the double-clicked apartment changes
    QCOMPARE(s.tab.Kod_Lokalu(63), s.w.Dane().Kod_Lokalu(63));
    QVERIFY(s.tab.Kod_Lokalu(65).isEmpty());
}

void tst_panel_edycji::dzwonekLokalu_data()
{
    QTest::addColumn<int>("lokal");
    QTest::addColumn<QList<int>>("bylo");
    QTest::addColumn<QList<int>>("nowe");
    QTest::newRow("apartment 40 to 1 0 1") << 40 << QList<int>{1, 1, 1} << QList<int>{1, 0, 1};
    QTest::newRow("apartment 23 from 0 1 0") << 23 << QList<int>{0, 1, 0} << QList<int>{1, 1, 0};
    QTest::newRow("apartment 64 to 0 0 0") << 64 << QList<int>{1, 0, 1} << QList<int>{0, 0, 0};
}

// One apartment: its three cells and no other, the image left for the next gathering.
// A cancelled global change first, so that its check boxes must not linger.
void tst_panel_edycji::dzwonekLokalu()
{
    QFETCH(int, lokal);
    QFETCH(QList<int>, bylo);
    QFETCH(QList<int>, nowe);
    Stanowisko s;
    for (int a = 0; a < 3; ++a)
        s.tab.Ustaw_Dzwonek(lokal, a, QStringLiteral("  %1").arg(bylo[a]));
    s.gdyOtwarty([](TForm_Panel_Edycji &p) { p.D1_Button_Anuluj_zmiane_ustawien_dzwonkow->click(); });
    s.otworzGlobalne();

    const Dane_Podstawowe obraz = s.w.Dane();
    s.wybierzDzwonek(lokal);
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        QCOMPARE(p.D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu->text(), QString::number(lokal));
        QCOMPARE(p.D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany->text(), WJ(580));
        QCOMPARE(p.D1_Label_Ustawienia_Dzwonkow2_Tytul_okienka_zmiany->text(), WJ(582));
        QVERIFY(p.Label33->isVisible());
        QComboBox *listy[] = {p.D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow,
                              p.D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho,
                              p.D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie};
        for (QCheckBox *b : {p.CheckBox_LDzw, p.CheckBox_GlCi, p.CheckBox_Podzw})
            QVERIFY(!b->isVisible());
        for (int a = 0; a < 3; ++a) {
            QVERIFY(listy[a]->isEnabled());
            QCOMPARE(listy[a]->currentIndex(), bylo[a]);
            wybierz(listy[a], nowe[a]);
        }
        p.D1_Button_Zatwierdz_zmiane_ustawien_dzwonkow->click();
        QVERIFY(!p.isVisible());
    });
    QVERIFY(s.otworzDzwonek(lokal));
    const StringGrid &siatka = s.tab.D1_StringGrid_Ustawienia_Dzwonienia;
    const int wiersz = lokal / 10 + 1;
    for (int c = 1; c < siatka.ColCount(); ++c) {
        const int k = 3 * (lokal % 10) + 1;
        QString oczekiwany = QStringLiteral("  1");
        if (c >= k && c < k + 3)
            oczekiwany = QStringLiteral("  %1").arg(nowe[c - k]);
        else if (wiersz == 7 && c > 15)
            oczekiwany.clear(); // apartments 65 to 69
        QCOMPARE(siatka.Cells(c, wiersz), oczekiwany);
    }
    QVERIFY(s.w.Dane() == obraz);
}

void tst_panel_edycji::dzwonkiGlobalnie_data()
{
    QTest::addColumn<QList<bool>>("zaznaczone");
    QTest::addColumn<QList<int>>("pozycje");
    QTest::addColumn<int>("odpowiedz");
    QTest::addColumn<int>("komunikat");
    QTest::newRow("only G-c, silent, Yes") << QList<bool>{false, true, false} << QList<int>{1, 0, 1} << 6 << 595;
    QTest::newRow("only G-c, silent, No") << QList<bool>{false, true, false} << QList<int>{1, 0, 1} << 7 << 595;
    QTest::newRow("Zez and Pod off, Yes") << QList<bool>{true, false, true} << QList<int>{0, 1, 0} << 6 << 595;
    QTest::newRow("nothing ticked") << QList<bool>{false, false, false} << QList<int>{0, 0, 0} << 6 << 594;
}

void tst_panel_edycji::dzwonkiGlobalnie()
{
    QFETCH(QList<bool>, zaznaczone);
    QFETCH(QList<int>, pozycje);
    QFETCH(int, odpowiedz);
    QFETCH(int, komunikat);
    Stanowisko s;
    // Own values per apartment, to see the unticked attributes kept.
    for (int i = 1; i <= 64; ++i)
        s.tab.Ustaw_Dzwonek(i, 0, QStringLiteral("  %1").arg(i % 2));
    s.f.messages.answerQuestions(odpowiedz);
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        QVERIFY(p.D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu->text().isEmpty());
        QCOMPARE(p.D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany->text(), WJ(581));
        QVERIFY(!p.Label33->isVisible());
        QCheckBox *pola[] = {p.CheckBox_LDzw, p.CheckBox_GlCi, p.CheckBox_Podzw};
        QComboBox *listy[] = {p.D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow,
                              p.D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho,
                              p.D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie};
        for (int a = 0; a < 3; ++a) {
            QVERIFY(pola[a]->isVisible());
            QCOMPARE(pola[a]->isChecked(), a == 0);
            QCOMPARE(listy[a]->isEnabled(), a == 0);
            QCOMPARE(listy[a]->currentIndex(), 1);
        }
        for (int a = 0; a < 3; ++a) {
            if (pola[a]->isChecked() != zaznaczone[a])
                pola[a]->click();
            QCOMPARE(listy[a]->isEnabled(), zaznaczone[a]);
        }
        for (int a = 0; a < 3; ++a)
            if (zaznaczone[a])
                wybierz(listy[a], pozycje[a]);
        p.D1_Button_Zatwierdz_zmiane_ustawien_dzwonkow->click();
        QCOMPARE(p.isVisible(), komunikat == 594);
    });
    s.otworzGlobalne();
    QCOMPARE(s.f.messages.texts(), QStringList{WJ(komunikat)});
    QCOMPARE(s.f.messages.messages().first().flags, komunikat == 594 ? 0x30 : 0x24);
    const bool zapisane = komunikat == 595 && odpowiedz == 6;
    for (int i = 1; i <= 64; ++i) {
        const int bylo[] = {i % 2, 1, 1};
        for (int a = 0; a < 3; ++a) {
            const int v = zapisane && zaznaczone[a] ? pozycje[a] : bylo[a];
            QCOMPARE(s.tab.Dzwonek(i, a), QStringLiteral("  %1").arg(v));
        }
    }
    for (int n : {0, 65, 69})
        for (int a = 0; a < 3; ++a)
            QVERIFY(s.tab.Dzwonek(n, a).isEmpty());
}

// The two translated lists take the texts of the language in force and keep their choice.
void tst_panel_edycji::tekstyListDzwonkow()
{
    Stanowisko s;
    s.tab.Ustaw_Dzwonek(7, 1, QStringLiteral("  1"));
    s.tab.Ustaw_Dzwonek(7, 2, QStringLiteral("  1"));
    s.wybierzDzwonek(7);
    s.w.Jezyk[0]->trigger();
    s.gdyOtwarty([](TForm_Panel_Edycji &p) {
        QComboBox *gc = p.D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho;
        QComboBox *pod = p.D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie;
        QCOMPARE(gc->itemText(0), QStringLiteral("Cicho (0)"));
        QCOMPARE(gc->itemText(1), QStringLiteral("Głośno (1)"));
        QCOMPARE(pod->itemText(0), QStringLiteral("Nie (0)"));
        QCOMPARE(pod->itemText(1), QStringLiteral("Tak (1)"));
        QCOMPARE(gc->currentIndex(), 1);
        QCOMPARE(pod->currentIndex(), 1);
    });
    QVERIFY(s.otworzDzwonek(7));
    QCOMPARE(s.pokazane, 1);
}

void tst_panel_edycji::fokus_data()
{
    QTest::addColumn<int>("strona");
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<QString>("wiersz7");
    QTest::addColumn<QString>("kontrolka");
    QTest::newRow("code page") << 1 << 0 << QString() << "D1_Edit_Ustawienia_Kodow_kod_lokalu";
    QTest::newRow("ringing page") << 4 << 0 << QString() << "D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow";
    QTest::newRow("row 1") << 3 << 1 << QString() << "D1_ComboBox_Parametry_Zakres_Od";
    QTest::newRow("row 6") << 3 << 6 << QString() << "D1_Edit_Parametry_Haslo_Instalatora";
    QTest::newRow("row 7 none") << 3 << 7 << QString() << "D1_CheckBox_Kod_Administratora";
    QTest::newRow("row 7 code") << 3 << 7 << "123456" << "D1_Edit_Parametry_Kod_Administratora";
    QTest::newRow("row 8") << 3 << 8 << QString() << "D1_ComboBox_Ton_dzw";
}

void tst_panel_edycji::fokus()
{
    QFETCH(int, strona);
    QFETCH(int, wiersz);
    QFETCH(QString, wiersz7);
    QFETCH(QString, kontrolka);
    Stanowisko s;
    if (!wiersz7.isEmpty())
        s.tab.Ustaw_Parametr(7, wiersz7);
    QString fokus;
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        fokus = p.focusWidget() ? p.focusWidget()->objectName() : QString();
    });
    if (strona == 1) {
        s.wybierzKod(3);
        QVERIFY(s.otworzKod());
    } else if (strona == 4) {
        s.wybierzDzwonek(3);
        QVERIFY(s.otworzDzwonek(3));
    } else {
        s.wybierzParametr(wiersz);
        s.otworzParametry();
    }
    QCOMPARE(fokus, kontrolka);
}

void tst_panel_edycji::podglad_data()
{
    QTest::addColumn<QStringList>("wiersze"); // grid rows 1 to 3
    QTest::addColumn<int>("przesuniecie");    // chosen on the page, -1 for none
    QTest::addColumn<int>("od");
    QTest::addColumn<int>("do_");
    QTest::addColumn<bool>("pusty");
    QTest::newRow("1 to 32, shift 0") << QStringList{"1", "32", "0"} << -1 << 1 << 32 << false;
    QTest::newRow("10 to 64, shift 950, end pulled to 49") << QStringList{"10", "64", "950"} << -1 << 10 << 49 << false;
    QTest::newRow("shift 950 chosen on the page") << QStringList{"10", "64", "0"} << 950 << 10 << 49 << false;
    QTest::newRow("start 60 above 999 - 950") << QStringList{"60", "64", "950"} << -1 << 60 << 64 << true;
    QTest::newRow("shift lowered to 900 again") << QStringList{"60", "64", "950"} << 900 << 60 << 64 << false;
    QTest::newRow("shift 998 leaves 1 to 1") << QStringList{"1", "5", "0"} << 998 << 1 << 1 << false;
}

// The keypad numbers preview, and confirming it: the empty state is refused with 660.
void tst_panel_edycji::podglad()
{
    QFETCH(QStringList, wiersze);
    QFETCH(int, przesuniecie);
    QFETCH(int, od);
    QFETCH(int, do_);
    QFETCH(bool, pusty);
    Stanowisko s;
    s.tab.setItemIndex(SettingsTab::Opcja(6), 1);
    s.ustawParametry(wiersze);
    const QStringList przed = s.parametry();
    const Dane_Podstawowe obraz = s.w.Dane();
    const int shift = przesuniecie >= 0 ? przesuniecie : wiersze[2].toInt();
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        if (przesuniecie >= 0)
            wybierz(p.D1_ComboBox_Parametry_Przesuniecie, przesuniecie);
        QCOMPARE(p.D1_ComboBox_Parametry_Zakres_Od->currentIndex() + 1, od);
        QCOMPARE(p.D1_ComboBox_Parametry_Zakres_Do->currentIndex() + 1, do_);
        QCOMPARE(p.Label8->text(), pusty ? WJ(632) + WJ(647) : tekstPodgladu(od + shift, do_ + shift));
        QCOMPARE(p.Label8->palette().color(QPalette::WindowText), pusty ? Czerwony : Czarny);
        QVERIFY(p.D1_ComboBox_Parametry_Zakres_Od->isEnabled());
        QCOMPARE(p.D1_ComboBox_Parametry_Zakres_Do->isEnabled(), !pusty);
        p.D1_Button_Zatwierdz_zmiane_Parametrow->click();
        QCOMPARE(p.isVisible(), pusty);
    });
    s.otworzParametry();
    if (pusty) {
        QCOMPARE(s.f.messages.texts(), QStringList{WJ(660)});
        QCOMPARE(s.f.messages.messages().first().flags, 0x30);
        QCOMPARE(s.parametry(), przed);
        QVERIFY(s.w.Dane() == obraz);
    } else {
        QVERIFY(s.f.messages.texts().isEmpty());
        QCOMPARE(s.parametry().mid(0, 3),
                 (QStringList{QString::number(od), QString::number(do_), QString::number(shift)}));
        QCOMPARE(s.w.Dane().Zacisk_Do(), do_);
        QCOMPARE(s.w.Dane().Przesuniecie(), shift);
    }
}

void tst_panel_edycji::zakres_data()
{
    QTest::addColumn<int>("opcja6");
    QTest::addColumn<int>("odSiatka");
    QTest::addColumn<int>("doSiatka");
    QTest::addColumn<int>("lista"); // 0 start, 1 end, -1 none
    QTest::addColumn<int>("wartosc");
    QTest::addColumn<int>("od");
    QTest::addColumn<int>("do_");
    QTest::newRow("end below start pulls the start") << 1 << 20 << 40 << 1 << 10 << 10 << 10;
    QTest::newRow("start above end set to the end") << 1 << 5 << 20 << 0 << 30 << 20 << 20;
    QTest::newRow("option 6 yes, end 50") << 1 << 1 << 32 << 1 << 50 << 1 << 50;
    QTest::newRow("option 6 no caps the end at 32") << 0 << 1 << 32 << 1 << 50 << 1 << 32;
    QTest::newRow("option 6 no, end below start") << 0 << 25 << 30 << 1 << 20 << 20 << 20;
    QTest::newRow("option 6 no opens 40 as 32") << 0 << 1 << 40 << -1 << 0 << 1 << 32;
}

void tst_panel_edycji::zakres()
{
    QFETCH(int, opcja6);
    QFETCH(int, odSiatka);
    QFETCH(int, doSiatka);
    QFETCH(int, lista);
    QFETCH(int, wartosc);
    QFETCH(int, od);
    QFETCH(int, do_);
    Stanowisko s;
    s.tab.setItemIndex(SettingsTab::Opcja(6), opcja6);
    s.ustawParametry({QString::number(odSiatka), QString::number(doSiatka)});
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        if (lista == 0)
            wybierz(p.D1_ComboBox_Parametry_Zakres_Od, wartosc - 1);
        else if (lista == 1)
            wybierz(p.D1_ComboBox_Parametry_Zakres_Do, wartosc - 1);
        QCOMPARE(p.D1_ComboBox_Parametry_Zakres_Od->currentIndex() + 1, od);
        QCOMPARE(p.D1_ComboBox_Parametry_Zakres_Do->currentIndex() + 1, do_);
        QCOMPARE(p.Label8->text(), tekstPodgladu(od, do_));
    });
    s.otworzParametry();
    QCOMPARE(s.pokazane, 1);
}

void tst_panel_edycji::zamekOpoznienie_data()
{
    QTest::addColumn<int>("zamek");      // grid row 4
    QTest::addColumn<int>("opoznienie"); // grid row 5
    QTest::addColumn<QString>("lista");
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("komunikat");
    QTest::addColumn<int>("zamekPoz");
    QTest::addColumn<int>("opoznieniePoz");
    QTest::newRow("7 s, delay 240 to 250") << 7 << 240 << "D1_ComboBox_Parametry_Opoznienie" << 25 << 663 << 5 << 25;
    QTest::newRow("10 s, delay to 250") << 10 << 240 << "D1_ComboBox_Parametry_Opoznienie" << 25 << 0 << 0 << 25;
    QTest::newRow("delay 250, lock to 6 s") << 4 << 250 << "D1_ComboBox_Parametry_Czas_zamka" << 6 << 662 << 6 << 24;
    QTest::newRow("delay 250, lock to 5 s") << 4 << 250 << "D1_ComboBox_Parametry_Czas_zamka" << 5 << 0 << 5 << 25;
    QTest::newRow("9 s and 250 loaded, rings changed") << 9 << 250 << "D1_ComboBox_Liczba_dzw" << 4 << 662 << 9 << 24;
    QTest::newRow("9 s and 250 loaded, pause changed") << 9 << 250 << "D1_ComboBox_Przerwa_mdzw" << 3 << 662 << 9 << 24;
}

// Lock time and delay share one byte; the other value is corrected at once.
void tst_panel_edycji::zamekOpoznienie()
{
    QFETCH(int, zamek);
    QFETCH(int, opoznienie);
    QFETCH(QString, lista);
    QFETCH(int, pozycja);
    QFETCH(int, komunikat);
    QFETCH(int, zamekPoz);
    QFETCH(int, opoznieniePoz);
    Stanowisko s;
    s.ustawParametry({QString(), QString(), QString(), QString::number(zamek), QString::number(opoznienie)});
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        wybierz(p.findChild<QComboBox *>(lista), pozycja);
        QVERIFY(p.isVisible());
        QCOMPARE(p.D1_ComboBox_Parametry_Czas_zamka->currentIndex(), zamekPoz);
        QCOMPARE(p.D1_ComboBox_Parametry_Opoznienie->currentIndex(), opoznieniePoz);
    });
    s.otworzParametry();
    QCOMPARE(s.f.messages.texts(), komunikat ? QStringList{WJ(komunikat)} : QStringList());
    if (komunikat)
        QCOMPARE(s.f.messages.messages().first().flags, 0x30);
}

void tst_panel_edycji::zatwierdzParametry_data()
{
    QTest::addColumn<QString>("wiersz7");    // in the grid before
    QTest::addColumn<bool>("klik");          // the administrator box clicked once
    QTest::addColumn<QString>("haslo");      // typed
    QTest::addColumn<QString>("kod");        // typed in the visible field, or set in the hidden one
    QTest::addColumn<QString>("haslo6");
    QTest::addColumn<QString>("kod7");       // empty: "none"
    QTest::addColumn<int>("komunikat");
    QTest::newRow("password 5") << "" << false << "5" << "" << "0005" << "" << 0;
    QTest::newRow("empty password, code 123 ticked") << "" << true << "" << "123" << "0000" << "000123" << 0;
    QTest::newRow("code unticked") << "654321" << true << "1234" << "" << "1234" << "" << 0;
    QTest::newRow("code kept") << "654321" << false << "1234" << "" << "1234" << "654321" << 0;
    QTest::newRow("2846 ticked refused") << "" << true << "1234" << "284612" << "" << "" << 661;
    QTest::newRow("2846 unticked refused") << "" << false << "1234" << "2846" << "" << "" << 661;
}

// Confirmation of the two text fields and the refusal of a code starting 2846.
void tst_panel_edycji::zatwierdzParametry()
{
    QFETCH(QString, wiersz7);
    QFETCH(bool, klik);
    QFETCH(QString, haslo);
    QFETCH(QString, kod);
    QFETCH(QString, haslo6);
    QFETCH(QString, kod7);
    QFETCH(int, komunikat);
    Stanowisko s;
    if (!wiersz7.isEmpty())
        s.tab.Ustaw_Parametr(7, wiersz7);
    s.w.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(s.w.Nr_wersji_Tablicy);
    const QStringList przed = s.parametry();
    const Dane_Podstawowe obraz = s.w.Dane();
    QString pole6, pole7;
    s.gdyOtwarty([&](TForm_Panel_Edycji &p) {
        QLineEdit *e = p.D1_Edit_Parametry_Kod_Administratora;
        QCOMPARE(p.D1_CheckBox_Kod_Administratora->isChecked(), !wiersz7.isEmpty());
        QCOMPARE(e->isVisible(), !wiersz7.isEmpty());
        if (klik) {
            p.D1_CheckBox_Kod_Administratora->click();
            // reset on ticking and on unticking alike
            QCOMPARE(e->text(), QStringLiteral("000000"));
            QCOMPARE(e->isVisible(), p.D1_CheckBox_Kod_Administratora->isChecked());
        }
        if (!kod.isEmpty()) {
            if (e->isVisible())
                wpisz(e, kod);
            else
                e->setText(kod);
        }
        wpisz(p.D1_Edit_Parametry_Haslo_Instalatora, haslo);
        p.D1_Button_Zatwierdz_zmiane_Parametrow->click();
        QCOMPARE(p.isVisible(), komunikat != 0);
        pole6 = p.D1_Edit_Parametry_Haslo_Instalatora->text();
        pole7 = e->text();
    });
    s.otworzParametry();
    if (komunikat) {
        QCOMPARE(s.f.messages.texts(), QStringList{WJ(komunikat)});
        QCOMPARE(s.parametry(), przed);
        QVERIFY(s.w.Dane() == obraz);
        return;
    }
    QVERIFY(s.f.messages.texts().isEmpty());
    const QString oczekiwany7 = kod7.isEmpty() ? QStringLiteral("none") : kod7;
    QCOMPARE(s.tab.Parametr(6), haslo6);
    QCOMPARE(s.tab.Parametr(7), oczekiwany7);
    QCOMPARE(pole6, haslo6);
    QCOMPARE(pole7, oczekiwany7);
    QCOMPARE(s.w.Dane().Haslo_Instalatora(), haslo6);
    QCOMPARE(s.w.Dane().Kod_Administratora(), kod7);
}

// Every row written from its control, the description lines following the lock time,
// and the image gathered.
void tst_panel_edycji::zatwierdzWszystkieWiersze()
{
    Stanowisko s;
    s.tab.setItemIndex(SettingsTab::Opcja(6), 1);
    s.tab.setItemIndex(SettingsTab::Modul_we_wy_1, 1); // input opens the lock: quotes row 4
    s.w.D1_Ustawienia_labeli_opisu_funkcji_modulow_we_wy();
    QCOMPARE(s.w.D1_Label_port_P1_opis_funkcji[1]->text(), WJ(67) + QStringLiteral("4") + WJ(68));
    s.gdyOtwarty([](TForm_Panel_Edycji &p) {
        wybierz(p.D1_ComboBox_Parametry_Zakres_Do, 39);
        wybierz(p.D1_ComboBox_Parametry_Zakres_Od, 2);
        wybierz(p.D1_ComboBox_Parametry_Przesuniecie, 100);
        wybierz(p.D1_ComboBox_Parametry_Czas_zamka, 0);
        wybierz(p.D1_ComboBox_Parametry_Opoznienie, 12);
        wpisz(p.D1_Edit_Parametry_Haslo_Instalatora, QStringLiteral("4321"));
        p.D1_CheckBox_Kod_Administratora->click();
        wpisz(p.D1_Edit_Parametry_Kod_Administratora, QStringLiteral("7"));
        wybierz(p.D1_ComboBox_Ton_dzw, 3);
        wybierz(p.D1_ComboBox_Liczba_dzw, 8);
        wybierz(p.D1_ComboBox_Przerwa_mdzw, 20);
        p.D1_Button_Zatwierdz_zmiane_Parametrow->click();
    });
    s.otworzParametry();
    QCOMPARE(s.panel.result(), int(QDialog::Accepted));
    QCOMPARE(s.parametry(), (QStringList{"3", "40", "100", "10", "120", "4321", "000007", "4", "9", "20"}));
    QCOMPARE(s.w.D1_Label_port_P1_opis_funkcji[1]->text(), WJ(67) + QStringLiteral("10") + WJ(68));
    const Dane_Podstawowe &d = s.w.Dane();
    QCOMPARE(d.Zacisk_Od(), 3);
    QCOMPARE(d.Zacisk_Do(), 40);
    QCOMPARE(d.Przesuniecie(), 100);
    QCOMPARE(d.Czas_Zamka(), 10);
    QCOMPARE(d.Opoznienie(), 120);
    QCOMPARE(d.Haslo_Instalatora(), QStringLiteral("4321"));
    QCOMPARE(d.Kod_Administratora(), QStringLiteral("000007"));
    QCOMPARE(d.Ton_Dzwonka(), 4);
    QCOMPARE(d.Liczba_Dzwonkow(), 9);
    QCOMPARE(d.Przerwa_Miedzy_Dzwonkami(), 20);
}

// A session as the installer works: read the unit, change a code, a parameter and the
// ringing of all apartments, save, start anew, reopen the file, write the unit back.
void tst_panel_edycji::sesjaEdycji()
{
    Stanowisko s;
    QTemporaryDir folder;
    const QString plik = folder.filePath(QStringLiteral("sesja.qor"));
    TForm_Main::setFileDialogAnswerer([&](bool, const QString &, const QString &, const QString &) { return plik; });
    Dane_Podstawowe jednostka;
    for (int i = 1; i <= 64; ++i)
        jednostka.Ustaw_Kod_Lokalu(i, 1000 + i);
    jednostka.Ustaw_Zacisk_Od(1);
    jednostka.Ustaw_Zacisk_Do(32);
    jednostka.Ustaw_Czas_Zamka_i_Opoznienie(4, 0);
    jednostka.Ustaw_Haslo_Instalatora(1227);
    jednostka.Ustaw_Kod_Administratora(QString());
    jednostka.Ustaw_Ton_Dzwonka(3);
    jednostka.Ustaw_Liczba_Dzwonkow(2);
    jednostka.Ustaw_Przerwa_Miedzy_Dzwonkami(15);
    for (int i = 1; i <= 64; ++i)
        jednostka.Ustaw_Glosno_Cicho(i, true);
    s.f.unit.setImage(QByteArray(reinterpret_cast<const char *>(jednostka.data()), 256));
    QVERIFY(s.f.unit.setInstallerPassword(QStringLiteral("1227")));
    s.f.endSplash();
    s.w.Edit_Haslo_Instalatora->setText(QStringLiteral("28461227"));
    auto przycisk = [&](const char *name) { s.w.findChild<QAbstractButton *>(name)->click(); };

    przycisk("Button_Odczytaj_Dane_Podstawowe");
    QCOMPARE(s.tab.Kod_Lokalu(12), QStringLiteral("1012"));

    s.wybierzKod(12);
    s.gdyOtwarty([](TForm_Panel_Edycji &p) {
        wpisz(p.D1_Edit_Ustawienia_Kodow_kod_lokalu, QStringLiteral("7"));
        p.D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokalu->click();
    });
    QVERIFY(s.otworzKod());
    s.wybierzParametr(3);
    s.gdyOtwarty([](TForm_Panel_Edycji &p) {
        wybierz(p.D1_ComboBox_Parametry_Przesuniecie, 100);
        p.D1_Button_Zatwierdz_zmiane_Parametrow->click();
    });
    s.otworzParametry();
    s.gdyOtwarty([](TForm_Panel_Edycji &p) {
        p.CheckBox_LDzw->click();
        p.CheckBox_GlCi->click();
        wybierz(p.D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho, 0);
        p.D1_Button_Zatwierdz_zmiane_ustawien_dzwonkow->click();
    });
    s.otworzGlobalne();
    QCOMPARE(s.pokazane, 3);

    s.w.Action_Plik_Zapisz_jako_ustawienia->trigger();
    s.w.Action_Plik_Nowe_ustawienia->trigger();
    QCOMPARE(s.tab.Parametr(3), QStringLiteral("0"));
    s.w.Action_Plik_Otworz_ustawienia->trigger();
    QCOMPARE(s.tab.Kod_Lokalu(12), QStringLiteral("0007"));
    przycisk("Button_Zapisz_Dane_Podstawowe");

    for (const auto &m : s.f.messages.messages())
        QVERIFY2((m.flags & 0x0F) == 0x04, qPrintable(m.text)); // questions only, no failure
    Dane_Podstawowe zapisane;
    for (int i = 0; i < 256; ++i)
        zapisane[i + 1] = s.f.unit.image()[size_t(i)];
    QCOMPARE(zapisane.Kod_Lokalu(12), QStringLiteral("0007"));
    QCOMPARE(zapisane.Kod_Lokalu(13), QStringLiteral("1013"));
    QCOMPARE(zapisane.Przesuniecie(), 100);
    QCOMPARE(zapisane.Zacisk_Do(), 32);
    for (int i = 1; i <= 64; ++i) {
        QVERIFY(!zapisane.Glosno_Cicho(i));
        QVERIFY(zapisane.Zezwolenie_Na_Dzwonienie(i) == jednostka.Zezwolenie_Na_Dzwonienie(i));
    }
}

QTEST_MAIN(tst_panel_edycji)
#include "tst_panel_edycji.moc"
