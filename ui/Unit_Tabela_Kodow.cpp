#include "ui/Unit_Tabela_Kodow.h"
#include "ui/Unit_Main.h"
#include "model/Kody_Tabeli.h"
#include <QPushButton>

TForm_Tabela_Kodow::TForm_Tabela_Kodow(TForm_Main *main) : QDialog(main), m_main(main)
{
    setObjectName(QStringLiteral("Form_Tabela_Kodow"));
    setWindowTitle(Tytul_Programu);
    setModal(true);
}

void TForm_Tabela_Kodow::SetCodeTable(int Value)
{
    m_kody = Generuj_Kody_Tabeli(Value);
}

void TForm_Tabela_Kodow::D1_odswierz_tabele_kodow()
{
    SetCodeTable(0);
    m_main->Zakladka().Ustaw_Tabele_Kodow(QStringLiteral("0000"), m_kody);
}

void TForm_Tabela_Kodow::Pokaz_Przycisk_Generuj(bool visible)
{
    if (m_generuj)
        m_generuj->setVisible(visible);
}
