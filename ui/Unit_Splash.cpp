#include "ui/Unit_Splash.h"
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TForm_Splash::TForm_Splash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form_Splash"));
    setFixedSize(420, 220);
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TForm_Splash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(40, 70, 120));
    g.setColorAt(1, QColor(15, 30, 60));
    p.fillRect(rect(), g);
    p.setPen(Qt::white);
    QFont f = font();
    f.setPointSize(28);
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("VEZO v2.3"));
}
