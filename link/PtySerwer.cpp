#include "link/PtySerwer.h"
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>
#endif

PtySerwer::PtySerwer(SimulatedUnit &unit) : m_unit(unit) {}

#ifdef Q_OS_UNIX

namespace {
QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

PtySerwer::~PtySerwer()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

qint64 PtySerwer::nowUs() const
{
    timespec ts;
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000 - m_startUs;
}

bool PtySerwer::open(QString *error)
{
    auto fail = [&](const char *what) {
        if (error)
            *error = systemError(what);
        return false;
    };
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (::grantpt(m_master) != 0)
        return fail("grantpt");
    if (::unlockpt(m_master) != 0)
        return fail("unlockpt");
    const char *name = ::ptsname(m_master);
    if (!name)
        return fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);

    // Holding the slave open keeps the line from hanging up between the program's
    // opens, so bytes not yet read wait for it as in the cable's queue.
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail("open slave");
    termios t;
    if (::tcgetattr(m_slave, &t) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B9600);
    ::cfsetospeed(&t, B9600);
    if (::tcsetattr(m_slave, TCSANOW, &t) != 0)
        return fail("tcsetattr");
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);

    m_startUs = 0;
    m_startUs = nowUs();
    return true;
}

void PtySerwer::received(const char *bytes, qint64 count, qint64 atUs)
{
    // The PC's bytes came through the pseudo-terminal at once; on the wire each one
    // is complete only a byte time after the one before it.
    for (qint64 i = 0; i < count; ++i) {
        m_lastArrivalUs = std::max(atUs, m_lastArrivalUs) + ByteTimeUs;
        m_unit.receive(quint8(bytes[i]), m_lastArrivalUs / 1000);
    }
}

void PtySerwer::collectReplies()
{
    for (const SimulatedUnit::Reply &r : m_unit.takeReplies()) {
        for (char c : r.bytes) {
            m_lastSentUs = std::max(r.atMs * 1000, m_lastSentUs) + ByteTimeUs;
            m_out.push_back({m_lastSentUs, c});
        }
    }
}

void PtySerwer::run(int stopFd, int eofFd)
{
    if (m_master < 0)
        return;
    char buf[256];
    for (;;) {
        collectReplies();
        pollfd fds[3] = {{m_master, POLLIN, 0}, {stopFd, POLLIN, 0}, {eofFd, POLLIN, 0}};
        const nfds_t nfds = eofFd >= 0 ? 3 : 2;
        qint64 waitUs = -1;
        if (!m_out.empty())
            waitUs = std::max<qint64>(0, m_out.front().atUs - nowUs());
#ifdef Q_OS_LINUX
        timespec ts{time_t(waitUs / 1000000), long(waitUs % 1000000) * 1000};
        const int r = ::ppoll(fds, nfds, waitUs < 0 ? nullptr : &ts, nullptr);
#else
        const int r = ::poll(fds, nfds, waitUs < 0 ? -1 : int((waitUs + 999) / 1000));
#endif
        if (r < 0 && errno != EINTR)
            return;
        if (r > 0) {
            if (fds[1].revents)
                return;
            if (nfds == 3 && fds[2].revents) {
                const ssize_t n = ::read(eofFd, buf, sizeof buf);
                if (n <= 0)
                    return;
            }
            if (fds[0].revents & POLLIN) {
                const ssize_t n = ::read(m_master, buf, sizeof buf);
                if (n > 0)
                    received(buf, n, nowUs());
            }
        }
        // Bytes whose time has come; after a late wake-up they go out together, so
        // the rate stays right on average.
        const qint64 now = nowUs();
        QByteArray due;
        while (!m_out.empty() && m_out.front().atUs <= now) {
            due.append(m_out.front().value);
            m_out.pop_front();
        }
        qsizetype off = 0;
        while (off < due.size()) {
            const ssize_t n = ::write(m_master, due.constData() + off, size_t(due.size() - off));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break; // the line's buffer is full, nobody reads: lost as on a wire
            off += n;
        }
    }
}

#else

PtySerwer::~PtySerwer() = default;

qint64 PtySerwer::nowUs() const { return 0; }

bool PtySerwer::open(QString *error)
{
    if (error)
        *error = QStringLiteral("pseudo-terminals are not available on this system");
    return false;
}

void PtySerwer::received(const char *, qint64, qint64) {}
void PtySerwer::collectReplies() {}
void PtySerwer::run(int, int) {}

#endif
