#include "child_process.h"

#include <gtest/gtest.h>

#include "win_handles.h"

namespace fontfix::wintest {
namespace {

// Reads the pipe until every writer has closed it.
std::string ReadAll(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    text.append(buffer, got);
  }
  return text;
}

struct Pipe {
  UniqueHandle read;
  UniqueHandle write;  // Inherited by the child.
};

Pipe MakePipe() {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  EXPECT_TRUE(CreatePipe(&read, &write, &inherit, 0));
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  return Pipe{UniqueHandle(read), UniqueHandle(write)};
}

}  // namespace

ProcessResult RunProgram(const std::wstring& program,
                         const std::vector<std::wstring>& args) {
  std::wstring commandLine = L"\"" + program + L"\"";
  for (const std::wstring& arg : args) commandLine += L" \"" + arg + L"\"";

  Pipe out = MakePipe();
  Pipe err = MakePipe();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out.write.get();
  startup.hStdError = err.write.get();
  PROCESS_INFORMATION info{};
  ProcessResult result;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                      TRUE, 0, nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "cannot start the program, error " << GetLastError();
    result.exitCode = 0xDEAD;
    return result;
  }
  UniqueHandle process(info.hProcess);
  UniqueHandle thread(info.hThread);
  // Only the child may hold the write ends now, so the reads see its end.
  out.write.reset();
  err.write.reset();
  result.out = ReadAll(out.read.get());
  result.err = ReadAll(err.read.get());
  EXPECT_EQ(WaitForSingleObject(process.get(), 30000), WAIT_OBJECT_0);
  EXPECT_TRUE(GetExitCodeProcess(process.get(), &result.exitCode));
  return result;
}

std::wstring BesideThisProgram(const std::wstring& fileName) {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + fileName;
}

}  // namespace fontfix::wintest
