#include "support/MainWindowFixture.h"
#include "model/PlikIni.h"
#include <QFile>

MainWindowFixture::MainWindowFixture(const QByteArray &iniText, bool cableIn)
{
    Ustaw_Folder_INI(iniDir.path());
    if (!iniText.isEmpty()) {
        QFile f(iniDir.filePath(QStringLiteral("vezo.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write(iniText);
    }
    unit.setVersion(0x28);
    if (!cableIn)
        unit.unplug();
    window = std::make_unique<TForm_Main>([this] {
        return TForm_Main::Kabel{&api, &clock, [this] { return cableReason; }};
    });
}

MainWindowFixture::~MainWindowFixture()
{
    // The closing question is not part of tearing a test down.
    messages.answerQuestions(6);
    window.reset();
    Ustaw_Folder_INI(QString());
}

void MainWindowFixture::endSplash()
{
    window->Timer_SplashTimer();
}

void MainWindowFixture::tick()
{
    window->Timer_USBTimer();
}
