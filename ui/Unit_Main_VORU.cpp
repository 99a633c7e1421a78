// Reading and writing the central unit from the window: the lock, the gauge and the
// messages around the runs of the link.
#include "lang/Teksty_WJ.h"
#include "link/MonitorUSB.h"
#include "link/Odczyt_Zapis_Centrali.h"
#include "ui/Unit_Main.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

void TForm_Main::D1_Blokada(bool Wlaczona, bool Klepsydra)
{
    static const char *const kontrolki[] = {
        "D1_StringGrid_Kody_Lokali", "D1_StringGrid_Parametry", "D1_GroupBox_Krotki_opis",
        "D1_GroupBox_Modul_we_wy_1", "D1_GroupBox_Modul_we_wy_2", "D1_GroupBox_Numery_dodatkowe_1",
        "D1_GroupBox_Numery_dodatkowe_2", "D1_GroupBox_Numery_dodatkowe_3", "D1_GroupBox_Numery_dodatkowe_4",
        "D1_GroupBox_Wejscie_dodatkowe", "D1_GroupBox_Parametry_centrali_1", "D1_BitBtn_Przygotuj_wizytowki",
        "D1_BitBtn_Generuj_tabele_kodow", "D1_StringGrid_Ustawienia_Dzwonienia", "GroupBox_Operacje_Na_Plikach",
        "GroupBox_Zapisz_Odczyt_VORU", "Button_Odczytaj_Dane_Podstawowe", "Button_Zapisz_Dane_Podstawowe",
        "ToolBar"};
    Blokada_Wlaczona = Wlaczona;
    if (Wlaczona)
        Timer_USB->stop();
    else
        Timer_USB->start();
    for (const char *name : kontrolki)
        if (QWidget *w = findChild<QWidget *>(QLatin1String(name)))
            w->setEnabled(!Wlaczona);
    Menu_Plik->menuAction()->setEnabled(!Wlaczona);

    if (Klepsydra && !m_klepsydra) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_klepsydra = true;
    } else if (!Klepsydra && m_klepsydra) {
        QApplication::restoreOverrideCursor();
        m_klepsydra = false;
    }
}

Przebieg_VORU TForm_Main::Przebieg_Transferu()
{
    Przebieg_VORU p;
    p.Polaczenie_USB = m_monitor && m_monitor->Polaczenie_USB();
    p.Haslo_Instalatora = Edit_Haslo_Instalatora->text();
    p.Tryb_Admin = Tryb_Admin;
    p.Przyciski = m_przyciskiRts;
    p.Zmien_RTS = [this](bool ustaw) {
        if (ustaw)
            Ustaw_RTS();
        else
            Kasuj_RTS();
    };
    p.Wersja = [this](int wersja) { Wersja_Centrali(wersja); };
    p.Postep = [this](int pozycja, int maksimum) {
        Gauge_VORU->setRange(0, maksimum);
        Gauge_VORU->setValue(pozycja);
        Gauge_VORU->repaint();
    };
    p.Pokaz_Komunikat = [this](const Komunikat_VORU &k) { MessageBox(k.Tekst(), QString(), k.flagi); };
    p.Pytanie = [this](const Komunikat_VORU &k) { return MessageBox(k.Tekst(), QString(), k.flagi) == 6; };
    p.Zbierz = [this](Dane_Podstawowe &, int wersja) { return D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(wersja); };
    p.Pokaz = [this](const Dane_Podstawowe &, int wersja) { D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(wersja); };
    return p;
}

void TForm_Main::D1_VORU_Odczytaj_ustawienia()
{
    D1_Blokada(true, true);
    if (m_kabel.api) {
        Odczyt_Zapis_Centrali run(*m_kabel.api, *m_kabel.clock);
        run.Odczytaj(m_dane, Przebieg_Transferu());
    }
    QCoreApplication::processEvents();
    D1_Blokada(false, false);
}

void TForm_Main::D1_VORU_Zapisz_ustawienia()
{
    D1_Blokada(true, true);
    if (m_kabel.api) {
        Odczyt_Zapis_Centrali run(*m_kabel.api, *m_kabel.clock);
        const Wynik_VORU w = run.Zapisz(m_dane, Przebieg_Transferu());
        if (w.stan == Stan_VORU::Blad_Zbierania)
            MessageBox(WJ(777), QString(), 0x30);
    }
    QCoreApplication::processEvents();
    D1_Blokada(false, false);
}

void TForm_Main::Action_VORU_odczytaj_ustawieniaExecute()
{
    if (Numer_Urzadzenia == 1)
        D1_VORU_Odczytaj_ustawienia();
}

void TForm_Main::Action_VORU_zapisz_ustawieniaExecute()
{
    if (Numer_Urzadzenia == 1)
        D1_VORU_Zapisz_ustawienia();
}

void TForm_Main::Pokaz_Wynik_RTS(const Wynik_RTS &w)
{
    if (w.zmienPrzyciski)
        m_przyciskiRts = w.przyciski;
    for (const QString &blad : w.bledy)
        MessageBox(blad, QString(), 0x10);
}

void TForm_Main::Ustaw_RTS()
{
    if (m_kabel.api)
        Pokaz_Wynik_RTS(::Ustaw_RTS(*m_kabel.api, m_monitor && m_monitor->Polaczenie_USB(), m_przyciskiRts));
}

void TForm_Main::Kasuj_RTS()
{
    if (m_kabel.api)
        Pokaz_Wynik_RTS(::Kasuj_RTS(*m_kabel.api, m_monitor && m_monitor->Polaczenie_USB(), m_przyciskiRts));
}
