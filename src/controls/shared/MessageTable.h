#pragma once

#include <array>

// The list of message ids that one side (before or after) of a subclass record offers to
// its handler. A control never touches one directly: ssc_AddMsg and ssc_DelMsg of its
// WindowSubclassRegistry do.
//
// Rules, as the handlers rely on them:
// - a new table offers nothing (count 0); ALL_MESSAGES (-1) makes it offer everything;
// - an add fills the first hole a removal left, else appends; a message already there is
//   not added twice; a table of 32 entries takes no more (the add reports Full);
// - adding one message to an all-messages table makes it a one-message table;
// - a removal leaves a hole (0, which matches nothing) and keeps the count; removing
//   ALL_MESSAGES empties the table; a removal from an all-messages table changes nothing.
namespace controls {

constexpr int ALL_MESSAGES = -1;

class MessageTable
{
public:
    static constexpr int kEntries = 32;
    enum class AddResult { Added, AlreadyThere, Full };

    AddResult add(int message);
    void remove(int message);
    void clear() { m_count = 0; }
    bool offers(int message) const;
    int count() const { return m_count; }   // -1: every message

private:
    int m_count = 0;
    std::array<int, kEntries> m_entries{};
};

}
