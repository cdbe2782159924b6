// A print system of the test's own (scripts/private-cups.sh): a scheduler in a temporary
// folder with one queue, the default, whose jobs are written to files there. The process's
// print system calls go to it from Start on; nothing reaches a real printer.
#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

class PrivateCups {
 public:
  // False when the scheduler could not be started (no CUPS on the machine).
  bool Start(const std::string& dir, const std::string& queue) {
    dir_ = dir;
    const std::string script = std::string(HARBO_SOURCE_DIR) + "/scripts/private-cups.sh";
    FILE* pipe = popen(("'" + script + "' start '" + dir + "' '" + queue + "'").c_str(), "r");
    if (pipe == nullptr) return false;
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    if (pclose(pipe) != 0 || !read) return false;
    std::string socket(line);
    while (!socket.empty() && socket.back() == '\n') socket.pop_back();
    setenv("CUPS_SERVER", socket.c_str(), 1);
    started_ = true;
    return true;
  }
  ~PrivateCups() {
    if (!started_) return;
    const std::string script = std::string(HARBO_SOURCE_DIR) + "/scripts/private-cups.sh";
    std::system(("'" + script + "' stop '" + dir_ + "'").c_str());
  }

  // The files of the jobs that arrived, waiting up to the time given for count of them.
  std::vector<std::string> Jobs(size_t count, std::chrono::seconds wait) const {
    std::vector<std::string> jobs;
    const auto until = std::chrono::steady_clock::now() + wait;
    do {
      jobs.clear();
      for (const auto& entry : std::filesystem::directory_iterator(dir_ + "/out"))
        if (entry.path().extension() != ".part") jobs.push_back(entry.path().string());
      if (jobs.size() >= count) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < until);
    return jobs;
  }

 private:
  std::string dir_;
  bool started_ = false;
};
