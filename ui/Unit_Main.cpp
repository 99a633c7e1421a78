#include "ui/Unit_Main.h"
#include "lang/Jezyk_INI.h"
#include "lang/Teksty_WJ.h"
#include "link/MonitorUSB.h"
#include "ui/StatusBarUSB.h"
#include "ui/Unit_Panel_Edycji.h"
#include "ui/Unit_Splash.h"
#include "ui/Unit_Tabela_Kodow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

TForm_Main *Form_Main = nullptr;

namespace {
TForm_Main::MessageAnswerer g_answerer;


// Tab icons of the image list: 12 on the active tab, 11 on the others.
QIcon Ikona_Zakladki(bool aktywna)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(aktywna ? QColor(40, 160, 60) : QColor(170, 170, 170));
    p.drawEllipse(QRectF(3, 3, 10, 10));
    return QIcon(pm);
}
} // namespace

void TForm_Main::setMessageAnswerer(MessageAnswerer answerer)
{
    g_answerer = std::move(answerer);
}

int TForm_Main::MessageBox(const QString &messText, const QString &messCaption, int messFlags)
{
    const QString caption = messCaption.isEmpty() ? Tytul_Programu : messCaption;
    if (g_answerer)
        return g_answerer(messText, caption, messFlags);

    QMessageBox box(this);
    box.setWindowTitle(caption);
    box.setText(messText);
    switch (messFlags & 0xF0) {
    case 0x10: box.setIcon(QMessageBox::Critical); break;
    case 0x20: box.setIcon(QMessageBox::Question); break;
    case 0x30: box.setIcon(QMessageBox::Warning); break;
    case 0x40: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    if ((messFlags & 0x0F) == 0x04) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? 6 : 7;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return 1;
}

TForm_Main::TForm_Main(LinkBinder bindLink, QWidget *parent)
    : QMainWindow(parent), m_bindLink(std::move(bindLink))
{
    Form_Main = this;
    setObjectName(QStringLiteral("Form_Main"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    setPalette(pal);
    QFont czcionka = font();
    czcionka.setPointSize(8);
    setFont(czcionka);
    setAutoFillBackground(true);

    Timer_Splash = new QTimer(this);
    Timer_Splash->setObjectName(QStringLiteral("Timer_Splash"));
    Timer_Splash->setInterval(1000);
    connect(Timer_Splash, &QTimer::timeout, this, &TForm_Main::Timer_SplashTimer);
    Timer_USB = new QTimer(this);
    Timer_USB->setObjectName(QStringLiteral("Timer_USB"));
    Timer_USB->setInterval(100);
    connect(Timer_USB, &QTimer::timeout, this, &TForm_Main::Timer_USBTimer);

    m_formTabelaKodow = new TForm_Tabela_Kodow(this);

    Zbuduj_Menu();
    Zbuduj_Pasek_Narzedzi();

    auto *central = new QWidget(this);
    auto *v = new QVBoxLayout(central);
    v->setContentsMargins(4, 4, 4, 0);
    v->setSpacing(4);
    v->addWidget(Zbuduj_Rzad_Grup());

    PageControl = new QTabWidget(central);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    D1_TabSheet_Ustawienia_1 = Zbuduj_Zakladke_Ustawien();
    PageControl->addTab(D1_TabSheet_Ustawienia_1, QString());
    D1_TabSheet_USB_Test = new QWidget;
    D1_TabSheet_USB_Test->setObjectName(QStringLiteral("D1_TabSheet_USB_Test"));
    PageControl->addTab(D1_TabSheet_USB_Test, QString());
    Podpisz(D1_TabSheet_USB_Test, 380);
    connect(PageControl, &QTabWidget::currentChanged, this, &TForm_Main::PageControlChange);
    v->addWidget(PageControl);
    setCentralWidget(central);

    StatusBar = new StatusBarUSB(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    v->addWidget(StatusBar);

    connect(&m_tab, &SettingsTab::itemIndexChanged, this, &TForm_Main::Pokaz_Wybor_Listy);
    // The code-table number decides the red marks: a new number repaints the codes.
    connect(&m_tab, &SettingsTab::numerTabeliChanged, this, [this] {
        D1_Label_Numer_Tabeli_kodow_lokali->setText(m_tab.Numer_Tabeli_kodow_lokali());
        D1_StringGrid_Kody_Lokali->viewport()->update();
    });

    Podlacz_Siatki();
    FormCreate();
    // The other windows, once for the whole run.
    m_formPanelEdycji = new TForm_Panel_Edycji(this);

    // Fixed size comes at the first show, once the contents are styled.
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint) &
                   ~Qt::WindowMaximizeButtonHint);
}

void TForm_Main::showEvent(QShowEvent *event)
{
    if (!m_rozmiarUstalony) {
        // The window sizes itself to its contents once they are styled, and keeps that size.
        m_rozmiarUstalony = true;
        setFixedSize(sizeHint());
        if (QScreen *s = QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
    }
    QMainWindow::showEvent(event);
}

TForm_Main::~TForm_Main()
{
    if (Form_Main == this)
        Form_Main = nullptr;
}

void TForm_Main::FormCreate()
{
    Odczytaj_Nr_Jezyka_z_INI();
    Zapisz_Nr_Jezyka();
    Wczytaj_WJ_do_tablicy();
    Ustaw_WJ_na_komponentach();

    setWindowTitle(Tytul_Programu);
    Format_Pliku_Ustawien = 4;
    Wybor_Urzadzenia(1, true);
    Nazwa_Pliku_Ustawien.clear();
    m_folderDialogow = Folder_Dialogow();

    if (m_bindLink)
        m_kabel = m_bindLink();
    if (!m_kabel.api || !m_kabel.clock) {
        Timer_USB->stop();
        MessageBox(WJ(751), QString(), 0);
        return;
    }
    m_monitor = std::make_unique<MonitorUSB>(*m_kabel.api, *m_kabel.clock);

    QFont f7 = D1_StringGrid_Kody_Lokali->font();
    f7.setPointSize(7);
    for (QWidget *w : {static_cast<QWidget *>(D1_StringGrid_Kody_Lokali),
                       static_cast<QWidget *>(D1_StringGrid_Parametry),
                       static_cast<QWidget *>(D1_StringGrid_Ustawienia_Dzwonienia),
                       static_cast<QWidget *>(StatusBar)})
        w->setFont(f7);
    m_startedUp = true;
}

void TForm_Main::Odczytaj_Nr_Jezyka_z_INI()
{
    ::Odczytaj_Nr_Jezyka_z_INI();
    // Jezyk1 is checked by design; it gives way to any other slot.
    Jezyk[Nr_Jezyka]->setChecked(true);
    if (Nr_Jezyka != 1)
        Jezyk[1]->setChecked(false);
}

void TForm_Main::Zapisz_Nr_Jezyka()
{
    const QString blad = Zapisz_Nr_Jezyka_do_INI();
    // An INI file that cannot be written is reported once; the slot stays in force.
    if (!blad.isEmpty() && !m_bladIniPokazany) {
        m_bladIniPokazany = true;
        MessageBox(blad, QString(), 0x10);
    }
}

void TForm_Main::Uruchom()
{
    m_formSplash = new TForm_Splash;
    m_formSplash->show();
    m_formSplash->repaint();
    Timer_Splash->start();
}

void TForm_Main::Timer_SplashTimer()
{
    Timer_Splash->stop();
    if (m_formSplash) {
        for (int i = 0; i <= 100; ++i) {
            const int alpha = static_cast<int>(std::lround(255 - i * 2.55));
            m_formSplash->setWindowOpacity(alpha / 255.0);
            m_formSplash->repaint();
        }
        m_formSplash->setWindowOpacity(0);
        m_formSplash->close();
        delete m_formSplash;
        m_formSplash = nullptr;
    }
    Timer_USB->start();
    Timer_USBTimer();
}

void TForm_Main::Timer_USBTimer()
{
    if (!m_monitor)
        return;
    const Wynik_Tiku_USB w = m_monitor->tick();
    if (w.odpowiedzWersji >= 0)
        Wersja_Centrali(w.odpowiedzWersji);
    StatusBar->Maluj_Lampe(QColor(w.lampka.r, w.lampka.g, w.lampka.b));
    if (w.malujWersje)
        StatusBar->Maluj_Tekst_Wersji(w.tekstWersji);
    StatusBar->Maluj_Tekst_Polaczenia(w.tekstPolaczenia);

    // A port the user may not open is said once, until it changes or the cable opens.
    const QString powod = !w.polaczenie && m_kabel.Powod_Braku_Kabla ? m_kabel.Powod_Braku_Kabla() : QString();
    if (powod != m_powodPokazany) {
        m_powodPokazany = powod;
        if (!powod.isEmpty()) {
            const bool dzialal = Timer_USB->isActive();
            Timer_USB->stop(); // no tick while the box waits
            MessageBox(powod, QString(), 0x30);
            if (dzialal)
                Timer_USB->start();
        }
    }
}

void TForm_Main::Wersja_Centrali(int odpowiedz)
{
    const int item = odpowiedz == 0x27 ? 0 : odpowiedz == 0x28 ? 1 : -1;
    if (item < 0)
        return;
    // Selecting the item runs the radio group's click, as the user's choice would.
    RadioGroup_wersja_modulu->button(item)->setChecked(true);
}

void TForm_Main::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TForm_Main::FormCloseQuery()
{
    return MessageBox(WJ(752), QString(), 0x24) == 6;
}

void TForm_Main::FormClose()
{
    // Every exchange closes the cable itself; nothing stays open between ticks.
    Timer_USB->stop();
}

void TForm_Main::Wybor_Urzadzenia(int numerUrzadzenia, bool Wyczysc_zawartosc)
{
    Numer_Urzadzenia = numerUrzadzenia;
    int pierwsza = 0;
    int ostatnia = 0;
    if (Numer_Urzadzenia == 1) {
        ostatnia = Tryb_Admin ? 1 : 0;
        m_formTabelaKodow->Pokaz_Przycisk_Generuj(Tryb_Admin || Tryb_Kody);
        Nr_wersji_Tablicy = 39;
        if (Wyczysc_zawartosc) {
            D1_Nanies_Opisy_StringGridow();
            D1_Wyczysc_Zakladki(true, true, true, false);
        }
        D1_Wyczysc_Zakladki(false, false, false, true);
    }
    for (int t = 0; t < PageControl->count(); ++t)
        PageControl->setTabVisible(t, t >= pierwsza && t <= ostatnia);
    PageControl->setCurrentIndex(pierwsza);
    m_zakladkaAktywna = pierwsza;
    Ustaw_Ikony_Zakladek();
}

void TForm_Main::Ustaw_Ikony_Zakladek()
{
    for (int t = 0; t < PageControl->count(); ++t)
        PageControl->setTabIcon(t, Ikona_Zakladki(t == PageControl->currentIndex()));
}

void TForm_Main::PageControlChange(int index)
{
    // A change of tab is refused while a transfer holds the window.
    if (Blokada_Wlaczona && index != m_zakladkaAktywna) {
        const QSignalBlocker b(PageControl);
        PageControl->setCurrentIndex(m_zakladkaAktywna);
        return;
    }
    m_zakladkaAktywna = index;
    Ustaw_Ikony_Zakladek();
}

void TForm_Main::D1_Nanies_Opisy_StringGridow()
{
    m_tab.D1_Nanies_Opisy_StringGridow();
}

void TForm_Main::D1_Wyczysc_Zakladki(bool Zak_1, bool, bool, bool)
{
    if (!Zak_1)
        return;
    m_formTabelaKodow->D1_odswierz_tabele_kodow();
    D1_Edit_Krotki_Opis->clear();
    m_tab.Wyczysc_Ustawienia(RadioGroup_wersja_modulu->checkedId());
    RadioGroup_wersja_moduluClick(); // option 3's caption
    D1_Ustawienia_labeli_opisu_funkcji_modulow_we_wy();
}

void TForm_Main::D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(int Nr_wersji_Tablicy)
{
    m_tab.D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(m_dane, Nr_wersji_Tablicy);
    D1_Ustawienia_labeli_opisu_funkcji_modulow_we_wy();
}

bool TForm_Main::D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(int Nr_wersji_Tablicy)
{
    return m_tab.D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(m_dane, Nr_wersji_Tablicy);
}

void TForm_Main::D1_Ustawienia_labeli_opisu_funkcji_modulow_we_wy()
{
    for (int port = 1; port <= 2; ++port) {
        const auto linie = m_tab.Opis_Funkcji_Portu(port);
        auto &etykiety = port == 1 ? D1_Label_port_P1_opis_funkcji : D1_Label_port_P2_opis_funkcji;
        etykiety[0]->setText(linie[0]);
        etykiety[1]->setText(linie[1]);
    }
}

void TForm_Main::RadioGroup_wersja_moduluClick()
{
    const int item = RadioGroup_wersja_modulu->checkedId();
    const int etykieta = SettingsTab::Etykieta_Opcji_3(item);
    if (etykieta < 0)
        return;
    Label8->setText(WJ(etykieta));
    m_tab.setItemIndex(SettingsTab::Parametry_centrali_bit_3, item);
}

void TForm_Main::Jezyk_Click(int slot)
{
    for (int i = 0; i < 6; ++i)
        Jezyk[i]->setChecked(i == slot);
    Nr_Jezyka_Poprzedni = Nr_Jezyka;
    Nr_Jezyka = slot;
    Ustaw_WJ_na_komponentach();
    Zapisz_Nr_Jezyka();
}

void TForm_Main::Podpisz(QObject *control, int index, bool spaced)
{
    m_podpisy.push_back({control, index, spaced});
}

void TForm_Main::Ustaw_Pozycje_Tak_Nie()
{
    for (int k = 1; k <= 8; ++k) {
        QComboBox *c = m_combos[SettingsTab::Opcja(k)];
        const QSignalBlocker b(c);
        c->setItemText(0, WJ(179));
        c->setItemText(1, WJ(180));
    }
}

void TForm_Main::Ustaw_WJ_na_komponentach()
{
    for (const Podpis &p : m_podpisy) {
        if (!p.control)
            continue;
        const QString text = p.spaced ? QLatin1Char(' ') + WJ(p.index) + QLatin1Char(' ') : WJ(p.index);
        if (auto *a = qobject_cast<QAction *>(p.control))
            a->setText(text);
        else if (auto *m = qobject_cast<QMenu *>(p.control))
            m->setTitle(text);
        else if (auto *g = qobject_cast<QGroupBox *>(p.control))
            g->setTitle(text);
        else if (auto *l = qobject_cast<QLabel *>(p.control))
            l->setText(text);
        else if (auto *b = qobject_cast<QAbstractButton *>(p.control))
            b->setText(text);
        else if (auto *w = qobject_cast<QWidget *>(p.control)) {
            const int t = PageControl ? PageControl->indexOf(w) : -1;
            if (t >= 0)
                PageControl->setTabText(t, text);
        }
    }
    D1_Label_Numer_Lokalu_Kody->setText(WJ(57));
    D1_StringGrid_Kody_Lokali->viewport()->update();
    D1_Ustawienia_labeli_opisu_funkcji_modulow_we_wy();
    D1_Label_Otwieranie_lub_dzwonienie->setText(WJ(m_tab.Etykieta_Wejscia_dodatkowego()));
    RadioGroup_wersja_moduluClick();
    Ustaw_Pozycje_Tak_Nie();
    if (m_tab.Parametr(7) == Teksty_WJ(Nr_Jezyka_Poprzedni, 214))
        m_tab.Ustaw_Parametr(7, WJ(214));
    D1_Label_Numer_Lokalu_Dzwonki->setText(WJ(284));
    D1_StringGrid_Ustawienia_Dzwonienia->viewport()->update();
    D1_Nanies_Opisy_StringGridow();
}

void TForm_Main::Zbuduj_Menu()
{
    auto akcja = [this](const char *name, int index) {
        auto *a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        if (index >= 0)
            Podpisz(a, index);
        return a;
    };
    Action_Plik_Nowe_ustawienia = akcja("Action_Plik_Nowe_ustawienia", 1);
    Action_Plik_Nowe_ustawienia->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    Action_Plik_Otworz_ustawienia = akcja("Action_Plik_Otworz_ustawienia", 2);
    Action_Plik_Otworz_ustawienia->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    Action_Plik_Zapisz_ustawienia = akcja("Action_Plik_Zapisz_ustawienia", 3);
    Action_Plik_Zapisz_ustawienia->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    Action_Plik_Zapisz_jako_ustawienia = akcja("Action_Plik_Zapisz_jako_ustawienia", 4);
    Action_Plik_Zamknij = akcja("Action_Plik_Zamknij", 5);
    connect(Action_Plik_Zamknij, &QAction::triggered, this, &QWidget::close);
    connect(Action_Plik_Nowe_ustawienia, &QAction::triggered, this, &TForm_Main::Action_Plik_Nowe_ustawieniaExecute);
    connect(Action_Plik_Otworz_ustawienia, &QAction::triggered, this,
            &TForm_Main::Action_Plik_Otworz_ustawieniaExecute);
    connect(Action_Plik_Zapisz_ustawienia, &QAction::triggered, this,
            &TForm_Main::Action_Plik_Zapisz_ustawieniaExecute);
    connect(Action_Plik_Zapisz_jako_ustawienia, &QAction::triggered, this,
            &TForm_Main::Action_Plik_Zapisz_jako_ustawieniaExecute);
    Action_Opcje_Admin = akcja("Action_Opcje_Admin", 11);
    Action_Opcje_Admin->setEnabled(false);
    // The device actions are not on a menu; their captions are their names.
    Action_VORU_odczytaj_ustawienia = akcja("Action_VORU_odczytaj_ustawienia", -1);
    Action_VORU_odczytaj_ustawienia->setText(Action_VORU_odczytaj_ustawienia->objectName());
    Action_VORU_zapisz_ustawienia = akcja("Action_VORU_zapisz_ustawienia", -1);
    Action_VORU_zapisz_ustawienia->setText(Action_VORU_zapisz_ustawienia->objectName());
    connect(Action_VORU_odczytaj_ustawienia, &QAction::triggered, this,
            &TForm_Main::Action_VORU_odczytaj_ustawieniaExecute);
    connect(Action_VORU_zapisz_ustawienia, &QAction::triggered, this,
            &TForm_Main::Action_VORU_zapisz_ustawieniaExecute);

    QMenuBar *mb = menuBar();
    Menu_Plik = mb->addMenu(QString());
    Menu_Plik->setObjectName(QStringLiteral("Plik"));
    Podpisz(Menu_Plik, 0);
    Menu_Plik->addAction(Action_Plik_Nowe_ustawienia);
    Menu_Plik->addAction(Action_Plik_Otworz_ustawienia);
    Menu_Plik->addAction(Action_Plik_Zapisz_ustawienia);
    Menu_Plik->addAction(Action_Plik_Zapisz_jako_ustawienia);
    Menu_Plik->addSeparator()->setObjectName(QStringLiteral("N1"));
    Menu_Plik->addAction(Action_Plik_Zamknij);

    Menu_Opcje1 = mb->addMenu(QString());
    Menu_Opcje1->setObjectName(QStringLiteral("Opcje1"));
    Podpisz(Menu_Opcje1, 10);
    Menu_Opcje1->addAction(Action_Opcje_Admin);

    Menu_Jezyk = mb->addMenu(QString());
    Menu_Jezyk->setObjectName(QStringLiteral("Jezyk"));
    Podpisz(Menu_Jezyk, 20);
    auto *grupa = new QActionGroup(this);
    grupa->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (int i = 0; i < 6; ++i) {
        Jezyk[i] = akcja(qPrintable(QStringLiteral("Jezyk%1").arg(i)), 21 + i);
        Jezyk[i]->setCheckable(true);
        grupa->addAction(Jezyk[i]);
        connect(Jezyk[i], &QAction::triggered, this, [this, i] { Jezyk_Click(i); });
    }
    Jezyk[1]->setChecked(true);
    for (int i : {1, 4, 2, 0, 3, 5})
        Menu_Jezyk->addAction(Jezyk[i]);
    for (int i : {2, 3, 4}) {
        Jezyk[i]->setVisible(false);
        Jezyk[i]->setEnabled(false);
    }
    Jezyk[5]->setEnabled(false);

    Menu_Info1 = mb->addMenu(QStringLiteral("Info"));
    Menu_Info1->setObjectName(QStringLiteral("Info1"));
    OUSB1 = akcja("OUSB1", 27);
    Dodatkowe1 = akcja("Dodatkowe1", 28);
    About1 = akcja("About1", 29);
    Sprwersj2 = akcja("Sprwersj2", 18);
    for (QAction *a : {OUSB1, Dodatkowe1, About1, Sprwersj2})
        Menu_Info1->addAction(a);
}

void TForm_Main::Zbuduj_Pasek_Narzedzi()
{
    auto *tb = new QToolBar(this);
    tb->setObjectName(QStringLiteral("ToolBar"));
    tb->setMovable(false);
    tb->setFloatable(false);
    tb->setIconSize(QSize(16, 16));
    tb->addAction(Action_Plik_Nowe_ustawienia);
    tb->addAction(Action_Plik_Otworz_ustawienia);
    tb->addAction(Action_Plik_Zapisz_ustawienia);
    tb->widgetForAction(Action_Plik_Nowe_ustawienia)->setObjectName(QStringLiteral("ToolButton_Plik_Nowy"));
    tb->widgetForAction(Action_Plik_Otworz_ustawienia)
        ->setObjectName(QStringLiteral("ToolButton_Plik_Otworz_Ustawienia"));
    tb->widgetForAction(Action_Plik_Zapisz_ustawienia)
        ->setObjectName(QStringLiteral("ToolButton_Plik_Zapisz_ustawienia_do_pliku"));
    auto *spacer = new QWidget(tb);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tb->addWidget(spacer);
    Label1 = new QLabel(tb);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setContentsMargins(0, 0, 8, 0);
    Podpisz(Label1, 44);
    tb->addWidget(Label1);
    addToolBar(Qt::TopToolBarArea, tb);
}

QWidget *TForm_Main::Zbuduj_Rzad_Grup()
{
    auto *row = new QWidget;
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);

    auto *pliki = new QGroupBox(row);
    pliki->setObjectName(QStringLiteral("GroupBox_Operacje_Na_Plikach"));
    Podpisz(pliki, 30);
    auto *pl = new QGridLayout(pliki);
    int i = 0;
    const char *nazwy[] = {"Button_Nowe_Ustawienia", "Button_Otworz_Ustawienia", "Button_Zapisz_Ustawienia",
                           "Button_Zapisz_Jako_Ustawienia"};
    for (QAction *a : {Action_Plik_Nowe_ustawienia, Action_Plik_Otworz_ustawienia,
                       Action_Plik_Zapisz_ustawienia, Action_Plik_Zapisz_jako_ustawienia}) {
        auto *b = new QToolButton(pliki);
        b->setObjectName(QString::fromLatin1(nazwy[i]));
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        pl->addWidget(b, i / 2, i % 2);
        ++i;
    }
    h->addWidget(pliki);

    RadioGroup_wersja_modulu_Box = new QGroupBox(row);
    RadioGroup_wersja_modulu_Box->setObjectName(QStringLiteral("RadioGroup_wersja_modulu"));
    Podpisz(RadioGroup_wersja_modulu_Box, 85);
    auto *rl = new QVBoxLayout(RadioGroup_wersja_modulu_Box);
    RadioGroup_wersja_modulu = new QButtonGroup(RadioGroup_wersja_modulu_Box);
    const char *items[] = {"VODU39", "RIVO40"};
    for (int k = 0; k < 2; ++k) {
        auto *r = new QRadioButton(QString::fromLatin1(items[k]), RadioGroup_wersja_modulu_Box);
        RadioGroup_wersja_modulu->addButton(r, k);
        rl->addWidget(r);
    }
    RadioGroup_wersja_modulu->button(1)->setChecked(true);
    connect(RadioGroup_wersja_modulu, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            RadioGroup_wersja_moduluClick();
    });
    h->addWidget(RadioGroup_wersja_modulu_Box);

    auto *voru = new QGroupBox(row);
    voru->setObjectName(QStringLiteral("GroupBox_Zapisz_Odczyt_VORU"));
    Podpisz(voru, 40);
    auto *vl = new QGridLayout(voru);
    Label17 = new QLabel(voru);
    Label17->setObjectName(QStringLiteral("Label17"));
    Podpisz(Label17, 41);
    Edit_Haslo_Instalatora = new QLineEdit(QStringLiteral("28460000"), voru);
    Edit_Haslo_Instalatora->setObjectName(QStringLiteral("Edit_Haslo_Instalatora"));
    Edit_Haslo_Instalatora->setMaxLength(8);
    Edit_Haslo_Instalatora->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit_Haslo_Instalatora));
    Edit_Haslo_Instalatora->setFixedWidth(80);
    auto *odczyt = new QPushButton(voru);
    odczyt->setObjectName(QStringLiteral("Button_Odczytaj_Dane_Podstawowe"));
    Podpisz(odczyt, 42);
    connect(odczyt, &QPushButton::clicked, Action_VORU_odczytaj_ustawienia, &QAction::trigger);
    auto *zapis = new QPushButton(voru);
    zapis->setObjectName(QStringLiteral("Button_Zapisz_Dane_Podstawowe"));
    Podpisz(zapis, 43);
    connect(zapis, &QPushButton::clicked, Action_VORU_zapisz_ustawienia, &QAction::trigger);
    Gauge_VORU = new QProgressBar(voru);
    Gauge_VORU->setObjectName(QStringLiteral("Gauge_VORU"));
    Gauge_VORU->setRange(0, 32);
    Gauge_VORU->setValue(0);
    Gauge_VORU->setTextVisible(false);
    Gauge_VORU->setFixedHeight(10);
    vl->addWidget(Label17, 0, 0);
    vl->addWidget(Edit_Haslo_Instalatora, 0, 1, Qt::AlignRight);
    vl->addWidget(odczyt, 1, 0);
    vl->addWidget(zapis, 1, 1);
    vl->addWidget(Gauge_VORU, 2, 0, 1, 2);
    vl->setColumnStretch(0, 1);
    vl->setColumnStretch(1, 1);
    h->addWidget(voru, 1);
    return row;
}

void TForm_Main::Otworz_Strone_Kodu()
{
    if (!m_formPanelEdycji->Wczytaj_Strone_Kodu())
        return;
    m_formPanelEdycji->Ustaw_Formatke_Panelow_Edycji(1);
    m_formPanelEdycji->Pokaz_Modalnie();
}

void TForm_Main::Otworz_Strone_Parametrow()
{
    m_formPanelEdycji->Wczytaj_Strone_Parametrow();
    m_formPanelEdycji->Ustaw_Formatke_Panelow_Edycji(3);
    m_formPanelEdycji->Pokaz_Modalnie();
}

void TForm_Main::Otworz_Strone_Dzwonkow(int lokal)
{
    if (lokal == 0)
        m_formPanelEdycji->Wczytaj_Strone_Dzwonkow_Globalnie();
    else if (!m_formPanelEdycji->Wczytaj_Strone_Dzwonkow(lokal))
        return;
    m_formPanelEdycji->Ustaw_Formatke_Panelow_Edycji(4);
    m_formPanelEdycji->Pokaz_Modalnie();
}

void TForm_Main::Przygotuj_Dzwonki_Pojedynczo()
{
    if (m_formPanelEdycji)
        m_formPanelEdycji->Przygotuj_Strone_Dzwonkow_Lokalu();
}
