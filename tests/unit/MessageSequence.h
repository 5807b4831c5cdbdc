// A message-sequence recorder: windows note the messages they handle, and a
// test compares them, in order, with a table of what each window should have seen.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/unit/ThreadDialogs.h"

struct SeenMessage {
  std::string window;
  UINT message;
  UINT code;  // a notification code or command id, 0 when the message has none

  bool operator==(const SeenMessage& other) const {
    return window == other.window && message == other.message && code == other.code;
  }
};

inline void PrintTo(const SeenMessage& seen, std::ostream* out) {
  *out << seen.window << " 0x" << std::hex << seen.message << " code " << std::dec
       << static_cast<int>(seen.code);
}

class MessageSequence {
 public:
  void Add(const std::string& window, UINT message, UINT code = 0) {
    m_seen.push_back(SeenMessage{window, message, code});
  }
  const std::vector<SeenMessage>& Seen() const { return m_seen; }
  void Clear() { m_seen.clear(); }

 private:
  std::vector<SeenMessage> m_seen;
};

// Runs each step on a thread timer, one per tick, from inside whatever modal
// loop the thread is in (a dialog's, a property sheet's, a message box's).
class TimerScript {
 public:
  using Step = void (*)(void* context);
  TimerScript(std::vector<Step> steps, void* context)
      : m_steps(std::move(steps)), m_context(context) {}
  size_t StepsRun() const { return m_next; }

 private:
  std::vector<Step> m_steps;
  void* m_context;
  size_t m_next = 0;
  ThreadTimer m_timer{[this] {
    if (m_next < m_steps.size()) m_steps[m_next++](m_context);
  }};
};
