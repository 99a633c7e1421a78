#pragma once
#include "ui/Unit_Main.h"
#include <QList>
#include <QString>
#include <functional>

// Answers the main window's message boxes in tests and records what was asked.
class MessageRecorder
{
public:
    struct Message {
        QString text;
        QString caption;
        int flags;
    };

    MessageRecorder();
    ~MessageRecorder();

    // The answer to Yes/No questions (6 or 7); OK boxes always answer 1.
    void answerQuestions(int result) { m_answer = result; }
    // Answers for the next questions, in order; then the default again.
    void queueAnswers(const QList<int> &answers) { m_queue = answers; }

    // Runs when a box is shown, before it is answered (to look at the window then).
    void onMessage(std::function<void()> f) { m_onMessage = std::move(f); }

    const QList<Message> &messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    QList<int> m_queue;
    int m_answer = 6;
    std::function<void()> m_onMessage;
};
