#pragma once
#include <mutex>
#include <string>

#include "app/logging.h"

namespace tovik {

// The program's diagnostic log (zqLogging). Each Log call adds one record and
// appends it to the log file at once; while no file is set, records wait and
// go out with the first save that has one.
class TzqLogging {
 public:
  // Full path of the log file, UTF-8; empty keeps records buffered.
  void SetLogFile(std::string path);
  std::string LogFile() const;

  // Never throws: a record that cannot be written is lost, the program goes on.
  void Log(const LogEntry& entry) noexcept;
  void SaveLog() noexcept;

 private:
  void SaveLocked() noexcept;

  mutable std::mutex lock_;
  std::string logFile_;
  std::string pending_;  // whole records, CR LF lines
};

}  // namespace tovik
