#include "controls/shared/MessageTable.h"

namespace controls {

MessageTable::AddResult MessageTable::add(int message)
{
    if (message == ALL_MESSAGES) {
        m_count = ALL_MESSAGES;
        return AddResult::Added;
    }
    if (m_count == ALL_MESSAGES) {
        m_entries[0] = message;
        m_count = 1;
        return AddResult::Added;
    }
    if (m_count >= kEntries)
        return AddResult::Full;
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i] == 0) {
            m_entries[i] = message;
            return AddResult::Added;
        }
        if (m_entries[i] == message)
            return AddResult::AlreadyThere;
    }
    m_entries[m_count++] = message;
    return AddResult::Added;
}

void MessageTable::remove(int message)
{
    if (message == ALL_MESSAGES) {
        m_count = 0;
        return;
    }
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i] == message) {
            m_entries[i] = 0;
            return;
        }
    }
}

bool MessageTable::offers(int message) const
{
    if (m_count == ALL_MESSAGES)
        return true;
    if (message == 0)
        return false;
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i] == message)
            return true;
    }
    return false;
}

}
