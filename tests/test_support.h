// Helpers shared by the unit tests.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "memory_registry.h"

namespace fontpatch {

// The UTF-16LE bytes of ASCII `text` followed by a NUL code unit, built
// independently of the program's own conversion.
inline Bytes Utf16LeWithNul(const std::string& text) {
  Bytes bytes;
  for (char c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c));
    bytes.push_back(0);
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

inline std::u16string Utf16(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

// A stream to hand to the run in place of standard output; Text() returns
// every byte written to it.
class CapturedOutput {
 public:
  std::FILE* stream() const { return file_.get(); }

  std::string Text() const {
    std::fflush(file_.get());
    std::rewind(file_.get());
    std::string text;
    for (int c; (c = std::fgetc(file_.get())) != EOF;) {
      text.push_back(static_cast<char>(c));
    }
    return text;
  }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_{std::tmpfile()};
};

}  // namespace fontpatch
