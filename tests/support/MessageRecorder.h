#pragma once
#include "ui/Unit_Main.h"
#include <QList>
#include <QString>

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

    const QList<Message> &messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    QList<int> m_queue;
    int m_answer = 6;
};
