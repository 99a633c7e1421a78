#include "ui/Unit_Main.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vezo"));
    QApplication::setApplicationVersion(QStringLiteral(VEZO_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("VEZO v2.3: configuration of the intercom central unit over its USB cable."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    if (QStyle *s = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(s);

    TForm_Main w;
    if (!w.startedUp())
        return 1;
    w.show();
    w.Uruchom();
    return app.exec();
}
