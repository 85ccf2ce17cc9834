// Owners for the Windows handles the integration tests use.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace fontfix::wintest {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle =
    std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

struct HkeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueHkey = std::unique_ptr<std::remove_pointer_t<HKEY>, HkeyCloser>;

struct ModuleFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule =
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

}  // namespace fontfix::wintest
