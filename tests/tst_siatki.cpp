#include "lang/Teksty_WJ.h"
#include "model/Kody_Tabeli.h"
#include "support/MainWindowFixture.h"
#include "ui/Unit_Panel_Edycji.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
// The grid as the user sees it.
QImage render(QTableView *v)
{
    return v->viewport()->grab().toImage();
}

// Fill of a cell, sampled in its lower right corner, away from the text.
QColor fillOf(QTableView *v, int col, int row)
{
    const QRect r = v->visualRect(v->model()->index(row, col));
    return render(v).pixelColor(r.right() - 2, r.bottom() - 1);
}

enum class Ink { None, Black, Red };
Ink inkOf(QTableView *v, int col, int row)
{
    const QImage img = render(v);
    const QRect r = v->visualRect(v->model()->index(row, col));
    bool dark = false, red = false;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                red = true;
            else if (c.red() < 90 && c.green() < 90 && c.blue() < 90)
                dark = true;
        }
    return red ? Ink::Red : dark ? Ink::Black : Ink::None;
}

void activate(QComboBox *c, int index)
{
    c->setCurrentIndex(index);
    emit c->activated(index);
}

void focus(QWidget *w, bool in)
{
    QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w, &e);
}
} // namespace

class tst_siatki : public QObject
{
    Q_OBJECT
private slots:
    void codesSelection_data();
    void codesSelection();
    void doubleClickOpensThePanel_data();
    void doubleClickOpensThePanel();
    void handChangedCodeIsRed();
    void tableNumberRecomputesMarks();
    void focusChangesHighlightNotSelection();
    void codesFillColours();
    void passwordFieldTakesDigitsOnly();
    void optionRangeRule_data();
    void optionRangeRule();
    void ioDescription_data();
    void ioDescription();
    void extraInputCaption();
    void optionChangeReachesImage();
    void ringingClick();
    void ringingArrows_data();
    void ringingArrows();
    void ringingFills();
};

void tst_siatki::codesSelection_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::newRow("apartment 0") << 1 << 1 << "none";
    QTest::newRow("apartment 1") << 2 << 1 << "1";
    QTest::newRow("apartment 64") << 5 << 7 << "64";
    QTest::newRow("apartment 65") << 6 << 7 << "none";
    QTest::newRow("apartment 69") << 10 << 7 << "none";
}

void tst_siatki::codesSelection()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, label);
    MainWindowFixture f;
    QTableView *v = f.window->D1_StringGrid_Kody_Lokali;
    v->setCurrentIndex(v->model()->index(2, 3)); // apartment 12 first
    QCOMPARE(f.window->D1_Label_Numer_Lokalu_Kody->text(), QStringLiteral("12"));
    v->setCurrentIndex(v->model()->index(row, col));
    QCOMPARE(f.window->D1_Label_Numer_Lokalu_Kody->text(), label);
    // The highlight follows the label: none leaves every cell in its own fill.
    const QColor selected = fillOf(v, col, row);
    if (label == QLatin1String("none"))
        QVERIFY(selected != QColor(0xC0, 0xC0, 0xC0));
    else
        QCOMPARE(selected, QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(fillOf(v, 3, 2) != QColor(0xC0, 0xC0, 0xC0));
}

void tst_siatki::doubleClickOpensThePanel_data()
{
    QTest::addColumn<int>("grid"); // 0 codes, 1 parameters, 2 ringing, 3 "Globalne"
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("page"); // 0: nothing opens
    QTest::newRow("code of apartment 64") << 0 << 5 << 7 << 1;
    QTest::newRow("code of apartment 0") << 0 << 1 << 1 << 0;
    QTest::newRow("code of apartment 67") << 0 << 8 << 7 << 0;
    QTest::newRow("parameter row 8") << 1 << 1 << 8 << 3;
    QTest::newRow("ringing of apartment 23") << 2 << 11 << 3 << 4;
    QTest::newRow("ringing of apartment 0") << 2 << 2 << 1 << 0;
    QTest::newRow("global") << 3 << 0 << 0 << 4;
}

void tst_siatki::doubleClickOpensThePanel()
{
    QFETCH(int, grid);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, page);
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    QList<int> shown;
    QString number, code;
    TForm_Panel_Edycji::setModalRunner([&](TForm_Panel_Edycji &p) {
        shown << p.Tag();
        number = p.D1_Label_Ustawienia_Kodow_Nr_Lokalu->text();
        code = p.D1_Edit_Ustawienia_Kodow_kod_lokalu->text();
    });
    QTableView *views[] = {w.D1_StringGrid_Kody_Lokali, w.D1_StringGrid_Parametry, w.D1_StringGrid_Ustawienia_Dzwonienia};
    if (grid == 3) {
        w.D1_BitBtn_Ustawienia_Dzwonienia_Globalne->click();
    } else {
        QTableView *v = views[grid];
        const QModelIndex i = v->model()->index(row, col);
        v->setCurrentIndex(i);
        emit v->doubleClicked(i);
    }
    TForm_Panel_Edycji::setModalRunner({});
    QCOMPARE(shown, page ? QList<int>{page} : QList<int>{});
    if (page == 1) {
        QCOMPARE(number, QStringLiteral("64"));
        QCOMPARE(code, w.Zakladka().Kod_Lokalu(64));
    }
}

void tst_siatki::handChangedCodeIsRed()
{
    MainWindowFixture f;
    QTableView *v = f.window->D1_StringGrid_Kody_Lokali;
    SettingsTab &tab = f.window->Zakladka();
    const QString original = tab.Kod_Lokalu(23);
    QCOMPARE(inkOf(v, 4, 3), Ink::Black);
    tab.Ustaw_Kod_Lokalu(23, original == QLatin1String("1234") ? QStringLiteral("4321") : QStringLiteral("1234"));
    QCOMPARE(inkOf(v, 4, 3), Ink::Red);
    tab.Ustaw_Kod_Lokalu(23, original);
    QCOMPARE(inkOf(v, 4, 3), Ink::Black);
}

void tst_siatki::tableNumberRecomputesMarks()
{
    MainWindowFixture f;
    QTableView *v = f.window->D1_StringGrid_Kody_Lokali;
    SettingsTab &tab = f.window->Zakladka();
    const QStringList t0 = Generuj_Kody_Tabeli(0);
    const QStringList t7 = Generuj_Kody_Tabeli(7);
    int n = 1;
    while (n <= 64 && t0[n - 1] == t7[n - 1])
        ++n;
    QVERIFY(n <= 64);
    tab.Ustaw_Numer_Tabeli_kodow_lokali(QStringLiteral("0007"));
    QCOMPARE(inkOf(v, SettingsTab::Kolumna_Kodu(n), SettingsTab::Wiersz_Lokalu(n)), Ink::Red);
    tab.Ustaw_Tabele_Kodow(QStringLiteral("0007"), t7);
    QCOMPARE(inkOf(v, SettingsTab::Kolumna_Kodu(n), SettingsTab::Wiersz_Lokalu(n)), Ink::Black);
}

void tst_siatki::focusChangesHighlightNotSelection()
{
    MainWindowFixture f;
    QTableView *v = f.window->D1_StringGrid_Kody_Lokali;
    v->setCurrentIndex(v->model()->index(2, 3));
    QCOMPARE(fillOf(v, 3, 2), QColor(0xC0, 0xC0, 0xC0));
    focus(v, true);
    QCOMPARE(fillOf(v, 3, 2), QColor(0xA9, 0xD1, 0x8B));
    QCOMPARE(f.window->D1_Label_Numer_Lokalu_Kody->text(), QStringLiteral("12"));
    focus(v, false);
    QCOMPARE(fillOf(v, 3, 2), QColor(0xC0, 0xC0, 0xC0));

    // The parameters grid: its current row in the focus colour.
    QTableView *p = f.window->D1_StringGrid_Parametry;
    p->setCurrentIndex(p->model()->index(4, 1));
    focus(p, true);
    QCOMPARE(fillOf(p, 1, 4), QColor(0xD9, 0xE4, 0xED));
    QCOMPARE(fillOf(p, 1, 5), QColor(0xFF, 0xFB, 0xF0));
    QCOMPARE(fillOf(p, 0, 4), QColor(0xD4, 0xD0, 0xC8));
}

void tst_siatki::codesFillColours()
{
    MainWindowFixture f;
    QTableView *v = f.window->D1_StringGrid_Kody_Lokali;
    QCOMPARE(fillOf(v, 0, 3), QColor(0xD4, 0xD0, 0xC8));
    QCOMPARE(fillOf(v, 2, 1), QColor(0xFF, 0xFB, 0xF0));
    QCOMPARE(fillOf(v, 3, 1), QColor(0xFF, 0xF1, 0xCE));
    QCOMPARE(fillOf(v, 3, 2), QColor(0xF7, 0xF5, 0xDB));
}

void tst_siatki::passwordFieldTakesDigitsOnly()
{
    MainWindowFixture f;
    QLineEdit *e = f.window->Edit_Haslo_Instalatora;
    QCOMPARE(e->text(), QStringLiteral("28460000"));
    e->clear();
    QTest::keyClicks(e, QStringLiteral("12a-b 3"));
    QCOMPARE(e->text(), QStringLiteral("123"));
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), QStringLiteral("12"));
    QTest::keyClicks(e, QStringLiteral("3456789"));
    QCOMPARE(e->text(), QStringLiteral("12345678"));
}

void tst_siatki::optionRangeRule_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("option6");
    QTest::addColumn<QString>("rangeEnd");
    QTest::newRow("option 1 caps") << 1 << 0 << "32";
    QTest::newRow("option 8 caps") << 8 << 0 << "32";
    QTest::newRow("option 3 leaves") << 3 << 0 << "64";
    QTest::newRow("option 5 leaves") << 5 << 0 << "64";
    QTest::newRow("with expansion") << 1 << 1 << "64";
}

void tst_siatki::optionRangeRule()
{
    QFETCH(int, option);
    QFETCH(int, option6);
    QFETCH(QString, rangeEnd);
    MainWindowFixture f;
    SettingsTab &tab = f.window->Zakladka();
    tab.setItemIndex(SettingsTab::Opcja(6), option6);
    tab.Ustaw_Parametr(2, QStringLiteral("64"));
    activate(f.window->Combo(SettingsTab::Opcja(option)), 1);
    QCOMPARE(tab.Parametr(2), rangeEnd);
}

void tst_siatki::ioDescription_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("F");
    QTest::addColumn<int>("I");
    QTest::addColumn<int>("O");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");
    QTest::newRow("P1 F2 I7 O0") << 1 << 2 << 7 << 0 << "Short input circuit starts ringing to"
                                 << "local no 7 (Input value).";
    QTest::newRow("P2 F1 I0 O0") << 2 << 1 << 0 << 0 << "Short input circuit opens electric strike of central"
                                 << "on a set time lock = 4 s.";
    QTest::newRow("P1 F0 I9 O5") << 1 << 0 << 9 << 5 << "Short input circuit when talk turns on"
                                 << "output on 5 s (Output value).";
    QTest::newRow("P1 F0 I9 O0") << 1 << 0 << 9 << 0 << "Whole port P1 is off" << "";
    QTest::newRow("P2 F3 I0 O12") << 2 << 3 << 0 << 12 << "After press keyboard button turns on"
                                  << "output on 12 s (Output value).";
    QTest::newRow("P2 F0 I0 O0") << 2 << 0 << 0 << 0 << "Whole port P2 is off" << "";
}

void tst_siatki::ioDescription()
{
    QFETCH(int, port);
    QFETCH(int, F);
    QFETCH(int, I);
    QFETCH(int, O);
    QFETCH(QString, line1);
    QFETCH(QString, line2);
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    const QString p = QString::number(port);
    activate(w.findChild<QComboBox *>("D1_ComboBox_Modul_we_wy_" + p), F);
    activate(w.findChild<QComboBox *>("D1_ComboBox_Wartosc_we_portu_P" + p), I);
    activate(w.findChild<QComboBox *>("D1_ComboBox_Wyjscie_portu_P" + p), O);
    const auto &labels = port == 1 ? w.D1_Label_port_P1_opis_funkcji : w.D1_Label_port_P2_opis_funkcji;
    QCOMPARE(labels[0]->text(), line1);
    QCOMPARE(labels[1]->text(), line2);
    // The change reached the image at once.
    QCOMPARE(w.Dane().Funkcja_Modulu_We_Wy(port), F);
    QCOMPARE(w.Dane().Wyjscie_Portu(port), O);
}

void tst_siatki::extraInputCaption()
{
    MainWindowFixture f(QByteArray("[VEZO]\nJezyk=0\n"));
    TForm_Main &w = *f.window;
    activate(w.Combo(SettingsTab::Wejscie_dodatkowe), 12);
    QCOMPARE(w.D1_Label_Otwieranie_lub_dzwonienie->text(), QStringLiteral("Dzwonienie do lokalu"));
    QCOMPARE(w.Dane().Wejscie_Dodatkowe(), 12);
    activate(w.Combo(SettingsTab::Wejscie_dodatkowe), 0);
    QCOMPARE(w.D1_Label_Otwieranie_lub_dzwonienie->text(), QStringLiteral("Otwieranie"));
}

void tst_siatki::optionChangeReachesImage()
{
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    activate(w.Combo(SettingsTab::Opcja(6)), 1);
    QCOMPARE(w.Dane().Parametry_Centrali(), 0x01 | 0x04 | 0x20);
    // Option 5 waits for the next gathering.
    activate(w.Combo(SettingsTab::Opcja(5)), 1);
    QCOMPARE(w.Dane().Parametry_Centrali(), 0x01 | 0x04 | 0x20);
    activate(w.Combo(SettingsTab::Numer_dodatkowy(2)), 512);
    QCOMPARE(w.Dane().Numer_Dodatkowy(2), 512);
    QCOMPARE(w.Dane().Parametry_Centrali(), 0x01 | 0x04 | 0x10 | 0x20);
}

void tst_siatki::ringingClick()
{
    MainWindowFixture f;
    TForm_Main &w = *f.window;
    QTableView *v = w.D1_StringGrid_Ustawienia_Dzwonienia;
    v->setCurrentIndex(v->model()->index(2, 5));
    QCOMPARE(w.D1_Label_Numer_Lokalu_Dzwonki->text(), QStringLiteral("11"));
    for (int c : {4, 5, 6})
        QCOMPARE(fillOf(v, c, 2), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(fillOf(v, 3, 2) != QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(fillOf(v, 7, 2) != QColor(0xC0, 0xC0, 0xC0));
    for (int c : {1, 2, 3}) {
        v->setCurrentIndex(v->model()->index(1, c));
        QCOMPARE(w.D1_Label_Numer_Lokalu_Dzwonki->text(), QStringLiteral("none"));
    }
    v->setCurrentIndex(v->model()->index(7, 16));
    QCOMPARE(w.D1_Label_Numer_Lokalu_Dzwonki->text(), QStringLiteral("none"));
}

void tst_siatki::ringingArrows_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("columns");
    QTest::newRow("right from 2") << 2 << int(Qt::Key_Right)
                                  << QList<int>{5, 8, 11, 14, 17, 20, 23, 26, 29, 30, 30};
    QTest::newRow("left from 30") << 30 << int(Qt::Key_Left) << QList<int>{27, 24};
    QTest::newRow("left from 3") << 3 << int(Qt::Key_Left) << QList<int>{2, 1};
    QTest::newRow("right from 27") << 27 << int(Qt::Key_Right) << QList<int>{28};
}

void tst_siatki::ringingArrows()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(QList<int>, columns);
    MainWindowFixture f;
    QTableView *v = f.window->D1_StringGrid_Ustawienia_Dzwonienia;
    v->setCurrentIndex(v->model()->index(3, start));
    for (int expected : columns) {
        QTest::keyClick(v, static_cast<Qt::Key>(key));
        QCOMPARE(v->currentIndex().column(), expected);
        QCOMPARE(v->currentIndex().row(), 3);
    }
    QCOMPARE(f.window->D1_Label_Numer_Lokalu_Dzwonki->text(),
             QString::number(SettingsTab::Lokal_Komorki_Dzwonka(columns.last(), 3)));
}

void tst_siatki::ringingFills()
{
    MainWindowFixture f;
    QTableView *v = f.window->D1_StringGrid_Ustawienia_Dzwonienia;
    QCOMPARE(fillOf(v, 4, 1), QColor(0xFF, 0xFB, 0xF0));  // odd row, digit 1
    QCOMPARE(fillOf(v, 1, 1), QColor(0xFF, 0xF1, 0xCE));  // odd row, digit 0
    QCOMPARE(fillOf(v, 4, 2), QColor(0xF7, 0xF5, 0xDB));  // even row, digit 1
    QCOMPARE(fillOf(v, 7, 2), QColor(0xEF, 0xEB, 0xB8));  // even row, digit 2
    QCOMPARE(fillOf(v, 0, 2), QColor(0xD4, 0xD0, 0xC8));
}

QTEST_MAIN(tst_siatki)
#include "tst_siatki.moc"
