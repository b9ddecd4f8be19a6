// The driver's findings, one line each, to its log file and its standard output.
#pragma once

#include <cstdio>
#include <string>

namespace kvelt::wine {

class CheckReport {
 public:
  explicit CheckReport(const std::wstring& logPath) { log_ = _wfopen(logPath.c_str(), L"wb"); }
  ~CheckReport() {
    if (log_ != nullptr) std::fclose(log_);
  }
  CheckReport(const CheckReport&) = delete;
  CheckReport& operator=(const CheckReport&) = delete;

  // Records one check; `detail` (UTF-8) says what was seen when it fails.
  bool check(bool passed, const std::string& what, const std::string& detail = {}) {
    if (!passed) ++failures_;
    line((passed ? "ok   " : "FAIL ") + what + (passed || detail.empty() ? "" : ": " + detail));
    return passed;
  }
  void note(const std::string& text) { line("     " + text); }
  int failures() const { return failures_; }

 private:
  void line(const std::string& text) {
    std::fprintf(stdout, "%s\n", text.c_str());
    std::fflush(stdout);
    if (log_ != nullptr) {
      std::fprintf(log_, "%s\n", text.c_str());
      std::fflush(log_);
    }
  }
  std::FILE* log_ = nullptr;
  int failures_ = 0;
};

}  // namespace kvelt::wine
