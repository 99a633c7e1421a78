// vezo-sim: a simulated central unit on a pseudo-terminal. Prints the path to open as
// the serial port on its first line, then serves until SIGTERM or SIGINT.
#include "link/LinkOptions.h"
#include "link/PtySerwer.h"
#include "link/SimulatedUnit.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// A settings file: format word, device number, table version, the length-prefixed
// description (51 bytes), then the 528 image bytes; the unit's image is the first 256.
constexpr qint64 SettingsFileSize = 591;
constexpr qint64 SettingsFileImageOffset = 63;
constexpr qint64 ImageSize = 256;

bool loadImage(const QString &path, SimulatedUnit &unit, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, f.errorString());
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (bytes.size() == ImageSize)
        unit.setImage(bytes);
    else if (bytes.size() == SettingsFileSize)
        unit.setImage(bytes.mid(SettingsFileImageOffset, ImageSize));
    else {
        *error = QStringLiteral("%1: %2 bytes, neither a 256-byte image nor a 591-byte settings file")
                     .arg(path)
                     .arg(bytes.size());
        return false;
    }
    return true;
}

bool dumpImage(const QString &path, const SimulatedUnit &unit, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(unit.imageBytes()) != ImageSize
        || !f.flush()) {
        *error = QStringLiteral("%1: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

#ifdef Q_OS_UNIX
int stopPipe[2] = {-1, -1};

extern "C" void onStopSignal(int)
{
    const char c = 0;
    [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &c, 1);
}
#endif

int fail(const QString &text)
{
    std::fprintf(stderr, "vezo-sim: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_UNIX
    // First of all, so that a stop asked for during start-up still ends in order.
    if (::pipe(stopPipe) != 0)
        return fail(QStringLiteral("pipe failed"));
    ::fcntl(stopPipe[1], F_SETFL, ::fcntl(stopPipe[1], F_GETFL) | O_NONBLOCK);
    struct sigaction sa = {};
    sa.sa_handler = onStopSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vezo-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated VEZO central unit on a pseudo-terminal at 9600 baud. The first line printed is the "
        "port to open (vezo --link=serial --port PATH). A pseudo-terminal has no RTS line, so "
        "--sim-needs-rts leaves the unit silent."));
    parser.addHelpOption();
    addLinkOptions(parser, SimUnitOptions);
    parser.addOption({QStringLiteral("image"),
                      QStringLiteral("Start from FILE: a 256-byte image or a 591-byte settings file."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("dump"), QStringLiteral("Write the unit's 256-byte image to FILE on exit."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("quit-on-eof"), QStringLiteral("Also end when standard input closes.")});
    parser.process(app);

    LinkOptions options;
    QString error;
    if (!readLinkOptions(parser, &options, &error, SimUnitOptions))
        return fail(error);

    SimulatedUnit unit;
    applySimOptions(options.sim, unit);
    if (parser.isSet(QStringLiteral("image")) && !loadImage(parser.value(QStringLiteral("image")), unit, &error))
        return fail(error);

#ifdef Q_OS_UNIX
    PtySerwer server(unit);
    if (!server.open(&error))
        return fail(error);
    std::printf("%s\n", qPrintable(server.slavePath()));
    std::fflush(stdout);

    server.run(stopPipe[0], parser.isSet(QStringLiteral("quit-on-eof")) ? STDIN_FILENO : -1);

    ::close(stopPipe[0]);
    ::close(stopPipe[1]);
#else
    return fail(QStringLiteral("pseudo-terminals are not available on this system"));
#endif

    if (parser.isSet(QStringLiteral("dump")) && !dumpImage(parser.value(QStringLiteral("dump")), unit, &error))
        return fail(error);
    return 0;
}
