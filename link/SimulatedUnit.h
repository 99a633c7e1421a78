#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <deque>
#include <map>
#include <vector>

// Faults the simulated unit can be told to show. A plain struct so that the program's
// options and vezo-sim's options both map straight onto it. Attempts, answers and frames
// are counted from 1 since the unit was created.
struct SimFaults
{
    // Answers nothing at all.
    bool silent = false;
    // The version query is answered from its k-th arrival on; earlier ones go unanswered.
    int versionFromAttempt = 1;
    // Answers nothing until the RTS line has been set or cleared at least once.
    bool needsRtsToggle = false;
    // The first `badNinthByteAnswers` block-read answers (-1: every one) end with
    // `badNinthByte` in place of the acknowledgement.
    int badNinthByteAnswers = 0;
    quint8 badNinthByte = 0x00;
    // After the 8 data bytes of a block write the unit sends this many bytes
    // `dataAckFillerByte` before its acknowledgement; -1: the acknowledgement never
    // comes (the data are stored all the same).
    int dataAckAfterBytes = 0;
    quint8 dataAckFillerByte = 0x00;
    // The first `lateReplies` answers (-1: every one) come `lateMs` later than usual.
    int lateMs = 0;
    int lateReplies = -1;
    // Block reads and write headers of block n >= silentFromBlock go unanswered (-1: off).
    int silentFromBlock = -1;
    // The cable comes out just as the k-th frame starts to arrive: that frame and all
    // that follows is lost, and opens fail until plugIn() (-1: off).
    int unplugAtFrame = -1;
};

// The central unit behind the cable, independent of any transport and time source.
// It is fed the bytes the PC sends with their arrival time (virtual ms) and yields its
// answers, each with the time it becomes available. Pacing bytes on a wire is the
// transport's business.
class SimulatedUnit
{
public:
    static constexpr int ProcessingMs = 1;       // from the request's last byte to the answer
    static constexpr int FrameResetGapMs = 100;  // a half-received frame older than this is dropped
    static constexpr quint8 Ack = 0xFD;

    struct Byte
    {
        qint64 atMs;
        quint8 value;
    };
    enum class Kind { Frame, BlockData, TextData };
    // A complete unit of traffic as the unit took it: a 3-byte frame (also one with a
    // bad check byte, which is then ignored), or the data of a block or text write.
    struct Received
    {
        qint64 atMs;  // arrival of its last byte
        Kind kind;
        QByteArray bytes;
        bool checkOk;  // frames only
    };
    // One answer: its bytes all become available at atMs.
    struct Reply
    {
        qint64 atMs;
        QByteArray bytes;
    };

    SimulatedUnit();

    SimFaults &faults() { return m_faults; }
    const SimFaults &faults() const { return m_faults; }
    void setFaults(const SimFaults &f) { m_faults = f; }

    quint8 version() const { return m_version; }
    void setVersion(quint8 v) { m_version = v; }  // 0x27, 0x28, or anything for fault tests

    // The unit's 256-byte image; block n is bytes 8n..8n+7 (0-based here).
    const std::array<quint8, 256> &image() const { return m_image; }
    std::array<quint8, 256> &image() { return m_image; }
    QByteArray imageBytes() const;
    void setImage(const QByteArray &bytes);  // up to 256 bytes from the start

    // Installer password, four digits; stored in block 125's data bytes 6 and 7.
    QString installerPassword() const;
    bool setInstallerPassword(const QString &fourDigits);  // false (and unchanged) unless 4 digits
    // Block 125 as sent, 8 data bytes (to plant raw values such as 0x8C).
    std::array<quint8, 8> &block125() { return m_block125; }

    // Texts sent with frame 0x58: slot -> 6 bytes.
    const std::map<int, QByteArray> &texts() const { return m_texts; }

    bool rts() const { return m_rts; }
    int rtsChanges() const { return m_rtsChanges; }
    void setRts(bool on, qint64 atMs);

    // The cable, as far as the unit's side of it is concerned.
    bool attached() const { return m_attached; }
    void unplug() { m_attached = false; }
    void plugIn();  // also disarms faults().unplugAtFrame

    void receive(quint8 byte, qint64 atMs);
    void receive(const QByteArray &bytes, qint64 atMs);

    // Bytes the unit sends of its own accord (the listening echo of the test page).
    void sendUnsolicited(const QByteArray &bytes, qint64 atMs);

    // Answers produced since the last call, oldest first, with non-decreasing times.
    std::vector<Reply> takeReplies();
    bool hasReplies() const { return !m_out.empty(); }

    // Everything received, in order, with arrival times.
    const std::vector<Byte> &receivedBytes() const { return m_bytes; }
    QByteArray receivedData() const;
    const std::vector<Received> &received() const { return m_received; }
    // Only the 3-byte frames, each as its bytes (handy for exact traffic asserts).
    std::vector<QByteArray> frames() const;
    int versionQueries() const { return m_versionQueries; }
    void clearRecord();

private:
    enum class State { Idle, BlockData, TextData };
    void handleFrame(quint8 cmd, quint8 arg, qint64 atMs);
    void reply(const QByteArray &bytes, qint64 requestAtMs);
    bool answers() const;
    bool blockSilent(int n) const;

    SimFaults m_faults;
    quint8 m_version = 0x27;
    std::array<quint8, 256> m_image{};
    std::array<quint8, 8> m_block125{};
    std::map<int, QByteArray> m_texts;
    bool m_rts = false;
    int m_rtsChanges = 0;
    bool m_attached = true;

    State m_state = State::Idle;
    QByteArray m_partial;
    qint64 m_lastByteAt = 0;
    int m_target = 0;  // block or text slot awaiting its data
    int m_framesStarted = 0;
    int m_versionQueries = 0;
    int m_blockAnswers = 0;
    int m_replies = 0;
    qint64 m_lastOutAt = 0;

    std::deque<Reply> m_out;
    std::vector<Byte> m_bytes;
    std::vector<Received> m_received;
};
