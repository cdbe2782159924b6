// The wait cursor while a step of the window thread takes a while: shown for the lifetime
// of the object; nested ones stack.
#pragma once

class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  bool shown_ = false;
};
