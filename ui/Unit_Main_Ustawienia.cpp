// The settings tab of the main window: the three grids and the unit-wide controls.
#include "lang/Teksty_WJ.h"
#include "ui/Unit_Main.h"
#include "ui/Unit_Tabela_Kodow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {
constexpr int Wysokosc_Wiersza = 17;

QTableView *Siatka(StringGrid *model, const char *name, int col0Width, int colWidth, QWidget *parent)
{
    auto *v = new QTableView(parent);
    v->setObjectName(QString::fromLatin1(name));
    v->setModel(model);
    v->horizontalHeader()->hide();
    v->verticalHeader()->hide();
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setSelectionBehavior(QAbstractItemView::SelectItems);
    v->setTabKeyNavigation(false);
    v->setWordWrap(false);
    QFont f = v->font();
    f.setPointSize(7);
    v->setFont(f);
    int w = 0;
    for (int c = 0; c < model->ColCount(); ++c) {
        const int cw = c == 0 ? col0Width : colWidth;
        v->setColumnWidth(c, cw);
        w += cw;
    }
    for (int r = 0; r < model->RowCount(); ++r)
        v->setRowHeight(r, Wysokosc_Wiersza);
    v->setFixedSize(w + 2 * v->frameWidth(), model->RowCount() * Wysokosc_Wiersza + 2 * v->frameWidth());
    // The first data cell is current, as a string grid starts.
    v->setCurrentIndex(model->index(1, 1));
    return v;
}

QLabel *Etykieta(const char *name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}
} // namespace

QComboBox *TForm_Main::Zbuduj_Liste(SettingsTab::Lista lista, const QString &name, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    const int n = SettingsTab::Liczba_Pozycji(lista);
    QStringList items;
    items.reserve(n);
    if (lista >= SettingsTab::Parametry_centrali_bit_1 && lista <= SettingsTab::Parametry_centrali_bit_8) {
        items << WJ(179) << WJ(180);
    } else {
        for (int i = 0; i < n; ++i)
            items << QString::number(i);
    }
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setMaxVisibleItems(16);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_combos[lista] = c;
    // Only the user's choice runs a change handler; the program sets the model.
    connect(c, &QComboBox::activated, this, [this, lista](int index) {
        m_tab.setItemIndex(lista, index);
        Lista_Zmieniona(lista);
    });
    return c;
}

void TForm_Main::Pokaz_Wybor_Listy(SettingsTab::Lista lista)
{
    QComboBox *c = m_combos[lista];
    if (!c)
        return;
    const QSignalBlocker b(c);
    c->setCurrentIndex(m_tab.ItemIndex(lista));
    // The extra input's caption follows its list, whoever changed it.
    if (lista == SettingsTab::Wejscie_dodatkowe)
        D1_Label_Otwieranie_lub_dzwonienie->setText(WJ(m_tab.Etykieta_Wejscia_dodatkowego()));
}

QWidget *TForm_Main::Zbuduj_Zakladke_Ustawien()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("D1_TabSheet_Ustawienia_1"));
    Podpisz(tab, 50);
    auto *v = new QVBoxLayout(tab);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(6);

    auto *gora = new QHBoxLayout;
    gora->setSpacing(8);
    gora->addWidget(Zbuduj_Kody(tab), 0, Qt::AlignTop);
    D1_StringGrid_Parametry = Siatka(&m_tab.D1_StringGrid_Parametry, "D1_StringGrid_Parametry", 128, 58, tab);
    gora->addWidget(D1_StringGrid_Parametry, 0, Qt::AlignTop);
    gora->addWidget(Zbuduj_Opcje(tab), 1, Qt::AlignTop);
    v->addLayout(gora);
    v->addWidget(Zbuduj_Dzwonki(tab));
    v->addWidget(Zbuduj_Dolny_Rzad(tab));
    return tab;
}

QWidget *TForm_Main::Zbuduj_Kody(QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(3);
    auto *l215 = Etykieta("Label215", w);
    Podpisz(l215, 55);
    D1_Label_Numer_Tabeli_kodow_lokali = Etykieta("D1_Label_Numer_Tabeli_kodow_lokali", w);
    QFont bold = D1_Label_Numer_Tabeli_kodow_lokali->font();
    bold.setBold(true);
    D1_Label_Numer_Tabeli_kodow_lokali->setFont(bold);
    auto *l40 = Etykieta("Label40", w);
    Podpisz(l40, 56);
    D1_Label_Numer_Lokalu_Kody = Etykieta("D1_Label_Numer_Lokalu_Kody", w);
    D1_Label_Numer_Lokalu_Kody->setFont(bold);
    auto *naglowek = new QHBoxLayout;
    naglowek->addWidget(l215);
    naglowek->addSpacing(4);
    naglowek->addWidget(D1_Label_Numer_Tabeli_kodow_lokali);
    naglowek->addStretch(1);
    naglowek->addWidget(l40);
    naglowek->addSpacing(4);
    naglowek->addWidget(D1_Label_Numer_Lokalu_Kody);
    g->addLayout(naglowek, 0, 0);
    D1_StringGrid_Kody_Lokali = Siatka(&m_tab.D1_StringGrid_Kody_Lokali, "D1_StringGrid_Kody_Lokali", 26, 36, w);
    g->addWidget(D1_StringGrid_Kody_Lokali, 1, 0);
    auto *przyciski = new QHBoxLayout;
    auto *wizytowki = new QPushButton(w);
    wizytowki->setObjectName(QStringLiteral("D1_BitBtn_Przygotuj_wizytowki"));
    Podpisz(wizytowki, 51);
    auto *generuj = new QPushButton(w);
    generuj->setObjectName(QStringLiteral("D1_BitBtn_Generuj_tabele_kodow"));
    Podpisz(generuj, 52);
    m_formTabelaKodow->Ustaw_Przycisk_Generuj(generuj);
    przyciski->addWidget(wizytowki);
    przyciski->addWidget(generuj);
    przyciski->addStretch(1);
    g->addLayout(przyciski, 2, 0);

    auto *opis = new QGroupBox(w);
    opis->setObjectName(QStringLiteral("D1_GroupBox_Krotki_opis"));
    Podpisz(opis, 54);
    auto *ol = new QVBoxLayout(opis);
    D1_Edit_Krotki_Opis = new QLineEdit(opis);
    D1_Edit_Krotki_Opis->setObjectName(QStringLiteral("D1_Edit_Krotki_Opis"));
    D1_Edit_Krotki_Opis->setMaxLength(50);
    ol->addWidget(D1_Edit_Krotki_Opis);
    g->addWidget(opis, 3, 0);
    return w;
}

QWidget *TForm_Main::Zbuduj_Opcje(QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);

    auto *opcje = new QGroupBox(w);
    opcje->setObjectName(QStringLiteral("D1_GroupBox_Parametry_centrali_1"));
    Podpisz(opcje, 170);
    auto *g = new QGridLayout(opcje);
    g->setVerticalSpacing(2);
    // option k: its caption label and string
    const struct { const char *label; int text; } podpisy[8] = {
        {"Label9", 171}, {"Label7", 172}, {"Label8", -1}, {"Label10", 174},
        {"Label11", 175}, {"Label12", 176}, {"Label13", 177}, {"Label14", 178}};
    for (int k = 1; k <= 8; ++k) {
        QLabel *l = Etykieta(podpisy[k - 1].label, opcje);
        if (podpisy[k - 1].text >= 0)
            Podpisz(l, podpisy[k - 1].text);
        else
            Label8 = l;
        g->addWidget(l, k - 1, 0);
        g->addWidget(Zbuduj_Liste(SettingsTab::Opcja(k),
                                  QStringLiteral("D1_ComboBox_Parametry_centrali_bit_%1").arg(k), opcje),
                     k - 1, 1);
    }
    g->setColumnStretch(0, 1);
    v->addWidget(opcje);
    v->addStretch(1);
    return w;
}

QWidget *TForm_Main::Zbuduj_Dzwonki(QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(2);
    auto *naglowek = new QHBoxLayout;
    auto *l171 = Etykieta("Label171", w);
    Podpisz(l171, 281);
    QFont bold = l171->font();
    bold.setBold(true);
    l171->setFont(bold);
    auto *globalne = new QPushButton(w);
    globalne->setObjectName(QStringLiteral("D1_BitBtn_Ustawienia_Dzwonienia_Globalne"));
    Podpisz(globalne, 282);
    D1_BitBtn_Ustawienia_Dzwonienia_Globalne = globalne;
    auto *l21 = Etykieta("Label21", w);
    Podpisz(l21, 283);
    D1_Label_Numer_Lokalu_Dzwonki = Etykieta("D1_Label_Numer_Lokalu_Dzwonki", w);
    D1_Label_Numer_Lokalu_Dzwonki->setFont(bold);
    naglowek->addWidget(l171);
    naglowek->addSpacing(12);
    naglowek->addWidget(globalne);
    naglowek->addStretch(1);
    naglowek->addWidget(l21);
    naglowek->addSpacing(4);
    naglowek->addWidget(D1_Label_Numer_Lokalu_Dzwonki);
    g->addLayout(naglowek, 0, 0);

    constexpr int col0 = 26, col = 22;
    D1_StringGrid_Ustawienia_Dzwonienia =
        Siatka(&m_tab.D1_StringGrid_Ustawienia_Dzwonienia, "D1_StringGrid_Ustawienia_Dzwonienia", col0, col, w);
    // Panel2 to Panel11 head the three columns of each units digit.
    auto *panele = new QWidget(w);
    panele->setFixedSize(D1_StringGrid_Ustawienia_Dzwonienia->width(), 16);
    QFont f7 = panele->font();
    f7.setPointSize(7);
    for (int k = 0; k < 10; ++k) {
        auto *p = new QLabel(panele);
        p->setObjectName(QStringLiteral("Panel%1").arg(k + 2));
        p->setFont(f7);
        p->setAlignment(Qt::AlignCenter);
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Raised);
        p->setGeometry(col0 + 1 + 3 * col * k, 0, 3 * col, 16);
        Podpisz(p, 290 + k);
    }
    g->addWidget(panele, 1, 0);
    g->addWidget(D1_StringGrid_Ustawienia_Dzwonienia, 2, 0);
    auto *l19 = Etykieta("Label19", w);
    Podpisz(l19, 285);
    g->addWidget(l19, 3, 0);
    return w;
}

QWidget *TForm_Main::Zbuduj_Dolny_Rzad(QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    auto *h = new QHBoxLayout;
    v->addLayout(h);

    auto *wejscie = new QGroupBox(w);
    wejscie->setObjectName(QStringLiteral("D1_GroupBox_Wejscie_dodatkowe"));
    Podpisz(wejscie, 165);
    auto *wl = new QVBoxLayout(wejscie);
    wl->setSpacing(2);
    D1_Label_Otwieranie_lub_dzwonienie = Etykieta("D1_Label_Otwieranie_lub_dzwonienie", wejscie);
    wl->addWidget(D1_Label_Otwieranie_lub_dzwonienie);
    wl->addWidget(Zbuduj_Liste(SettingsTab::Wejscie_dodatkowe, QStringLiteral("D1_ComboBox_Wejscie_dodatkowe"), wejscie));
    wl->addStretch(1);
    h->addWidget(wejscie, 1);

    const char *etykiety[4][2] = {{"Label232", "Label4"}, {"Label241", "Label242"},
                                  {"Label244", "Label16"}, {"Label23", "Label24"}};
    for (int n = 1; n <= 4; ++n) {
        auto *grupa = new QGroupBox(w);
        grupa->setObjectName(QStringLiteral("D1_GroupBox_Numery_dodatkowe_%1").arg(n));
        const int s = 145 + 3 * (n - 1);
        Podpisz(grupa, s, true);
        auto *gl = new QGridLayout(grupa);
        gl->setVerticalSpacing(2);
        QLabel *ln = Etykieta(etykiety[n - 1][0], grupa);
        Podpisz(ln, s);
        QLabel *la = Etykieta(etykiety[n - 1][1], grupa);
        Podpisz(la, s + 1);
        gl->addWidget(ln, 0, 0);
        gl->addWidget(Zbuduj_Liste(SettingsTab::Numer_dodatkowy(n),
                                   QStringLiteral("D1_ComboBox_Numery_dodatkowe_%1_Numer").arg(n), grupa), 1, 0);
        gl->addWidget(la, 0, 1);
        gl->addWidget(Zbuduj_Liste(SettingsTab::Adres_dodatkowy(n),
                                   QStringLiteral("D1_ComboBox_Numery_dodatkowe_%1_Adres").arg(n), grupa), 1, 1);
        h->addWidget(grupa, 1);
    }

    auto *porty = new QHBoxLayout;
    v->addLayout(porty);
    for (int port = 1; port <= 2; ++port) {
        const int s = port == 2 ? 40 : 0;
        auto *grupa = new QGroupBox(w);
        grupa->setObjectName(QStringLiteral("D1_GroupBox_Modul_we_wy_%1").arg(port));
        Podpisz(grupa, 60 + s);
        auto *gl = new QGridLayout(grupa);
        gl->setVerticalSpacing(2);
        QLabel *lf = Etykieta(port == 1 ? "Label46" : "Label2", grupa);
        Podpisz(lf, 62 + s);
        QLabel *li = Etykieta(port == 1 ? "D1_Label_Wartosc_we_portu_P1" : "D1_Label_Wartosc_we_portu_P2", grupa);
        Podpisz(li, 61 + s);
        QLabel *lo = Etykieta(port == 1 ? "D1_Label_Wyjscie_portu_P1" : "D1_Label_Wyjscie_portu_P2", grupa);
        Podpisz(lo, 63 + s);
        gl->addWidget(lf, 0, 0);
        gl->addWidget(Zbuduj_Liste(port == 1 ? SettingsTab::Modul_we_wy_1 : SettingsTab::Modul_we_wy_2,
                                   QStringLiteral("D1_ComboBox_Modul_we_wy_%1").arg(port), grupa), 1, 0);
        gl->addWidget(li, 0, 1);
        gl->addWidget(Zbuduj_Liste(port == 1 ? SettingsTab::Wartosc_we_portu_P1 : SettingsTab::Wartosc_we_portu_P2,
                                   QStringLiteral("D1_ComboBox_Wartosc_we_portu_P%1").arg(port), grupa), 1, 1);
        gl->addWidget(lo, 0, 2);
        gl->addWidget(Zbuduj_Liste(port == 1 ? SettingsTab::Wyjscie_portu_P1 : SettingsTab::Wyjscie_portu_P2,
                                   QStringLiteral("D1_ComboBox_Wyjscie_portu_P%1").arg(port), grupa), 1, 2);
        auto &opis = port == 1 ? D1_Label_port_P1_opis_funkcji : D1_Label_port_P2_opis_funkcji;
        for (int k = 0; k < 2; ++k) {
            opis[k] = Etykieta(qPrintable(QStringLiteral("D1_Label_port_P%1_opis_funkcji_%2").arg(port).arg(k + 1)), grupa);
            opis[k]->setStyleSheet(QStringLiteral("color: #00306a;"));
            gl->addWidget(opis[k], 2 + k, 0, 1, 3);
        }
        porty->addWidget(grupa, 1);
    }
    return w;
}
