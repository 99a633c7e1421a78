#include "lang/Teksty_WJ.h"
#include "link/LinkOptions.h"
#include "link/SerialFtdi.h"
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
        QStringLiteral("VEZO v2.3: reads, edits and writes the settings of the intercom central unit "
                       "over its USB cable.\n--link=sim attaches a simulated unit, for trying the "
                       "program without hardware."));
    parser.addHelpOption();
    parser.addVersionOption();
    addLinkOptions(parser);
    parser.process(app);

    LinkOptions options;
    QString error;
    if (!readLinkOptions(parser, &options, &error)) {
        std::fprintf(stderr, "vezo: %s\n", qPrintable(error));
        return 2;
    }

    // A light built-in style; without it the toolkit's default look.
    if (QStyle *s = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(s);

    std::unique_ptr<LinkBackend> backend;
    TForm_Main w([&]() -> TForm_Main::Kabel {
        LinkBackend::Failure failure = LinkBackend::Failure::None;
        QString detail;
        backend = LinkBackend::create(options, &failure, &detail);
        if (!backend) {
            if (!detail.isEmpty())
                std::fprintf(stderr, "vezo: %s\n", qPrintable(detail));
            return {};
        }
        TForm_Main::Kabel kabel{&backend->api(), &backend->clock(), {}};
        if (SerialFtdi *serial = backend->serial())
            kabel.Powod_Braku_Kabla = [serial] {
                return serial->lastOpenError() == SerialOpenError::NoPermission
                           ? WJ(776).arg(serial->lastOpenPort())
                           : QString();
            };
        return kabel;
    });
    if (!w.startedUp())
        return 1;
    w.show();
    w.Uruchom();
    return app.exec();
}
