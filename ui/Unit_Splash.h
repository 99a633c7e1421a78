#pragma once
#include <QWidget>

// The splash shown over the main window at start-up and faded out by Timer_Splash.
class TForm_Splash : public QWidget
{
    Q_OBJECT
public:
    explicit TForm_Splash(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
