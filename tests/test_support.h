// Helpers shared by the unit tests.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "expected_fonts.h"
#include "memory_registry.h"

namespace fontfix {

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

}  // namespace fontfix
