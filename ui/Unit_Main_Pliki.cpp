// Settings files: new, open, save, save as, and the window caption.
#include "lang/Teksty_WJ.h"
#include "model/Plik_Ustawien.h"
#include "ui/Unit_Main.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

namespace {
TForm_Main::FileDialogAnswerer g_fileAnswerer;

// "Intercom VEZO (*.qor)|*.qor" as the toolkit writes a filter.
QString Filtr_Qt(const QString &filtr)
{
    const int bar = filtr.indexOf(QLatin1Char('|'));
    return bar < 0 ? filtr : filtr.left(bar);
}
} // namespace

void TForm_Main::setFileDialogAnswerer(FileDialogAnswerer answerer)
{
    g_fileAnswerer = std::move(answerer);
}

QString TForm_Main::Folder_Dialogow()
{
    // The program's folder, as a portable install keeps its files beside it; a program
    // installed where it may not write gets the user's documents instead.
    const QString program = QCoreApplication::applicationDirPath();
    if (QFileInfo(program).isWritable())
        return program;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString TForm_Main::Pokaz_Dialog_Pliku(bool zapis)
{
    const QString title = WJ(zapis ? 681 : 680);
    const QString filter = WJ(682);
    if (g_fileAnswerer)
        return g_fileAnswerer(zapis, title, filter, m_folderDialogow);

    QFileDialog d(this, title, m_folderDialogow, Filtr_Qt(filter));
    d.setDefaultSuffix(QStringLiteral("qor"));
    d.setOption(QFileDialog::ReadOnly, false);
    if (zapis) {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        d.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(QFileDialog::ExistingFile);
    }
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    m_folderDialogow = d.directory().absolutePath();
    return d.selectedFiles().first();
}

void TForm_Main::Ustaw_Tytul(const QString &plik)
{
    setWindowTitle(plik.isEmpty() ? Tytul_Programu : Tytul_Programu + QStringLiteral("  ::  ") + QFileInfo(plik).fileName());
}

bool TForm_Main::Zapis_danych_podstawowych_do_pliku()
{
    if (Numer_Urzadzenia != 1)
        return false;
    // Gathered before the file is touched, so a failure leaves no file half-written.
    if (!D1_Dane_Podstawowe_ze_StringGridow_do_Tablicy(Nr_wersji_Tablicy)) {
        MessageBox(WJ(777), QString(), 0x30);
        return false;
    }
    const Plik_Ustawien::Wynik_Zapisu w =
        Plik_Ustawien::Zapisz(Nazwa_Pliku_Ustawien, m_dane, D1_Edit_Krotki_Opis->text());
    if (!w.ok) {
        MessageBox(w.komunikat, QString(), 0x10);
        return false;
    }
    return true;
}

bool TForm_Main::Odczyt_danych_podstawowych_z_pliku()
{
    if (Numer_Urzadzenia != 1)
        return false;
    const Plik_Ustawien::Wynik_Odczytu w = Plik_Ustawien::Odczytaj(Nazwa_Pliku_Ustawien);
    switch (w.stan) {
    case Plik_Ustawien::Wynik_Odczytu::Odrzucony:
        // Only the program's own text for a short file names the file.
        MessageBox(w.nr_tekstu == Plik_Ustawien::Tekst_Za_Krotki
                       ? WJ(w.nr_tekstu).arg(QDir::toNativeSeparators(Nazwa_Pliku_Ustawien))
                       : WJ(w.nr_tekstu),
                   QString(), 0x30);
        return false;
    case Plik_Ustawien::Wynik_Odczytu::Blad:
        MessageBox(w.komunikat, QString(), 0x10);
        return false;
    case Plik_Ustawien::Wynik_Odczytu::Wczytany:
        break;
    }
    D1_Edit_Krotki_Opis->setText(w.opis);
    m_dane = w.dane;
    D1_Dane_Podstawowe_z_Tablicy_do_StringGridow(Nr_wersji_Tablicy);
    Ustaw_Tytul(Nazwa_Pliku_Ustawien);
    return true;
}

void TForm_Main::Action_Plik_Otworz_ustawieniaExecute()
{
    const QString plik = Pokaz_Dialog_Pliku(false);
    if (plik.isEmpty())
        return;
    Nazwa_Pliku_Ustawien = plik;
    Odczyt_danych_podstawowych_z_pliku();
}

void TForm_Main::Action_Plik_Zapisz_jako_ustawieniaExecute()
{
    QString plik = Pokaz_Dialog_Pliku(true);
    if (plik.isEmpty())
        return;
    if (QFileInfo(plik).suffix().isEmpty())
        plik += QStringLiteral(".qor");
    Nazwa_Pliku_Ustawien = plik;
    if (Zapis_danych_podstawowych_do_pliku())
        Ustaw_Tytul(Nazwa_Pliku_Ustawien);
}

void TForm_Main::Action_Plik_Zapisz_ustawieniaExecute()
{
    if (Nazwa_Pliku_Ustawien.isEmpty()) {
        Action_Plik_Zapisz_jako_ustawieniaExecute();
        return;
    }
    if (MessageBox(WJ(720) + QFileInfo(Nazwa_Pliku_Ustawien).fileName() + QLatin1Char('?'), QString(), 0x24) == 6)
        Zapis_danych_podstawowych_do_pliku();
}

void TForm_Main::Action_Plik_Nowe_ustawieniaExecute()
{
    if (Numer_Urzadzenia != 1)
        return;
    if (!Nazwa_Pliku_Ustawien.isEmpty()) {
        if (MessageBox(WJ(753), QString(), 0x24) != 6)
            return;
        Nazwa_Pliku_Ustawien.clear();
        Ustaw_Tytul(QString());
    }
    D1_Wyczysc_Zakladki(true, true, true, false);
}
