#pragma once
#include <QDialog>
#include <functional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm_Main;

// The modal edit panel through which the settings tab's grids are changed. It holds
// one group box per page and shows only the page named by its tag: 1 apartment code,
// 3 unit parameters, 4 ringing settings, 5 update check (filled by its own window code).
class TForm_Panel_Edycji : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_Panel_Edycji(TForm_Main *main);
    ~TForm_Panel_Edycji() override;

    // Replaces the modal loop of Pokaz_Modalnie: the dialog is shown (not modally) and
    // the runner acts on it; whatever is still open afterwards is cancelled.
    using ModalRunner = std::function<void(TForm_Panel_Edycji &)>;
    static void setModalRunner(ModalRunner runner);

    // Stores the page in the tag, fits the dialog to that page's group and centres it
    // over the main window.
    void Ustaw_Formatke_Panelow_Edycji(int Nr_Panelu);
    int Tag() const { return m_tag; }
    // Shows the dialog modally; QDialog::Accepted after a confirmed change.
    int Pokaz_Modalnie();

    // Loading a page from the main window's grids. Each is followed by
    // Ustaw_Formatke_Panelow_Edycji(page) and Pokaz_Modalnie().
    // Page 1 from the selected apartment of the codes grid; false (nothing to open)
    // when no apartment is selected.
    bool Wczytaj_Strone_Kodu();
    // Page 3 from column 1 of the parameters grid.
    void Wczytaj_Strone_Parametrow();
    // Page 4 for one apartment (1 to 64); false for any other number.
    bool Wczytaj_Strone_Dzwonkow(int lokal);
    // Page 4 for all apartments.
    void Wczytaj_Strone_Dzwonkow_Globalnie();
    // Page 4 back to the single-apartment form; run on every selection in the ringing grid.
    void Przygotuj_Strone_Dzwonkow_Lokalu();

    void FormCreate();
    void FormShow();

    // Digits and Backspace only; false means the character is dropped.
    static bool D1_Edit_Ustawienia_Kodow_kod_lokaluKeyPress(QChar key);

    // Page 1
    void D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokaluClick();
    void D1_Button_Anuluj_zmiane_ustawien_kodu_lokaluClick();

    // Page 3
    void Etykiety_w_okienku_zmiany_parametrow();
    void D1_ComboBox_Parametry_Zakres_OdChange();
    void D1_ComboBox_Parametry_Zakres_DoChange();
    void D1_ComboBox_Parametry_Zakres_przeChange();
    void D1_ComboBox_Parametry_Czas_zamkaChange();
    void D1_ComboBox_Parametry_OpoznienieChange();
    void D1_CheckBox_Kod_AdministratoraClick();
    void D1_Button_Zatwierdz_zmiane_ParametrowClick();
    void D1_Button_Anuluj_zmiane_ParametrowClick();

    // Page 4
    void D1_Zmiana_ustawien_ComboBoxClick();
    void D1_Button_Zatwierdz_zmiane_ustawien_dzwonkowClick();
    void D1_Button_Anuluj_zmiane_ustawien_dzwonkowClick();

    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QGroupBox *GroupBox5 = nullptr;

    // Page 1
    QLabel *Label218 = nullptr;
    QLabel *Label223 = nullptr;
    QFrame *Label228 = nullptr;
    QFrame *Bevel4 = nullptr;
    QLabel *Label230 = nullptr;
    QLabel *D1_Label_Ustawienia_Kodow_Nr_Lokalu = nullptr;
    QLabel *D1_Label_Ustawienia_Kodow_Napis = nullptr;
    QLineEdit *D1_Edit_Ustawienia_Kodow_kod_lokalu = nullptr;
    QPushButton *D1_Button_Zatwierdz_zmiane_ustawien_kodu_lokalu = nullptr;
    QPushButton *D1_Button_Anuluj_zmiane_ustawien_kodu_lokalu = nullptr;

    // Page 3
    QLabel *Label231 = nullptr;
    QGroupBox *GroupBox6 = nullptr;
    QGroupBox *GroupBox7 = nullptr;
    QGroupBox *GroupBox8 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label236 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label237 = nullptr;
    QLabel *Label238 = nullptr;
    QLabel *Label239 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label5 = nullptr;
    QComboBox *D1_ComboBox_Parametry_Zakres_Od = nullptr;
    QComboBox *D1_ComboBox_Parametry_Zakres_Do = nullptr;
    QComboBox *D1_ComboBox_Parametry_Przesuniecie = nullptr;
    QComboBox *D1_ComboBox_Parametry_Czas_zamka = nullptr;
    QComboBox *D1_ComboBox_Parametry_Opoznienie = nullptr;
    QLineEdit *D1_Edit_Parametry_Haslo_Instalatora = nullptr;
    QCheckBox *D1_CheckBox_Kod_Administratora = nullptr;
    QLineEdit *D1_Edit_Parametry_Kod_Administratora = nullptr;
    QComboBox *D1_ComboBox_Ton_dzw = nullptr;
    QComboBox *D1_ComboBox_Liczba_dzw = nullptr;
    QComboBox *D1_ComboBox_Przerwa_mdzw = nullptr;
    QPushButton *D1_Button_Zatwierdz_zmiane_Parametrow = nullptr;
    QPushButton *D1_Button_Anuluj_zmiane_Parametrow = nullptr;

    // Page 4
    QLabel *D1_Label_Ustawienia_Dzwonkow_Tytul_okienka_zmiany = nullptr;
    QLabel *D1_Label_Ustawienia_Dzwonkow2_Tytul_okienka_zmiany = nullptr;
    QLabel *Label33 = nullptr;
    QLabel *D1_Label_Ustawienia_Dzwonkow_Nr_Lokalu = nullptr;
    QFrame *Bevel1 = nullptr;
    QFrame *Label37 = nullptr;
    QLabel *Label22 = nullptr;
    QLabel *Label35 = nullptr;
    QLabel *Label36 = nullptr;
    QComboBox *D1_ComboBox_Ustawienia_Dzwonkow_Liczba_dzwonkow = nullptr;
    QComboBox *D1_ComboBox_Ustawienia_Dzwonkow_Glosno_Cicho = nullptr;
    QComboBox *D1_ComboBox_Ustawienia_Dzwonkow_Podzwanianie = nullptr;
    QCheckBox *CheckBox_LDzw = nullptr;
    QCheckBox *CheckBox_GlCi = nullptr;
    QCheckBox *CheckBox_Podzw = nullptr;
    QPushButton *D1_Button_Zatwierdz_zmiane_ustawien_dzwonkow = nullptr;
    QPushButton *D1_Button_Anuluj_zmiane_ustawien_dzwonkow = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Zbuduj_Strone_Kodu();
    void Zbuduj_Strone_Parametrow();
    void Zbuduj_Strone_Dzwonkow();
    QGroupBox *Grupa_Strony(int Nr_Panelu) const;
    void Dopasuj_Rozmiar();
    void Ustaw_Teksty_Strony();
    void Ustaw_Teksty_Parametrow();
    void Ustaw_Teksty_Dzwonkow();
    void Pokaz_Strone_Parametrow();
    QLineEdit *Pole_Cyfr(const char *name, int maxLength, QWidget *parent);
    // The confirm and cancel buttons every page ends with.
    using Handler = void (TForm_Panel_Edycji::*)();
    void Przyciski_Strony(QBoxLayout *v, const char *zatwierdz, const char *anuluj, QPushButton *&Zatwierdz,
                          QPushButton *&Anuluj, Handler naZatwierdz, Handler naAnuluj);

    TForm_Main *m_main;
    int m_tag = 0;
};
