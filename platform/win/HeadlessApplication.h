// The application object a program without a host needs for windows, fonts and the message
// pump (the command-line tool reading from or writing to a phone, whose transfers run with
// a progress window). While the object lives, the process has an offscreen application;
// when one exists already, nothing is made and the existing one serves.
#pragma once

#include <memory>

namespace win {

class HeadlessApplication {
 public:
  HeadlessApplication();
  ~HeadlessApplication();
  HeadlessApplication(const HeadlessApplication&) = delete;
  HeadlessApplication& operator=(const HeadlessApplication&) = delete;

 private:
  struct Made;
  std::unique_ptr<Made> made_;
};

}  // namespace win
