// The settings tab at work: drawing, selection and keys of the three grids, and the
// handlers of the option lists.
#include "lang/Teksty_WJ.h"
#include "ui/SiatkaDelegate.h"
#include "ui/Unit_Main.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>

namespace {
const QColor Kolor_Staly(0xD4, 0xD0, 0xC8);
const QColor Kolor_Zaznaczenia_Fokus(0xA9, 0xD1, 0x8B);
const QColor Kolor_Zaznaczenia(0xC0, 0xC0, 0xC0);
const QColor Kolor_Wiersza_Fokus(0xD9, 0xE4, 0xED);
// Stands in for the desktop's inactive-caption colour: a light neutral.
const QColor Kolor_Wiersza(0xE3, 0xE3, 0xE3);

void Wypelnij(QPainter *p, const QRect &r, const QColor &c)
{
    p->fillRect(r, c);
}

void Pisz(QPainter *p, const QRect &r, const QString &text, const QColor &kolor = Qt::black)
{
    p->setPen(kolor);
    p->drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// The apartment a selection label names, -1 for its "none" text.
int Wybrany_Lokal(const QLabel *label, int nrBrak)
{
    if (label->text() == WJ(nrBrak))
        return -1;
    bool ok = false;
    const int n = label->text().toInt(&ok);
    return ok ? n : -1;
}
} // namespace

void TForm_Main::Podlacz_Siatki()
{
    auto *kody = new SiatkaDelegate(
        [this](QPainter *p, int c, int r, const QRect &rect) { D1_StringGrid_Kody_LokaliDrawCell(p, c, r, rect); },
        this);
    D1_StringGrid_Kody_Lokali->setItemDelegate(kody);
    auto *parametry = new SiatkaDelegate(
        [this](QPainter *p, int c, int r, const QRect &rect) { D1_StringGrid_ParametryDrawCell(p, c, r, rect); },
        this);
    D1_StringGrid_Parametry->setItemDelegate(parametry);
    auto *dzwonki = new SiatkaDelegate(
        [this](QPainter *p, int c, int r, const QRect &rect) { StringGrid1DrawCell(p, c, r, rect); }, this);
    D1_StringGrid_Ustawienia_Dzwonienia->setItemDelegate(dzwonki);

    for (QTableView *v : {D1_StringGrid_Kody_Lokali, D1_StringGrid_Parametry, D1_StringGrid_Ustawienia_Dzwonienia})
        v->installEventFilter(this);
    Edit_Haslo_Instalatora->installEventFilter(this);

    // A click runs the handler also on the cell already current; a keyboard move
    // arrives as a change of the current cell.
    auto klik = [](QTableView *v, auto handler) {
        QObject::connect(v, &QAbstractItemView::pressed, v, handler);
        QObject::connect(v->selectionModel(), &QItemSelectionModel::currentChanged, v, handler);
    };
    klik(D1_StringGrid_Kody_Lokali, [this] { D1_StringGrid_Kody_LokaliClick(); });
    klik(D1_StringGrid_Ustawienia_Dzwonienia, [this] { StringGrid1Click(); });
    connect(D1_StringGrid_Parametry->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { D1_StringGrid_Parametry->viewport()->update(); });
    connect(D1_StringGrid_Kody_Lokali, &QAbstractItemView::doubleClicked, this,
            [this] { D1_StringGrid_Kody_LokaliDblClick(); });
    connect(D1_StringGrid_Parametry, &QAbstractItemView::doubleClicked, this,
            [this] { D1_StringGrid_ParametryDblClick(); });
    connect(D1_StringGrid_Ustawienia_Dzwonienia, &QAbstractItemView::doubleClicked, this,
            [this] { StringGrid1DblClick(); });
    connect(D1_BitBtn_Ustawienia_Dzwonienia_Globalne, &QPushButton::clicked, this,
            [this] { D1_BitBtn_Ustawienia_Dzwonienia_Globalne1Click(); });

    // The tab model's texts change: the views repaint.
}

bool &TForm_Main::Fokus_Siatki(const QTableView *v)
{
    return v == D1_StringGrid_Kody_Lokali ? m_fokus[0] : v == D1_StringGrid_Parametry ? m_fokus[1] : m_fokus[2];
}

void TForm_Main::D1_StringGrid_Kody_LokaliEnter(QTableView *v)
{
    Fokus_Siatki(v) = true;
    v->viewport()->update();
}

void TForm_Main::D1_StringGrid_Kody_LokaliExit(QTableView *v)
{
    Fokus_Siatki(v) = false;
    v->viewport()->update();
}

bool TForm_Main::eventFilter(QObject *watched, QEvent *event)
{
    auto *v = qobject_cast<QTableView *>(watched);
    if (v && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        if (event->type() == QEvent::FocusIn)
            D1_StringGrid_Kody_LokaliEnter(v);
        else
            D1_StringGrid_Kody_LokaliExit(v);
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        if (v == D1_StringGrid_Ustawienia_Dzwonienia)
            return StringGrid1KeyDown(k->key());
        if (watched == Edit_Haslo_Instalatora && !k->text().isEmpty())
            return !D1_Edit_Ustawienia_Kodow_kod_lokaluKeyPress(k->text().at(0));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm_Main::D1_Edit_Ustawienia_Kodow_kod_lokaluKeyPress(QChar key)
{
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QChar(8);
}

void TForm_Main::D1_StringGrid_Kody_LokaliDrawCell(QPainter *p, int c, int r, const QRect &rect)
{
    const QStringList &wzorce = m_kodyTabeli.codes(D1_Label_Numer_Tabeli_kodow_lokali->text().toInt());
    const QColor podswietlenie = m_fokus[0] ? Kolor_Zaznaczenia_Fokus : Kolor_Zaznaczenia;
    const int s = Wybrany_Lokal(D1_Label_Numer_Lokalu_Kody, 57);
    const int kolumnaWybrana = s % 10 + 1;
    const int wierszWybrany = s / 10 + 1;
    const QString &text = m_tab.D1_StringGrid_Kody_Lokali.Cells(c, r);

    if (c == 0 || r == 0) {
        Wypelnij(p, rect, Kolor_Staly);
        Pisz(p, rect, QLatin1Char(' ') + text);
        return;
    }
    QColor tlo;
    if (r % 2 == 1)
        tlo = c % 2 == 0 ? QColor(0xFF, 0xFB, 0xF0) : QColor(0xFF, 0xF1, 0xCE);
    else
        tlo = QColor(0xF7, 0xF5, 0xDB);
    const int n = SettingsTab::Lokal_Komorki_Kodu(c, r);
    const bool zgodny = n < 1 || n > 64 || text == wzorce.value(n - 1);
    const QColor kolor = zgodny ? QColor(Qt::black) : QColor(0xFF, 0x00, 0x00);
    Wypelnij(p, rect, tlo);
    Pisz(p, rect, text, kolor);
    if (c == kolumnaWybrana && r == wierszWybrany) {
        Wypelnij(p, rect, podswietlenie);
        Pisz(p, rect, text, kolor);
    }
}

void TForm_Main::D1_StringGrid_ParametryDrawCell(QPainter *p, int c, int r, const QRect &rect)
{
    const QColor podswietlenie = m_fokus[1] ? Kolor_Wiersza_Fokus : Kolor_Wiersza;
    const QString text = QLatin1Char(' ') + m_tab.D1_StringGrid_Parametry.Cells(c, r);
    if (c == 0 || r == 0) {
        Wypelnij(p, rect, Kolor_Staly);
        Pisz(p, rect, text);
        return;
    }
    Wypelnij(p, rect, QColor(0xFF, 0xFB, 0xF0));
    Pisz(p, rect, text);
    if (r == D1_StringGrid_Parametry->currentIndex().row()) {
        Wypelnij(p, rect, podswietlenie);
        Pisz(p, rect, text);
    }
}

void TForm_Main::StringGrid1DrawCell(QPainter *p, int c, int r, const QRect &rect)
{
    const QColor podswietlenie = m_fokus[2] ? Kolor_Zaznaczenia_Fokus : Kolor_Zaznaczenia;
    const int s = Wybrany_Lokal(D1_Label_Numer_Lokalu_Dzwonki, 284);
    const int pierwszaKolumna = 3 * (s % 10) + 1;
    const int wierszWybrany = s / 10 + 1;
    const QString &text = m_tab.D1_StringGrid_Ustawienia_Dzwonienia.Cells(c, r);
    if (c == 0 || r == 0) {
        Wypelnij(p, rect, Kolor_Staly);
        Pisz(p, rect, text);
        return;
    }
    const int g = (c - 1) / 3;
    QColor tlo;
    if (r % 2 == 1)
        tlo = g % 2 == 1 ? QColor(0xFF, 0xFB, 0xF0) : QColor(0xFF, 0xF1, 0xCE);
    else
        tlo = g % 2 == 1 ? QColor(0xF7, 0xF5, 0xDB) : QColor(0xEF, 0xEB, 0xB8);
    Wypelnij(p, rect, tlo);
    Pisz(p, rect, text);
    if (r == wierszWybrany && c >= pierwszaKolumna && c <= pierwszaKolumna + 2) {
        Wypelnij(p, rect, podswietlenie);
        Pisz(p, rect, text);
    }
}

void TForm_Main::D1_StringGrid_Kody_LokaliClick()
{
    const QModelIndex i = D1_StringGrid_Kody_Lokali->currentIndex();
    const int n = SettingsTab::Lokal_Komorki_Kodu(i.column(), i.row());
    D1_Label_Numer_Lokalu_Kody->setText(n >= 1 && n <= 64 ? QString::number(n) : WJ(57));
    D1_StringGrid_Kody_Lokali->viewport()->update();
}

void TForm_Main::StringGrid1Click()
{
    Przygotuj_Dzwonki_Pojedynczo();
    const QModelIndex i = D1_StringGrid_Ustawienia_Dzwonienia->currentIndex();
    const int n = SettingsTab::Lokal_Komorki_Dzwonka(i.column(), i.row());
    D1_Label_Numer_Lokalu_Dzwonki->setText(n >= 1 && n <= 64 ? QString::number(n) : WJ(284));
    D1_StringGrid_Ustawienia_Dzwonienia->viewport()->update();
}

bool TForm_Main::StringGrid1KeyDown(int key)
{
    QTableView *v = D1_StringGrid_Ustawienia_Dzwonienia;
    const QModelIndex i = v->currentIndex();
    const int col = i.column();
    int nowa = -1;
    if (key == Qt::Key_Left && col > 3 && col <= 30)
        nowa = col - 3;
    else if (key == Qt::Key_Right && col > 0 && col < 27)
        nowa = col + 3;
    if (nowa < 0)
        return false; // the grid's own one-column move
    v->setCurrentIndex(v->model()->index(i.row(), nowa));
    return true;
}

// Lists changed by the user: the model takes the value, then the list's own handler.
void TForm_Main::Lista_Zmieniona(SettingsTab::Lista lista)
{
    using L = SettingsTab;
    switch (lista) {
    case L::Parametry_centrali_bit_3:
    case L::Parametry_centrali_bit_5:
        D1_ComboBox_Parametry_centrali_bit_5Change();
        break;
    case L::Parametry_centrali_bit_1:
    case L::Parametry_centrali_bit_2:
    case L::Parametry_centrali_bit_4:
    case L::Parametry_centrali_bit_6:
    case L::Parametry_centrali_bit_7:
    case L::Parametry_centrali_bit_8:
        D1_ComboBox_Parametry_centrali_bit_1Change();
        break;
    case L::Wejscie_dodatkowe:
        D1_ComboBox_Wejscie_dodatkoweChange();
        break;
    case L::Wartosc_we_portu_P1:
    case L::Wartosc_we_portu_P2:
    case L::Wyjscie_portu_P1:
    case L::Wyjscie_portu_P2:
    case L::Modul_we_wy_1:
    case L::Modul_we_wy_2:
        D1_ComboBox_Wartosc_we_portu_P1Change();
        break;
    case L::Liczba_List:
        break;
    default:
        D1_ComboBox_Numery_dodatkowe_1_NumerChange();
        break;
    }
}

void TForm_Main::D1_ComboBox_Parametry_centrali_bit_1Change()
{
    // Without the 64-apartment expansion the range may not end above 32.
    if (m_tab.ItemIndex(SettingsTab::Parametry_centrali_bit_6) == 0 && m_tab.Parametr(2).toInt() > 32)
        m_tab.Ustaw_Parametr(2, QStringLiteral("32"));
    D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(Nr_wersji_Tablicy);
}

void TForm_Main::D1_ComboBox_Parametry_centrali_bit_5Change()
{
    // Options 3 and 5 reach the image at the next gathering.
}

void TForm_Main::D1_ComboBox_Wejscie_dodatkoweChange()
{
    // The caption has followed the list already.
    D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(Nr_wersji_Tablicy);
}

void TForm_Main::D1_ComboBox_Numery_dodatkowe_1_NumerChange()
{
    D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(Nr_wersji_Tablicy);
}

void TForm_Main::D1_ComboBox_Wartosc_we_portu_P1Change()
{
    D1_Ustawienia_labeli_opisu_funkcji_modulow_we_wy();
    D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(Nr_wersji_Tablicy);
}

void TForm_Main::D1_StringGrid_Kody_LokaliDblClick()
{
    if (D1_Label_Numer_Lokalu_Kody->text() == WJ(57))
        return;
    Otworz_Strone_Kodu();
}

void TForm_Main::D1_StringGrid_ParametryDblClick()
{
    Otworz_Strone_Parametrow();
}

void TForm_Main::StringGrid1DblClick()
{
    if (D1_Label_Numer_Lokalu_Dzwonki->text() == WJ(284))
        return;
    Otworz_Strone_Dzwonkow(D1_Label_Numer_Lokalu_Dzwonki->text().toInt());
}

void TForm_Main::D1_BitBtn_Ustawienia_Dzwonienia_Globalne1Click()
{
    Otworz_Strone_Dzwonkow(0);
}
