#include "ui/StatusBarUSB.h"
#include <QPainter>
#include <QStyleOption>

namespace {
const QColor Tlo_Tekstow(206, 221, 230);
}

StatusBarUSB::StatusBarUSB(QWidget *parent) : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(7);
    setFont(f);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize StatusBarUSB::sizeHint() const
{
    return {Szerokosc_Pola_1 + Szerokosc_Pola_2, fontMetrics().height() + 8};
}

void StatusBarUSB::Maluj_Lampe(const QColor &lampa)
{
    m_lampa = lampa;
    update();
}

void StatusBarUSB::Maluj_Tekst_Polaczenia(const QString &text)
{
    m_polaczenie = text;
    update();
}

void StatusBarUSB::Maluj_Tekst_Wersji(const QString &text)
{
    m_wersja = text;
    update();
}

void StatusBarUSB::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int h = height();
    const QRect pole1(0, 0, Szerokosc_Pola_1, h);
    const QRect pole2(Szerokosc_Pola_1, 0, width() - Szerokosc_Pola_1, h);

    // Sunken field frames, as a classic status bar draws them.
    p.fillRect(rect(), palette().window());
    for (const QRect &r : {pole1.adjusted(1, 1, -2, -2), pole2.adjusted(1, 1, -2, -2)}) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }

    const QFontMetrics fm(font());
    const int y = (h - fm.height()) / 2;
    if (!m_polaczenie.isEmpty()) {
        const QRect t(4, y, fm.horizontalAdvance(m_polaczenie), fm.height());
        p.fillRect(t, Tlo_Tekstow);
        p.setPen(Qt::black);
        p.drawText(t, Qt::AlignLeft | Qt::AlignVCenter, m_polaczenie);
    }
    if (m_lampa.isValid()) {
        const QRect lampa(Szerokosc_Pola_1 - 18, h / 2 - 5, 12, 10);
        p.fillRect(lampa, m_lampa);
        p.setPen(Qt::darkGray);
        p.drawRect(lampa.adjusted(0, 0, -1, -1));
    }
    if (!m_wersja.isEmpty()) {
        const QRect t(Szerokosc_Pola_1 + 4, y, fm.horizontalAdvance(m_wersja), fm.height());
        p.fillRect(t, Tlo_Tekstow);
        p.setPen(Qt::black);
        p.drawText(t, Qt::AlignLeft | Qt::AlignVCenter, m_wersja);
    }
}
