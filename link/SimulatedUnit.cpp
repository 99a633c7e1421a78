#include "link/SimulatedUnit.h"
#include <algorithm>

namespace {
constexpr quint8 CmdVersion = 0x1F;
constexpr quint8 CmdBlockRead = 0x55;
constexpr quint8 CmdBlockWrite = 0x56;
constexpr quint8 CmdText = 0x58;
constexpr int PasswordBlock = 125;
constexpr int TextLength = 6;
}

SimulatedUnit::SimulatedUnit() = default;

QByteArray SimulatedUnit::imageBytes() const
{
    return QByteArray(reinterpret_cast<const char *>(m_image.data()), int(m_image.size()));
}

void SimulatedUnit::setImage(const QByteArray &bytes)
{
    const int n = std::min<int>(int(bytes.size()), int(m_image.size()));
    for (int i = 0; i < n; ++i)
        m_image[size_t(i)] = quint8(bytes[i]);
}

QString SimulatedUnit::installerPassword() const
{
    auto half = [](quint8 b) { return QStringLiteral("%1").arg((b & 0x7F) % 100, 2, 10, QLatin1Char('0')); };
    return half(m_block125[5]) + half(m_block125[6]);
}

bool SimulatedUnit::setInstallerPassword(const QString &fourDigits)
{
    if (fourDigits.size() != 4 || !std::all_of(fourDigits.begin(), fourDigits.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; }))
        return false;
    m_block125[5] = quint8(fourDigits.left(2).toInt());
    m_block125[6] = quint8(fourDigits.mid(2).toInt());
    return true;
}

void SimulatedUnit::setRts(bool on, qint64 atMs)
{
    Q_UNUSED(atMs);
    if (!m_attached)
        return;
    m_rts = on;
    ++m_rtsChanges;
}

void SimulatedUnit::plugIn()
{
    m_attached = true;
    m_faults.unplugAtFrame = -1;
    m_state = State::Idle;
    m_partial.clear();
}

bool SimulatedUnit::answers() const
{
    return !m_faults.silent && !(m_faults.needsRtsToggle && m_rtsChanges == 0);
}

bool SimulatedUnit::blockSilent(int n) const
{
    return m_faults.silentFromBlock >= 0 && n >= m_faults.silentFromBlock;
}

void SimulatedUnit::receive(const QByteArray &bytes, qint64 atMs)
{
    for (char c : bytes)
        receive(quint8(c), atMs);
}

void SimulatedUnit::receive(quint8 byte, qint64 atMs)
{
    if (!m_attached)
        return;
    // A frame or data block left half-done (a lost byte, an abandoned write) must not
    // swallow the next request.
    if ((!m_partial.isEmpty() || m_state != State::Idle) && atMs - m_lastByteAt > FrameResetGapMs) {
        m_partial.clear();
        m_state = State::Idle;
    }
    if (m_state == State::Idle && m_partial.isEmpty()) {
        ++m_framesStarted;
        if (m_faults.unplugAtFrame > 0 && m_framesStarted >= m_faults.unplugAtFrame) {
            m_attached = false;
            return;
        }
    }
    m_lastByteAt = atMs;
    m_bytes.push_back({atMs, byte});
    m_partial.append(char(byte));

    switch (m_state) {
    case State::Idle:
        if (m_partial.size() == 3) {
            const quint8 cmd = quint8(m_partial[0]), arg = quint8(m_partial[1]), chk = quint8(m_partial[2]);
            const bool ok = quint8(cmd + arg + 1) == chk;
            m_received.push_back({atMs, Kind::Frame, m_partial, ok});
            m_partial.clear();
            if (ok)
                handleFrame(cmd, arg, atMs);
        }
        break;
    case State::BlockData:
        if (m_partial.size() == 8) {
            m_received.push_back({atMs, Kind::BlockData, m_partial, true});
            if (m_target < 32)
                std::copy(m_partial.begin(), m_partial.end(), m_image.begin() + 8 * m_target);
            m_partial.clear();
            m_state = State::Idle;
            if (m_faults.dataAckAfterBytes >= 0)
                reply(QByteArray(m_faults.dataAckAfterBytes, char(m_faults.dataAckFillerByte)) + char(Ack), atMs);
        }
        break;
    case State::TextData:
        if (m_partial.size() == TextLength) {
            m_received.push_back({atMs, Kind::TextData, m_partial, true});
            m_texts[m_target] = m_partial;
            m_partial.clear();
            m_state = State::Idle;
            reply(QByteArray(1, char(Ack)), atMs);
        }
        break;
    }
}

void SimulatedUnit::handleFrame(quint8 cmd, quint8 arg, qint64 atMs)
{
    if (cmd == CmdVersion && arg == 0x01)
        ++m_versionQueries;
    if (!answers())
        return;
    switch (cmd) {
    case CmdVersion:
        if (arg == 0x01 && m_versionQueries >= m_faults.versionFromAttempt)
            reply(QByteArray(1, char(m_version)), atMs);
        break;
    case CmdBlockRead: {
        if (blockSilent(arg) || (arg >= 32 && arg != PasswordBlock))
            break;
        const quint8 *src = arg == PasswordBlock ? m_block125.data() : m_image.data() + 8 * arg;
        QByteArray answer(reinterpret_cast<const char *>(src), 8);
        const bool bad = m_faults.badNinthByteAnswers < 0 || m_blockAnswers < m_faults.badNinthByteAnswers;
        ++m_blockAnswers;
        answer.append(char(bad ? m_faults.badNinthByte : Ack));
        reply(answer, atMs);
        break;
    }
    case CmdBlockWrite:
        if (blockSilent(arg))
            break;
        m_state = State::BlockData;
        m_target = arg;
        reply(QByteArray(1, char(Ack)), atMs);
        break;
    case CmdText:
        m_state = State::TextData;
        m_target = arg;
        reply(QByteArray(1, char(Ack)), atMs);
        break;
    default:
        break;  // the closing command and anything unknown: no answer
    }
}

void SimulatedUnit::reply(const QByteArray &bytes, qint64 requestAtMs)
{
    qint64 at = requestAtMs + ProcessingMs;
    if (m_faults.lateReplies < 0 || m_replies < m_faults.lateReplies)
        at += m_faults.lateMs;
    ++m_replies;
    at = std::max(at, m_lastOutAt);  // one line: an answer never overtakes the previous one
    m_lastOutAt = at;
    m_out.push_back({at, bytes});
}

void SimulatedUnit::sendUnsolicited(const QByteArray &bytes, qint64 atMs)
{
    const qint64 at = std::max(atMs, m_lastOutAt);
    m_lastOutAt = at;
    m_out.push_back({at, bytes});
}

std::vector<SimulatedUnit::Reply> SimulatedUnit::takeReplies()
{
    std::vector<Reply> r(m_out.begin(), m_out.end());
    m_out.clear();
    return r;
}

QByteArray SimulatedUnit::receivedData() const
{
    QByteArray r;
    r.reserve(int(m_bytes.size()));
    for (const Byte &b : m_bytes)
        r.append(char(b.value));
    return r;
}

std::vector<QByteArray> SimulatedUnit::frames() const
{
    std::vector<QByteArray> r;
    for (const Received &x : m_received)
        if (x.kind == Kind::Frame)
            r.push_back(x.bytes);
    return r;
}

void SimulatedUnit::clearRecord()
{
    m_bytes.clear();
    m_received.clear();
}
