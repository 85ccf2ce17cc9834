// Runs a program the way a script would and keeps everything it said.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace fontfix::wintest {

struct ProcessResult {
  std::string out;  // Every byte written to standard output.
  std::string err;  // Every byte written to standard error.
  DWORD exitCode = 0;
};

// Starts `program` with `args`, waits for it to end and returns what it
// wrote and its 32-bit exit code. Fails the calling test if it cannot start.
ProcessResult RunProgram(const std::wstring& program,
                         const std::vector<std::wstring>& args = {});

// A file beside this test program: the build puts fontfix.exe there.
std::wstring BesideThisProgram(const std::wstring& fileName);

}  // namespace fontfix::wintest
