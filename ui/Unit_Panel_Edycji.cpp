#include "ui/Unit_Panel_Edycji.h"
#include "lang/Teksty_WJ.h"
#include "ui/Unit_Main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {
TForm_Panel_Edycji::ModalRunner g_runner;

constexpr int Margines = 6;
const QColor Tlo_Tytulu(0xA9, 0xD1, 0x8B);
const QColor Czarny(0, 0, 0);
const QColor Czerwony(0xFF, 0, 0);

QLabel *Etykieta(const char *name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QComboBox *Lista(const char *name, const QStringList &items, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(items);
    c->setMaxVisibleItems(16);
    return c;
}

QStringList Liczby(int od, int doWlacznie, int krok = 1)
{
    QStringList l;
    for (int v = od; v <= doWlacznie; v += krok)
        l << QString::number(v);
    return l;
}

void Pokoloruj_Tlo(QWidget *w, const QColor &kolor)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kolor);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void Kolor_Tekstu(QLabel *l, const QColor &kolor)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, kolor);
    l->setPalette(pal);
}

// A cell text of the parameters grid as a number; anything else reads as 0.
int Liczba(const QString &tekst)
{
    return tekst.trimmed().toInt();
}

// Digit fields are zero-filled on the left to their fixed length when confirmed.
QString Uzupelnij_Zerami(const QString &tekst, int dlugosc)
{
    return tekst.rightJustified(dlugosc, QLatin1Char('0'));
}

QString Komorka_Dzwonka(int pozycja)
{
    return QStringLiteral("  ") + QString::number(pozycja);
}
} // namespace

void TForm_Panel_Edycji::setModalRunner(ModalRunner runner)
{
    g_runner = std::move(runner);
}

TForm_Panel_Edycji::TForm_Panel_Edycji(TForm_Main *main)
    : QDialog(main, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                        | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_main(main)
{
    setObjectName(QStringLiteral("Form_Panel_Edycji"));
    setModal(true);
    Zbuduj_Strone_Kodu();
    Zbuduj_Strone_Parametrow();
    Zbuduj_Strone_Dzwonkow();
    // Page 5 belongs to the update check, which fills this group itself.
    GroupBox5 = new QGroupBox(this);
    GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
    for (QGroupBox *g : {GroupBox1, GroupBox3, GroupBox4, GroupBox5})
        g->hide();
    FormCreate();
}

TForm_Panel_Edycji::~TForm_Panel_Edycji() = default;

void TForm_Panel_Edycji::FormCreate()
{
    setWindowTitle(Tytul_Programu);
}

QLineEdit *TForm_Panel_Edycji::Pole_Cyfr(const char *name, int maxLength, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    // The key filter drops typed characters; the validator also keeps pasted or
    // dropped text out, so nothing but digits ever reaches the grid.
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->installEventFilter(this);
    return e;
}

void TForm_Panel_Edycji::Przyciski_Strony(QBoxLayout *v, const char *zatwierdz, const char *anuluj,
                                          QPushButton *&Zatwierdz, QPushButton *&Anuluj, Handler naZatwierdz,
                                          Handler naAnuluj)
{
    QWidget *grupa = v->parentWidget();
    auto *przyciski = new QHBoxLayout;
    Zatwierdz = new QPushButton(grupa);
    Zatwierdz->setObjectName(QString::fromLatin1(zatwierdz));
    Anuluj = new QPushButton(grupa);
    Anuluj->setObjectName(QString::fromLatin1(anuluj));
    przyciski->addWidget(Zatwierdz);
    przyciski->addWidget(Anuluj);
    v->addLayout(przyciski);
    connect(Zatwierdz, &QPushButton::clicked, this, naZatwierdz);
    connect(Anuluj, &QPushButton::clicked, this, naAnuluj);
}

void TForm_Panel_Edycji::Zbuduj_Strone_Kodu()
{
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *v = new QVBoxLayout(GroupBox1);

    Bevel4 = new QFrame(GroupBox1);
    Bevel4->setObjectName(QStringLiteral("Bevel4"));
    Bevel4->setFrameShape(QFrame::Box);
    auto *ramka = new QVBoxLayout(Bevel4);
    ramka->setContentsMargins(1, 1, 1, 1);
    // Coloured panels behind the title and the number; they size to what they hold.
    Label228 = new QFrame(Bevel4);
    Label228->setObjectName(QStringLiteral("Label228"));
    Pokoloruj_Tlo(Label228, Tlo_Tytulu);
    ramka->addWidget(Label228);
    auto *tytul = new QVBoxLayout(Label228);
    tytul->setContentsMargins(8, 4, 8, 4);
    Label218 = Etykieta("Label218", Label228);
    Label223 = Etykieta("Label223", Label228);
    QFont bold = Label218->font();
    bold.setBold(true);
    for (QLabel *l : {Label218, Label223}) {
        l->setFont(bold);
        l->setAlignment(Qt::AlignCenter);
        tytul->addWidget(l);
    }
    v->addWidget(Bevel4);

    auto *g = new QGridLayout;
    Label230 = Etykieta("Label230", GroupBox1);
    D1_Label_Ustawienia_Kodow_Nr_Lokalu = Etykieta("D1_Label_Ustawienia_Kodow_Nr_Lokalu", GroupBox1);
    D1_Label_Ustawienia_Kodow_Nr_Lokalu->setFont(bold);
    D1_Label_Ustawienia_Kodow_Napis = Etykieta("D1_Label_Ustawienia_Kodow_Napis", GroupBox1);
    D1_Edit_Ustawienia_Kodow_kod_lokalu = Pole_Cyfr("D1_Edit_Ustawienia_Kodow_kod_lokalu", 4, GroupBox1);
    g->addWidget(Label230, 0, 0);
    g->addWidget(D1_Label_Ustawienia_Kodow_Nr_Lokalu, 0, 1);
    g->addWidget(D1_Label_Ustawienia_Kodow_Napis, 1, 0);
    g->addWidget(D1_Edit_Ustawienia_Kodow_kod_lokalu, 1, 1);
    v->addLayout(g);

    Przyciski_Strony(v, "D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokalu", "D1_Button_Anuluj_zmiane_ustawien_kodu_lokalu",
                     D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokalu, D1_Button_Anuluj_zmiane_ustawien_kodu_lokalu,
                     &TForm_Panel_Edycji::D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokaluClick,
                     &TForm_Panel_Edycji::D1_Button_Anuluj_zmiane_ustawien_kodu_lokaluClick);
}

void TForm_Panel_Edycji::Zbuduj_Strone_Parametrow()
{
    GroupBox3 = new QGroupBox(this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto *v = new QVBoxLayout(GroupBox3);

    Label231 = Etykieta("Label231", GroupBox3);
    QFont bold = Label231->font();
    bold.setBold(true);
    Label231->setFont(bold);
    Label231->setAlignment(Qt::AlignCenter);
    v->addWidget(Label231);

    GroupBox6 = new QGroupBox(GroupBox3);
    GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
    auto *g6 = new QGridLayout(GroupBox6);
    Label3 = Etykieta("Label3", GroupBox6);
    Label4 = Etykieta("Label4", GroupBox6);
    D1_ComboBox_Parametry_Zakres_Od = Lista("D1_ComboBox_Parametry_Zakres_Od", Liczby(1, 64), GroupBox6);
    D1_ComboBox_Parametry_Zakres_Do = Lista("D1_ComboBox_Parametry_Zakres_Do", Liczby(1, 64), GroupBox6);
    g6->addWidget(Label3, 0, 0);
    g6->addWidget(D1_ComboBox_Parametry_Zakres_Od, 0, 1);
    g6->addWidget(Label4, 1, 0);
    g6->addWidget(D1_ComboBox_Parametry_Zakres_Do, 1, 1);
    v->addWidget(GroupBox6);

    GroupBox8 = new QGroupBox(GroupBox3);
    GroupBox8->setObjectName(QStringLiteral("GroupBox8"));
    auto *g8 = new QGridLayout(GroupBox8);
    Label236 = Etykieta("Label236", GroupBox8);
    Label13 = Etykieta("Label13", GroupBox8);
    D1_ComboBox_Parametry_Przesuniecie = Lista("D1_ComboBox_Parametry_Przesuniecie", Liczby(0, 998), GroupBox8);
    g8->addWidget(Label236, 0, 0);
    g8->addWidget(Label13, 1, 0);
    g8->addWidget(D1_ComboBox_Parametry_Przesuniecie, 0, 1, 2, 1);
    v->addWidget(GroupBox8);

    GroupBox7 = new QGroupBox(GroupBox3);
    GroupBox7->setObjectName(QStringLiteral("GroupBox7"));
    auto *g7 = new QVBoxLayout(GroupBox7);
    Label8 = Etykieta("Label8", GroupBox7);
    Label8->setFont(bold);
    Label9 = Etykieta("Label9", GroupBox7);
    g7->addWidget(Label8);
    g7->addWidget(Label9);
    v->addWidget(GroupBox7);

    auto *g = new QGridLayout;
    Label237 = Etykieta("Label237", GroupBox3);
    D1_ComboBox_Parametry_Czas_zamka = Lista("D1_ComboBox_Parametry_Czas_zamka", Liczby(0, 9), GroupBox3);
    Label238 = Etykieta("Label238", GroupBox3);
    D1_ComboBox_Parametry_Opoznienie = Lista("D1_ComboBox_Parametry_Opoznienie", Liczby(0, 250, 10), GroupBox3);
    Label239 = Etykieta("Label239", GroupBox3);
    D1_Edit_Parametry_Haslo_Instalatora = Pole_Cyfr("D1_Edit_Parametry_Haslo_Instalatora", 4, GroupBox3);
    D1_CheckBox_Kod_Administratora = new QCheckBox(GroupBox3);
    D1_CheckBox_Kod_Administratora->setObjectName(QStringLiteral("D1_CheckBox_Kod_Administratora"));
    D1_Edit_Parametry_Kod_Administratora = Pole_Cyfr("D1_Edit_Parametry_Kod_Administratora", 6, GroupBox3);
    D1_Edit_Parametry_Kod_Administratora->setText(QStringLiteral("000000"));
    D1_Edit_Parametry_Kod_Administratora->hide();
    Label1 = Etykieta("Label1", GroupBox3);
    D1_ComboBox_Ton_dzw = Lista("D1_ComboBox_Ton_dzw", Liczby(1, 4), GroupBox3);
    Label2 = Etykieta("Label2", GroupBox3);
    D1_ComboBox_Liczba_dzw = Lista("D1_ComboBox_Liczba_dzw", Liczby(1, 9), GroupBox3);
    Label5 = Etykieta("Label5", GroupBox3);
    D1_ComboBox_Przerwa_mdzw = Lista("D1_ComboBox_Przerwa_mdzw", Liczby(0, 20), GroupBox3);
    const std::pair<QWidget *, QWidget *> wiersze[] = {
        {Label237, D1_ComboBox_Parametry_Czas_zamka},
        {Label238, D1_ComboBox_Parametry_Opoznienie},
        {Label239, D1_Edit_Parametry_Haslo_Instalatora},
        {D1_CheckBox_Kod_Administratora, D1_Edit_Parametry_Kod_Administratora},
        {Label1, D1_ComboBox_Ton_dzw},
        {Label2, D1_ComboBox_Liczba_dzw},
        {Label5, D1_ComboBox_Przerwa_mdzw},
    };
    int r = 0;
    for (const auto &w : wiersze) {
        g->addWidget(w.first, r, 0);
        g->addWidget(w.second, r, 1);
        ++r;
    }
    v->addLayout(g);

    Przyciski_Strony(v, "D1_Button_Zatwierdz_zmiane_Parametrow", "D1_Button_Anuluj_zmiane_Parametrow",
                     D1_Button_Zatwierdz_zmiane_Parametrow, D1_Button_Anuluj_zmiane_Parametrow,
                     &TForm_Panel_Edycji::D1_Button_Zatwierdz_zmiane_ParametrowClick,
                     &TForm_Panel_Edycji::D1_Button_Anuluj_zmiane_ParametrowClick);

    // The change handlers run for the user's choices only (activated), never for the
    // values this panel sets itself.
    connect(D1_ComboBox_Parametry_Zakres_Od, &QComboBox::activated, this,
            &TForm_Panel_Edycji::D1_ComboBox_Parametry_Zakres_OdChange);
    connect(D1_ComboBox_Parametry_Zakres_Do, &QComboBox::activated, this,
            &TForm_Panel_Edycji::D1_ComboBox_Parametry_Zakres_DoChange);
    connect(D1_ComboBox_Parametry_Przesuniecie, &QComboBox::activated, this,
            &TForm_Panel_Edycji::D1_ComboBox_Parametry_Zakres_przeChange);
    for (QComboBox *c : {D1_ComboBox_Parametry_Czas_zamka, D1_ComboBox_Liczba_dzw, D1_ComboBox_Przerwa_mdzw})
        connect(c, &QComboBox::activated, this, &TForm_Panel_Edycji::D1_ComboBox_Parametry_Czas_zamkaChange);
    connect(D1_ComboBox_Parametry_Opoznienie, &QComboBox::activated, this,
            &TForm_Panel_Edycji::D1_ComboBox_Parametry_OpoznienieChange);
    connect(D1_CheckBox_Kod_Administratora, &QCheckBox::clicked, this,
            &TForm_Panel_Edycji::D1_CheckBox_Kod_AdministratoraClick);
}

void TForm_Panel_Edycji::Zbuduj_Strone_Dzwonkow()
{
    GroupBox4 = new QGroupBox(this);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    auto *v = new QVBoxLayout(GroupBox4);

    D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany = Etykieta("D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany", GroupBox4);
    D1_Label_Ustawienia_Dzwonkow2_Tytul_okienka_zmiany = Etykieta("D1_Label_Ustawienia_Dzwonkow2_Tytul_okienka_zmiany", GroupBox4);
    QFont bold = D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany->font();
    bold.setBold(true);
    for (QLabel *l : {D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany, D1_Label_Ustawienia_Dzwonkow2_Tytul_okienka_zmiany}) {
        l->setFont(bold);
        l->setAlignment(Qt::AlignCenter);
        v->addWidget(l);
    }

    Bevel1 = new QFrame(GroupBox4);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Box);
    auto *ramka = new QVBoxLayout(Bevel1);
    ramka->setContentsMargins(1, 1, 1, 1);
    Label37 = new QFrame(Bevel1);
    Label37->setObjectName(QStringLiteral("Label37"));
    Pokoloruj_Tlo(Label37, Tlo_Tytulu);
    ramka->addWidget(Label37);
    auto *numer = new QHBoxLayout(Label37);
    numer->setContentsMargins(8, 4, 8, 4);
    Label33 = Etykieta("Label33", Label37);
    D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu = Etykieta("D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu", Label37);
    D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu->setFont(bold);
    numer->addStretch(1);
    numer->addWidget(Label33);
    numer->addWidget(D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu);
    numer->addStretch(1);
    v->addWidget(Bevel1);

    auto *g = new QGridLayout;
    CheckBox_LDzw = new QCheckBox(GroupBox4);
    CheckBox_LDzw->setObjectName(QStringLiteral("CheckBox_LDzw"));
    CheckBox_GlCi = new QCheckBox(GroupBox4);
    CheckBox_GlCi->setObjectName(QStringLiteral("CheckBox_GlCi"));
    CheckBox_Podzw = new QCheckBox(GroupBox4);
    CheckBox_Podzw->setObjectName(QStringLiteral("CheckBox_Podzw"));
    Label22 = Etykieta("Label22", GroupBox4);
    Label35 = Etykieta("Label35", GroupBox4);
    Label36 = Etykieta("Label36", GroupBox4);
    D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow = Lista("D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow",
                                                             {QStringLiteral("0"), QStringLiteral("1")}, GroupBox4);
    D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho = Lista("D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho",
                                                          {WJ(588), WJ(589)}, GroupBox4);
    D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie = Lista("D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie",
                                                          {WJ(590), WJ(591)}, GroupBox4);
    QCheckBox *pola[] = {CheckBox_LDzw, CheckBox_GlCi, CheckBox_Podzw};
    QLabel *podpisy[] = {Label22, Label35, Label36};
    QComboBox *listy[] = {D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow,
                                D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho,
                                D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie};
    for (int i = 0; i < 3; ++i) {
        // A box stands in for its caption while the change is for all apartments.
        g->addWidget(pola[i], i, 0);
        g->addWidget(podpisy[i], i, 0);
        g->addWidget(listy[i], i, 1);
        connect(pola[i], &QCheckBox::clicked, this, &TForm_Panel_Edycji::D1_Zmiana_ustawien_ComboBoxClick);
    }
    v->addLayout(g);

    Przyciski_Strony(v, "D1_Button_Zatwierdz_zmiane_ustawien_dzwonkow", "D1_Button_Anuluj_zmiane_ustawien_dzwonkow",
                     D1_Button_Zatwierdz_zmiane_ustawien_dzwonkow, D1_Button_Anuluj_zmiane_ustawien_dzwonkow,
                     &TForm_Panel_Edycji::D1_Button_Zatwierdz_zmiane_ustawien_dzwonkowClick,
                     &TForm_Panel_Edycji::D1_Button_Anuluj_zmiane_ustawien_dzwonkowClick);
}

QGroupBox *TForm_Panel_Edycji::Grupa_Strony(int Nr_Panelu) const
{
    switch (Nr_Panelu) {
    case 1: return GroupBox1;
    case 3: return GroupBox3;
    case 4: return GroupBox4;
    case 5: return GroupBox5;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------------------------
// Frame

void TForm_Panel_Edycji::Ustaw_Formatke_Panelow_Edycji(int Nr_Panelu)
{
    m_tag = Nr_Panelu;
    // The group is measured with the texts it will show.
    Ustaw_Teksty_Strony();
    Dopasuj_Rozmiar();
}

void TForm_Panel_Edycji::Dopasuj_Rozmiar()
{
    QGroupBox *grupa = Grupa_Strony(m_tag);
    if (!grupa)
        return;
    grupa->adjustSize();
    grupa->move(Margines, Margines);
    const QSize rozmiar(grupa->width() + 2 * Margines, grupa->height() + 2 * Margines);
    if (minimumSize() != rozmiar || maximumSize() != rozmiar)
        setFixedSize(rozmiar);
    QRect ramka = frameGeometry();
    ramka.moveCenter(m_main->frameGeometry().center());
    move(ramka.topLeft());
}

int TForm_Panel_Edycji::Pokaz_Modalnie()
{
    setResult(QDialog::Rejected);
    if (!g_runner)
        return exec();
    show();
    g_runner(*this);
    if (isVisible())
        reject();
    return result();
}

void TForm_Panel_Edycji::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_Panel_Edycji::FormShow()
{
    for (int nr : {1, 3, 4, 5}) {
        if (QGroupBox *g = Grupa_Strony(nr))
            g->setVisible(nr == m_tag);
    }
    Ustaw_Teksty_Strony();
    switch (m_tag) {
    case 1:
        D1_Edit_Ustawienia_Kodow_kod_lokalu->setFocus();
        break;
    case 3:
        Pokaz_Strone_Parametrow();
        break;
    case 4:
        D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow->setFocus();
        break;
    default:
        break;
    }
    Dopasuj_Rozmiar();
}

void TForm_Panel_Edycji::Ustaw_Teksty_Strony()
{
    switch (m_tag) {
    case 1:
        Label218->setText(WJ(550));
        Label223->setText(WJ(551));
        Label230->setText(WJ(552));
        D1_Label_Ustawienia_Kodow_Napis->setText(WJ(553));
        D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokalu->setText(WJ(554));
        D1_Button_Anuluj_zmiane_ustawien_kodu_lokalu->setText(WJ(555));
        D1_Button_Anuluj_zmiane_ustawien_kodu_lokalu->setDefault(true);
        break;
    case 3:
        Ustaw_Teksty_Parametrow();
        break;
    case 4:
        Ustaw_Teksty_Dzwonkow();
        break;
    default:
        break;
    }
}

bool TForm_Panel_Edycji::D1_Edit_Ustawienia_Kodow_kod_lokaluKeyPress(QChar key)
{
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QChar(8);
}

bool TForm_Panel_Edycji::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && (watched == D1_Edit_Ustawienia_Kodow_kod_lokalu || watched == D1_Edit_Parametry_Haslo_Instalatora
            || watched == D1_Edit_Parametry_Kod_Administratora)) {
        const QString tekst = static_cast<QKeyEvent *>(event)->text();
        // Only typed characters are filtered: Enter, Escape, Tab, the editing keys and
        // the shortcuts carry control characters and keep their usual work.
        if (!tekst.isEmpty() && tekst.at(0).isPrint() && !D1_Edit_Ustawienia_Kodow_kod_lokaluKeyPress(tekst.at(0)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------
// Page 1: apartment code

bool TForm_Panel_Edycji::Wczytaj_Strone_Kodu()
{
    const QString wybrany = m_main->D1_Label_Numer_Lokalu_Kody->text();
    if (wybrany == WJ(57))
        return false;
    bool ok = false;
    const int n = wybrany.toInt(&ok);
    if (!ok || n < 1 || n > 64)
        return false;
    D1_Label_Ustawienia_Kodow_Nr_Lokalu->setText(wybrany);
    D1_Edit_Ustawienia_Kodow_kod_lokalu->setText(m_main->Zakladka().Kod_Lokalu(n));
    return true;
}

void TForm_Panel_Edycji::D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokaluClick()
{
    const QString kod = Uzupelnij_Zerami(D1_Edit_Ustawienia_Kodow_kod_lokalu->text(), 4);
    D1_Edit_Ustawienia_Kodow_kod_lokalu->setText(kod);
    // The current cell is the apartment that was double-clicked; a fixed cell or one
    // of the cells without an apartment never takes a code.
    const QModelIndex komorka = m_main->D1_StringGrid_Kody_Lokali->currentIndex();
    const int n = SettingsTab::Lokal_Komorki_Kodu(komorka.column(), komorka.row());
    if (komorka.isValid() && komorka.row() >= 1 && komorka.column() >= 1 && n >= 1 && n <= 64)
        m_main->Zakladka().D1_StringGrid_Kody_Lokali.setCell(komorka.column(), komorka.row(), kod);
    accept();
    m_main->D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(m_main->Nr_wersji_Tablicy);
}

void TForm_Panel_Edycji::D1_Button_Anuluj_zmiane_ustawien_kodu_lokaluClick()
{
    reject();
}

// ---------------------------------------------------------------------------------
// Page 3: unit parameters

void TForm_Panel_Edycji::Wczytaj_Strone_Parametrow()
{
    SettingsTab &tab = m_main->Zakladka();
    const bool opcja6Nie = tab.ItemIndex(SettingsTab::Opcja(6)) == 0;
    D1_ComboBox_Parametry_Zakres_Od->setCurrentIndex(Liczba(tab.Parametr(1)) - 1);
    int doPozycja = Liczba(tab.Parametr(2)) - 1;
    if (opcja6Nie && doPozycja > 31)
        doPozycja = 31;
    D1_ComboBox_Parametry_Zakres_Do->setCurrentIndex(doPozycja);
    D1_ComboBox_Parametry_Przesuniecie->setCurrentIndex(Liczba(tab.Parametr(3)));
    int zamek = Liczba(tab.Parametr(4));
    if (zamek == 10)
        zamek = 0;
    D1_ComboBox_Parametry_Czas_zamka->setCurrentIndex(zamek);
    D1_ComboBox_Parametry_Opoznienie->setCurrentIndex(Liczba(tab.Parametr(5)) / 10);
    D1_Edit_Parametry_Haslo_Instalatora->setText(tab.Parametr(6));
    D1_ComboBox_Ton_dzw->setCurrentIndex(Liczba(tab.Parametr(8)) - 1);
    D1_ComboBox_Liczba_dzw->setCurrentIndex(Liczba(tab.Parametr(9)) - 1);
    D1_ComboBox_Przerwa_mdzw->setCurrentIndex(Liczba(tab.Parametr(10)));
    if (tab.Parametr(7) == WJ(214)) {
        D1_CheckBox_Kod_Administratora->setChecked(false);
        D1_Edit_Parametry_Kod_Administratora->hide();
        // A hidden field keeps nothing from an earlier visit that could refuse the
        // confirmation without the user seeing why.
        D1_Edit_Parametry_Kod_Administratora->setText(QStringLiteral("000000"));
    } else {
        D1_CheckBox_Kod_Administratora->setChecked(true);
        D1_Edit_Parametry_Kod_Administratora->show();
        D1_Edit_Parametry_Kod_Administratora->setText(tab.Parametr(7));
    }
}

void TForm_Panel_Edycji::Pokaz_Strone_Parametrow()
{
    const QModelIndex biezaca = m_main->D1_StringGrid_Parametry->currentIndex();
    QWidget *fokus = nullptr;
    switch (biezaca.isValid() ? biezaca.row() : -1) {
    case 1: fokus = D1_ComboBox_Parametry_Zakres_Od; break;
    case 2: fokus = D1_ComboBox_Parametry_Zakres_Do; break;
    case 3: fokus = D1_ComboBox_Parametry_Przesuniecie; break;
    case 4: fokus = D1_ComboBox_Parametry_Czas_zamka; break;
    case 5: fokus = D1_ComboBox_Parametry_Opoznienie; break;
    case 6: fokus = D1_Edit_Parametry_Haslo_Instalatora; break;
    case 7:
        fokus = m_main->Zakladka().Parametr(7) == WJ(214)
                    ? static_cast<QWidget *>(D1_CheckBox_Kod_Administratora)
                    : static_cast<QWidget *>(D1_Edit_Parametry_Kod_Administratora);
        break;
    case 8: fokus = D1_ComboBox_Ton_dzw; break;
    default: break;
    }
    if (fokus)
        fokus->setFocus();
    Etykiety_w_okienku_zmiany_parametrow();
}

void TForm_Panel_Edycji::Ustaw_Teksty_Parametrow()
{
    Label231->setText(WJ(620));
    GroupBox6->setTitle(WJ(621));
    Label3->setText(WJ(622));
    Label4->setText(WJ(623));
    GroupBox8->setTitle(WJ(624));
    Label236->setText(WJ(625));
    Label13->setText(WJ(626));
    GroupBox7->setTitle(WJ(630));
    Label9->setText(WJ(635));
    Label237->setText(WJ(636));
    Label238->setText(WJ(637));
    Label239->setText(WJ(638));
    D1_CheckBox_Kod_Administratora->setText(WJ(639));
    Label1->setText(WJ(640));
    Label2->setText(WJ(641));
    Label5->setText(WJ(642));
    D1_Button_Zatwierdz_zmiane_Parametrow->setText(WJ(645));
    D1_Button_Anuluj_zmiane_Parametrow->setText(WJ(646));
    D1_Button_Anuluj_zmiane_Parametrow->setDefault(true);
    // The preview grows with the numbers; keep room for the longest so nothing is cut.
    Label8->setMinimumWidth(Label8->fontMetrics().horizontalAdvance(
        WJ(632) + WJ(633) + QStringLiteral(" 999 ") + WJ(634) + QStringLiteral(" 999")));
}

void TForm_Panel_Edycji::Etykiety_w_okienku_zmiany_parametrow()
{
    const int od = D1_ComboBox_Parametry_Zakres_Od->currentIndex() + 1;
    int do_ = D1_ComboBox_Parametry_Zakres_Do->currentIndex() + 1;
    const int s = D1_ComboBox_Parametry_Przesuniecie->currentIndex();
    if (999 - s < od) {
        D1_ComboBox_Parametry_Zakres_Od->setEnabled(true);
        D1_ComboBox_Parametry_Zakres_Do->setEnabled(false);
        Label8->setText(WJ(632) + WJ(647));
        Kolor_Tekstu(Label8, Czerwony);
        return;
    }
    if (999 - s < do_) {
        D1_ComboBox_Parametry_Zakres_Do->setCurrentIndex(998 - s);
        do_ = 999 - s;
    }
    D1_ComboBox_Parametry_Zakres_Od->setEnabled(true);
    D1_ComboBox_Parametry_Zakres_Do->setEnabled(true);
    Label8->setText(WJ(632) + WJ(633) + QLatin1Char(' ') + QString::number(od + s) + QLatin1Char(' ') + WJ(634)
                    + QLatin1Char(' ') + QString::number(do_ + s));
    Kolor_Tekstu(Label8, Czarny);
}

void TForm_Panel_Edycji::D1_ComboBox_Parametry_Zakres_OdChange()
{
    if (D1_ComboBox_Parametry_Zakres_Od->currentIndex() >= D1_ComboBox_Parametry_Zakres_Do->currentIndex())
        D1_ComboBox_Parametry_Zakres_Od->setCurrentIndex(D1_ComboBox_Parametry_Zakres_Do->currentIndex());
    Etykiety_w_okienku_zmiany_parametrow();
}

void TForm_Panel_Edycji::D1_ComboBox_Parametry_Zakres_DoChange()
{
    if (m_main->Zakladka().ItemIndex(SettingsTab::Opcja(6)) == 0 && D1_ComboBox_Parametry_Zakres_Do->currentIndex() > 31)
        D1_ComboBox_Parametry_Zakres_Do->setCurrentIndex(31);
    if (D1_ComboBox_Parametry_Zakres_Od->currentIndex() > D1_ComboBox_Parametry_Zakres_Do->currentIndex())
        D1_ComboBox_Parametry_Zakres_Od->setCurrentIndex(D1_ComboBox_Parametry_Zakres_Do->currentIndex());
    Etykiety_w_okienku_zmiany_parametrow();
}

void TForm_Panel_Edycji::D1_ComboBox_Parametry_Zakres_przeChange()
{
    Etykiety_w_okienku_zmiany_parametrow();
}

void TForm_Panel_Edycji::D1_ComboBox_Parametry_Czas_zamkaChange()
{
    // Lock time and delay share one byte: 250 s leaves room for a units digit of 5 at most.
    if (D1_ComboBox_Parametry_Czas_zamka->currentIndex() >= 6 && D1_ComboBox_Parametry_Opoznienie->currentIndex() == 25) {
        m_main->MessageBox(WJ(662), QString(), 0x30);
        D1_ComboBox_Parametry_Opoznienie->setCurrentIndex(24);
    }
}

void TForm_Panel_Edycji::D1_ComboBox_Parametry_OpoznienieChange()
{
    if (D1_ComboBox_Parametry_Czas_zamka->currentIndex() >= 6 && D1_ComboBox_Parametry_Opoznienie->currentIndex() == 25) {
        m_main->MessageBox(WJ(663), QString(), 0x30);
        D1_ComboBox_Parametry_Czas_zamka->setCurrentIndex(5);
    }
}

void TForm_Panel_Edycji::D1_CheckBox_Kod_AdministratoraClick()
{
    D1_Edit_Parametry_Kod_Administratora->setVisible(D1_CheckBox_Kod_Administratora->isChecked());
    D1_Edit_Parametry_Kod_Administratora->setText(QStringLiteral("000000"));
}

void TForm_Panel_Edycji::D1_Button_Zatwierdz_zmiane_ParametrowClick()
{
    if (Label8->text() == WJ(632) + WJ(647)) {
        m_main->MessageBox(WJ(660), QString(), 0x30);
        return;
    }
    if (D1_Edit_Parametry_Kod_Administratora->text().left(4) == QLatin1String("2846")) {
        m_main->MessageBox(WJ(661), QString(), 0x30);
        return;
    }
    SettingsTab &tab = m_main->Zakladka();
    tab.Ustaw_Parametr(1, QString::number(D1_ComboBox_Parametry_Zakres_Od->currentIndex() + 1));
    tab.Ustaw_Parametr(2, QString::number(D1_ComboBox_Parametry_Zakres_Do->currentIndex() + 1));
    tab.Ustaw_Parametr(3, QString::number(D1_ComboBox_Parametry_Przesuniecie->currentIndex()));
    const int zamek = D1_ComboBox_Parametry_Czas_zamka->currentIndex();
    tab.Ustaw_Parametr(4, QString::number(zamek == 0 ? 10 : zamek));
    tab.Ustaw_Parametr(5, QString::number(10 * D1_ComboBox_Parametry_Opoznienie->currentIndex()));
    const QString haslo = Uzupelnij_Zerami(D1_Edit_Parametry_Haslo_Instalatora->text(), 4);
    D1_Edit_Parametry_Haslo_Instalatora->setText(haslo);
    tab.Ustaw_Parametr(6, haslo);
    const QString kod = D1_CheckBox_Kod_Administratora->isChecked()
                            ? Uzupelnij_Zerami(D1_Edit_Parametry_Kod_Administratora->text(), 6)
                            : WJ(214);
    D1_Edit_Parametry_Kod_Administratora->setText(kod);
    tab.Ustaw_Parametr(7, kod);
    tab.Ustaw_Parametr(8, QString::number(D1_ComboBox_Ton_dzw->currentIndex() + 1));
    tab.Ustaw_Parametr(9, QString::number(D1_ComboBox_Liczba_dzw->currentIndex() + 1));
    tab.Ustaw_Parametr(10, QString::number(D1_ComboBox_Przerwa_mdzw->currentIndex()));
    accept();
    // The description lines quote the lock time.
    m_main->D1_Ustawienia_labeli_opisu_funkcji_modulow_we_wy();
    m_main->D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(m_main->Nr_wersji_Tablicy);
}

void TForm_Panel_Edycji::D1_Button_Anuluj_zmiane_ParametrowClick()
{
    reject();
}

// ---------------------------------------------------------------------------------
// Page 4: ringing settings

void TForm_Panel_Edycji::Przygotuj_Strone_Dzwonkow_Lokalu()
{
    for (QCheckBox *b : {CheckBox_Podzw, CheckBox_GlCi, CheckBox_LDzw})
        b->hide();
    for (QLabel *l : {Label22, Label35, Label36})
        l->show();
    for (QComboBox *c : {D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow, D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho,
                         D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie})
        c->setEnabled(true);
}

bool TForm_Panel_Edycji::Wczytaj_Strone_Dzwonkow(int lokal)
{
    if (lokal < 1 || lokal > 64)
        return false;
    // Also after the global form was cancelled and the same cell is double-clicked again.
    Przygotuj_Strone_Dzwonkow_Lokalu();
    D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany->setText(WJ(580));
    D1_Label_Ustawienia_Dzwonkow2_Tytul_okienka_zmiany->setText(WJ(582));
    Label33->show();
    Bevel1->show();
    Label37->show();
    D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu->setText(QString::number(lokal));
    const SettingsTab &tab = m_main->Zakladka();
    QComboBox *listy[] = {D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow,
                                D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho,
                                D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie};
    for (int a = 0; a < 3; ++a)
        listy[a]->setCurrentIndex(Liczba(tab.Dzwonek(lokal, a).mid(2)));
    return true;
}

void TForm_Panel_Edycji::Wczytaj_Strone_Dzwonkow_Globalnie()
{
    D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany->setText(WJ(581));
    D1_Label_Ustawienia_Dzwonkow2_Tytul_okienka_zmiany->setText(WJ(582));
    // Label37 carries the caption and the number, Bevel1 frames it.
    Label33->hide();
    Bevel1->hide();
    Label37->hide();
    for (QCheckBox *b : {CheckBox_Podzw, CheckBox_GlCi, CheckBox_LDzw})
        b->show();
    for (QLabel *l : {Label22, Label35, Label36})
        l->hide();
    CheckBox_Podzw->setChecked(false);
    CheckBox_GlCi->setChecked(false);
    CheckBox_LDzw->setChecked(true);
    // An empty number is how the confirmation knows the change is for all apartments.
    D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu->clear();
    for (QComboBox *c : {D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow, D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho,
                         D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie})
        c->setCurrentIndex(1);
    D1_Zmiana_ustawien_ComboBoxClick();
}

void TForm_Panel_Edycji::Ustaw_Teksty_Dzwonkow()
{
    Label33->setText(WJ(583));
    Label22->setText(WJ(584));
    Label35->setText(WJ(586));
    Label36->setText(WJ(587));
    CheckBox_LDzw->setText(WJ(584));
    CheckBox_GlCi->setText(WJ(586));
    CheckBox_Podzw->setText(WJ(587));
    // setItemText keeps the selected item.
    D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho->setItemText(0, WJ(588));
    D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho->setItemText(1, WJ(589));
    D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie->setItemText(0, WJ(590));
    D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie->setItemText(1, WJ(591));
    D1_Button_Zatwierdz_zmiane_ustawien_dzwonkow->setText(WJ(592));
    D1_Button_Anuluj_zmiane_ustawien_dzwonkow->setText(WJ(593));
    D1_Button_Anuluj_zmiane_ustawien_dzwonkow->setDefault(true);
}

void TForm_Panel_Edycji::D1_Zmiana_ustawien_ComboBoxClick()
{
    D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow->setEnabled(CheckBox_LDzw->isChecked());
    D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho->setEnabled(CheckBox_GlCi->isChecked());
    D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie->setEnabled(CheckBox_Podzw->isChecked());
}

void TForm_Panel_Edycji::D1_Button_Zatwierdz_zmiane_ustawien_dzwonkowClick()
{
    SettingsTab &tab = m_main->Zakladka();
    const int pozycje[] = {D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow->currentIndex(),
                           D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho->currentIndex(),
                           D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie->currentIndex()};
    if (!D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu->text().isEmpty()) {
        // The apartment is the one selected in the ringing grid, as the double-click read it.
        const int n = m_main->D1_Label_Numer_Lokalu_Dzwonki->text().toInt();
        if (n >= 1 && n <= 64) {
            for (int a = 0; a < 3; ++a)
                tab.Ustaw_Dzwonek(n, a, Komorka_Dzwonka(pozycje[a]));
        }
        accept();
        return;
    }
    const bool zaznaczone[] = {CheckBox_LDzw->isChecked(), CheckBox_GlCi->isChecked(), CheckBox_Podzw->isChecked()};
    if (!zaznaczone[0] && !zaznaczone[1] && !zaznaczone[2]) {
        m_main->MessageBox(WJ(594), QString(), 0x30);
        return;
    }
    if (m_main->MessageBox(WJ(595), QString(), 0x24) == 6) {
        for (int i = 1; i <= 64; ++i)
            for (int a = 0; a < 3; ++a)
                if (zaznaczone[a])
                    tab.Ustaw_Dzwonek(i, a, Komorka_Dzwonka(pozycje[a]));
        accept();
        return;
    }
    reject();
}

void TForm_Panel_Edycji::D1_Button_Anuluj_zmiane_ustawien_dzwonkowClick()
{
    reject();
}
