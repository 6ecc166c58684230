#pragma once
// A realistic events file for benchmarks: every kind of line the entry dialog writes (one-off
// events in the past and future, weekly on every weekday and on each of the 20 week
// combinations, monthly, quarterly and yearly by date and by nth weekday, 29 February and day-31
// anchors), reminder codes, texts over several lines ("~"), accented and non-Latin UTF-8 texts and
// a sprinkling of duplicates. The same count and seed give the same lines on every machine.

#include <string>
#include <vector>

namespace orlevant::bench {

std::vector<std::string> GenerateEventLines(int count, unsigned seed);

// Writes the lines as an events file (UTF-8, CR LF). False when the file cannot be written.
bool WriteEventFile(const std::string& path, const std::vector<std::string>& lines);

// A UTF-8 text as Windows-1252, as files made on older systems hold it; a character that code page
// lacks (Greek, Cyrillic, CJK) becomes "?".
std::string ToWindows1252(const std::string& utf8);

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }  // ends with "/"

 private:
  std::string path_;
};

}  // namespace orlevant::bench
