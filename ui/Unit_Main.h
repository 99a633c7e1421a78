#pragma once
#include "link/Kabel_USB.h"
#include "model/Kody_Tabeli.h"
#include "model/SettingsTab.h"
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

struct Przebieg_VORU;
class QAction;
class QActionGroup;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QTimer;
class QToolBar;
class QToolButton;
class FtdiApi;
class LinkClock;
class MonitorUSB;
class StatusBarUSB;
class TForm_Panel_Edycji;
class TForm_Splash;
class TForm_Tabela_Kodow;

// The program's title: the caption of every window and the default caption of messages.
inline const QString Tytul_Programu = QStringLiteral("VEZO v2.3");

// The main window: menu, tool bar, the row of group boxes, the tabs and the status
// bar painted by the connection monitor.
class TForm_Main : public QMainWindow
{
    Q_OBJECT
public:
    // Answers a message box instead of showing it: (text, caption, flags) -> button.
    using MessageAnswerer = std::function<int(const QString &, const QString &, int)>;
    static void setMessageAnswerer(MessageAnswerer answerer);

    // The cable as bound at start-up: its driver interface and the clock of its pauses.
    struct Kabel {
        FtdiApi *api = nullptr;
        LinkClock *clock = nullptr;
        // Why the cable could not be opened, when the user can do something about it
        // (a port they may not open); empty otherwise.
        std::function<QString()> Powod_Braku_Kabla;
    };
    // Binds the cable at start-up; a Kabel without api when it cannot be bound.
    using LinkBinder = std::function<Kabel()>;

    // Answers the open and save dialogs instead of showing them: (save, title, filter,
    // folder) -> the chosen path, empty for cancel.
    using FileDialogAnswerer = std::function<QString(bool, const QString &, const QString &, const QString &)>;
    static void setFileDialogAnswerer(FileDialogAnswerer answerer);

    explicit TForm_Main(LinkBinder bindLink = {}, QWidget *parent = nullptr);
    ~TForm_Main() override;

    // False when start-up ended with the driver message: the program must end.
    bool startedUp() const { return m_startedUp; }

    // The one way a message is shown. Flags 0x10, 0x24, 0x30, 0x34; results 1, 6, 7.
    int MessageBox(const QString &messText, const QString &messCaption, int messFlags);

    void Wybor_Urzadzenia(int numerUrzadzenia, bool Wyczysc_zawartosc);
    void D1_Nanies_Opisy_StringGridow();
    void D1_Wyczysc_Zakladki(bool Zak_1, bool Zak_2, bool Zak_3, bool Zak_Jezyki);
    void D1_Ustawienia_labeli_opisu_funkcji_modulow_we_wy();
    void Ustaw_WJ_na_komponentach();
    void Odczytaj_Nr_Jezyka_z_INI();

    // Start-up after the main window: splash, the other windows, Timer_Splash.
    void Uruchom();

    SettingsTab &Zakladka() { return m_tab; }
    // The basic-data image.
    Dane_Podstawowe &Dane() { return m_dane; }

    // The image shown in the editors, and the editors gathered into the image. The
    // gathering reports false, with the image untouched, when a cell does not hold the
    // number it must.
    void D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(int Nr_wersji_Tablicy);
    bool D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(int Nr_wersji_Tablicy);
    MonitorUSB *Monitor() const { return m_monitor.get(); }
    const Kabel &Kabel_USB() const { return m_kabel; }
    // The version byte answered by the unit selects the module version (0x27, 0x28).
    void Wersja_Centrali(int odpowiedz);
    TForm_Tabela_Kodow *Form_Tabela_Kodow() const { return m_formTabelaKodow; }
    TForm_Panel_Edycji *Form_Panel_Edycji() const { return m_formPanelEdycji; }

    int Numer_Urzadzenia = 1;
    int Nr_wersji_Tablicy = 39;
    int Format_Pliku_Ustawien = 4;
    bool Blokada_Wlaczona = false;
    bool Tryb_Admin = false;
    bool Tryb_Kody = false;
    QString Nazwa_Pliku_Ustawien;

    // Controls other windows and the tests reach.
    QTimer *Timer_Splash = nullptr;
    QTimer *Timer_USB = nullptr;
    QTabWidget *PageControl = nullptr;
    QWidget *D1_TabSheet_Ustawienia_1 = nullptr;
    QWidget *D1_TabSheet_USB_Test = nullptr;
    QButtonGroup *RadioGroup_wersja_modulu = nullptr;
    QGroupBox *RadioGroup_wersja_modulu_Box = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *D1_Label_Numer_Tabeli_kodow_lokali = nullptr;
    QLabel *D1_Label_Numer_Lokalu_Kody = nullptr;
    QLabel *D1_Label_Numer_Lokalu_Dzwonki = nullptr;
    QLabel *D1_Label_Otwieranie_lub_dzwonienie = nullptr;
    std::array<QLabel *, 2> D1_Label_port_P1_opis_funkcji{};
    std::array<QLabel *, 2> D1_Label_port_P2_opis_funkcji{};
    QLineEdit *D1_Edit_Krotki_Opis = nullptr;
    QLineEdit *Edit_Haslo_Instalatora = nullptr;
    QProgressBar *Gauge_VORU = nullptr;
    QTableView *D1_StringGrid_Kody_Lokali = nullptr;
    QTableView *D1_StringGrid_Parametry = nullptr;
    QTableView *D1_StringGrid_Ustawienia_Dzwonienia = nullptr;
    StatusBarUSB *StatusBar = nullptr;
    std::array<QAction *, 6> Jezyk{};
    QComboBox *Combo(SettingsTab::Lista lista) const { return m_combos[lista]; }

public slots:
    void Timer_USBTimer();
    void Timer_SplashTimer();
    void RadioGroup_wersja_moduluClick();

public:
    // Reading and writing the unit.
    void D1_Blokada(bool Wlaczona, bool Klepsydra);
    void D1_VORU_Odczytaj_ustawienia();
    void D1_VORU_Zapisz_ustawienia();
    void Action_VORU_odczytaj_ustawieniaExecute();
    void Action_VORU_zapisz_ustawieniaExecute();
    void Ustaw_RTS();
    void Kasuj_RTS();
    // The RTS buttons of the test page: their captions tell the line's state.
    const Przyciski_RTS &Przyciski_RTS_Stan() const { return m_przyciskiRts; }

    // Settings files.
    bool Zapis_danych_podstawowych_do_pliku();
    bool Odczyt_danych_podstawowych_z_pliku();
    void Action_Plik_Nowe_ustawieniaExecute();
    void Action_Plik_Otworz_ustawieniaExecute();
    void Action_Plik_Zapisz_ustawieniaExecute();
    void Action_Plik_Zapisz_jako_ustawieniaExecute();
    // The folder the file dialogs start in.
    static QString Folder_Dialogow();

    // The grids of the settings tab.
    void D1_StringGrid_Kody_LokaliDrawCell(QPainter *p, int c, int r, const QRect &rect);
    void D1_StringGrid_ParametryDrawCell(QPainter *p, int c, int r, const QRect &rect);
    void StringGrid1DrawCell(QPainter *p, int c, int r, const QRect &rect);
    void D1_StringGrid_Kody_LokaliEnter(QTableView *grid);
    void D1_StringGrid_Kody_LokaliExit(QTableView *grid);
    void D1_StringGrid_Kody_LokaliClick();
    void D1_StringGrid_Kody_LokaliDblClick();
    void D1_StringGrid_ParametryDblClick();
    void StringGrid1Click();
    void StringGrid1DblClick();
    // True when the key was used up by a move of whole apartments.
    bool StringGrid1KeyDown(int key);
    void D1_BitBtn_Ustawienia_Dzwonienia_Globalne1Click();
    // Digits and Backspace only.
    static bool D1_Edit_Ustawienia_Kodow_kod_lokaluKeyPress(QChar key);

    // Change handlers of the option lists, run for the user's changes only.
    void Lista_Zmieniona(SettingsTab::Lista lista);
    void D1_ComboBox_Parametry_centrali_bit_1Change();
    void D1_ComboBox_Parametry_centrali_bit_5Change();
    void D1_ComboBox_Wejscie_dodatkoweChange();
    void D1_ComboBox_Numery_dodatkowe_1_NumerChange();
    void D1_ComboBox_Wartosc_we_portu_P1Change();

    QPushButton *D1_BitBtn_Ustawienia_Dzwonienia_Globalne = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void Podlacz_Siatki();
    // The focus flag of one of the three grids.
    bool &Fokus_Siatki(const QTableView *grid);
    // The edit panel's pages, loaded from the grids and shown.
    void Otworz_Strone_Kodu();
    void Otworz_Strone_Parametrow();
    void Otworz_Strone_Dzwonkow(int lokal); // 0: all apartments
    void Przygotuj_Dzwonki_Pojedynczo();
    bool FormCloseQuery();
    void FormClose();
    void Jezyk_Click(int slot);
    void Zapisz_Nr_Jezyka();
    QString Pokaz_Dialog_Pliku(bool zapis);
    void Ustaw_Tytul(const QString &plik);
    Przebieg_VORU Przebieg_Transferu();
    void Pokaz_Wynik_RTS(const Wynik_RTS &w);
    void PageControlChange(int index);
    void Ustaw_Ikony_Zakladek();
    void Zbuduj_Menu();
    void Zbuduj_Pasek_Narzedzi();
    QWidget *Zbuduj_Rzad_Grup();
    QWidget *Zbuduj_Zakladke_Ustawien();
    QWidget *Zbuduj_Kody(QWidget *parent);
    QWidget *Zbuduj_Opcje(QWidget *parent);
    QWidget *Zbuduj_Dzwonki(QWidget *parent);
    QWidget *Zbuduj_Dolny_Rzad(QWidget *parent);
    QComboBox *Zbuduj_Liste(SettingsTab::Lista lista, const QString &name, QWidget *parent);
    void Pokaz_Wybor_Listy(SettingsTab::Lista lista);
    void Ustaw_Pozycje_Tak_Nie();

    SettingsTab m_tab;
    Dane_Podstawowe m_dane;
    LinkBinder m_bindLink;
    Kabel m_kabel;
    std::unique_ptr<MonitorUSB> m_monitor;
    bool m_startedUp = false;
    bool m_bladIniPokazany = false;
    bool m_rozmiarUstalony = false;
    bool m_klepsydra = false;
    QString m_powodPokazany;
    Przyciski_RTS m_przyciskiRts;
    QString m_folderDialogow;
    int m_zakladkaAktywna = 0;
    TForm_Splash *m_formSplash = nullptr;
    TForm_Tabela_Kodow *m_formTabelaKodow = nullptr;
    TForm_Panel_Edycji *m_formPanelEdycji = nullptr;
    std::array<QComboBox *, SettingsTab::Liczba_List> m_combos{};
    std::array<bool, 3> m_fokus{}; // codes, parameters, ringing grid has the focus
    CodeTableCache m_kodyTabeli;

    // Captions written by Ustaw_WJ_na_komponentach: a control and its string.
    struct Podpis {
        QPointer<QObject> control;
        int index;
        bool spaced; // one blank, the text, one blank
    };
    std::vector<Podpis> m_podpisy;
    void Podpisz(QObject *control, int index, bool spaced = false);

    QMenu *Menu_Plik = nullptr;
    QMenu *Menu_Opcje1 = nullptr;
    QMenu *Menu_Jezyk = nullptr;
    QMenu *Menu_Info1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label17 = nullptr;

public:
    QAction *Action_Plik_Nowe_ustawienia = nullptr;
    QAction *Action_Plik_Otworz_ustawienia = nullptr;
    QAction *Action_Plik_Zapisz_ustawienia = nullptr;
    QAction *Action_Plik_Zapisz_jako_ustawienia = nullptr;
    QAction *Action_Plik_Zamknij = nullptr;
    QAction *Action_Opcje_Admin = nullptr;
    QAction *Action_VORU_odczytaj_ustawienia = nullptr;
    QAction *Action_VORU_zapisz_ustawienia = nullptr;
    QAction *OUSB1 = nullptr;
    QAction *Dodatkowe1 = nullptr;
    QAction *About1 = nullptr;
    QAction *Sprwersj2 = nullptr;
};

extern TForm_Main *Form_Main;
