#pragma once
#include "link/SimulatedUnit.h"
#include <QString>
#include <deque>

// Serves a SimulatedUnit on a pseudo-terminal at the speed of a 9600-baud line: a byte
// the PC sends counts as arrived only after its time on the wire, and the unit's
// answers leave one byte per byte time. A pseudo-terminal has no modem lines, so the
// unit never sees RTS change. POSIX only; elsewhere open() fails.
class PtySerwer
{
public:
    static constexpr qint64 ByteTimeUs = 1000000 / 960; // 10 bits at 9600 baud

    explicit PtySerwer(SimulatedUnit &unit);
    ~PtySerwer();
    PtySerwer(const PtySerwer &) = delete;
    PtySerwer &operator=(const PtySerwer &) = delete;

    bool open(QString *error);
    // The side the program opens as its serial port.
    QString slavePath() const { return m_slavePath; }

    // Serves until `stopFd` becomes readable, or `eofFd` (if not -1) reaches its end.
    void run(int stopFd, int eofFd = -1);

private:
    struct Out
    {
        qint64 atUs;
        char value;
    };
    qint64 nowUs() const;
    void received(const char *bytes, qint64 count, qint64 atUs);
    void collectReplies();

    SimulatedUnit &m_unit;
    int m_master = -1;
    int m_slave = -1; // kept open so that the line and its queue outlive each client
    QString m_slavePath;
    qint64 m_startUs = 0;
    qint64 m_lastArrivalUs = 0;
    qint64 m_lastSentUs = 0;
    std::deque<Out> m_out;
};
