#include "support/MessageRecorder.h"

MessageRecorder::MessageRecorder()
{
    TForm_Main::setMessageAnswerer([this](const QString &text, const QString &caption, int flags) {
        m_messages.append({text, caption, flags});
        if (m_onMessage)
            m_onMessage();
        if ((flags & 0x0F) != 0x04)
            return 1;
        return m_queue.isEmpty() ? m_answer : m_queue.takeFirst();
    });
}

MessageRecorder::~MessageRecorder()
{
    TForm_Main::setMessageAnswerer({});
}

QStringList MessageRecorder::texts() const
{
    QStringList t;
    for (const Message &m : m_messages)
        t << m.text;
    return t;
}
