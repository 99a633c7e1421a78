#pragma once
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

class TForm_Main;

// The code table dialog: generates the codes of a code-table number and puts them
// into the main window.
class TForm_Tabela_Kodow : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_Tabela_Kodow(TForm_Main *main);

    // Fills Kody_Tabeli with the 256 codes of table Value (0 to 9999).
    void SetCodeTable(int Value);
    const QStringList &Kody_Tabeli() const { return m_kody; }

    // The main window back to code table 0.
    void D1_odswierz_tabele_kodow();

    // The main window's button that opens this dialog, shown by access level.
    void Ustaw_Przycisk_Generuj(QPushButton *button) { m_generuj = button; }
    void Pokaz_Przycisk_Generuj(bool visible);

private:
    TForm_Main *m_main;
    QStringList m_kody;
    QPointer<QPushButton> m_generuj;
};
