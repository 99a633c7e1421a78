#pragma once
#include <QColor>
#include <QWidget>

// The status bar of the main window: two fields, 300 and 100 pixels wide, painted by
// the connection monitor: the connection text and the lamp in the first field, the
// version text from the second field on.
class StatusBarUSB : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Szerokosc_Pola_1 = 300;
    static constexpr int Szerokosc_Pola_2 = 100;

    explicit StatusBarUSB(QWidget *parent = nullptr);

    void Maluj_Lampe(const QColor &lampa);
    void Maluj_Tekst_Polaczenia(const QString &text);
    void Maluj_Tekst_Wersji(const QString &text);

    const QColor &Lampa() const { return m_lampa; }
    const QString &Tekst_Polaczenia() const { return m_polaczenie; }
    const QString &Tekst_Wersji() const { return m_wersja; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_lampa;
    QString m_polaczenie;
    QString m_wersja;
};
