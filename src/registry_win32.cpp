#include "registry_win32.h"

#include <windows.h>

namespace fontfix {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));
static_assert(kKeyRead == KEY_READ && kKeyAllAccess == KEY_ALL_ACCESS);
static_assert(kRegSz == REG_SZ);
static_assert(kErrorSuccess == ERROR_SUCCESS &&
              kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
              kErrorAccessDenied == ERROR_ACCESS_DENIED &&
              kErrorInvalidHandle == ERROR_INVALID_HANDLE);

constexpr DWORD kReserved = 0;

// On Windows, wchar_t is the same 16-bit unit as char16_t.
const wchar_t* AsWideText(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

// Predefined keys are sign-extended 32-bit values, as Windows defines them.
HKEY PredefinedKey(std::uint32_t root) {
  return reinterpret_cast<HKEY>(
      static_cast<INT_PTR>(static_cast<std::int32_t>(root)));
}

HKEY ToHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

RegStatus Win32Registry::OpenKey(std::uint32_t root, const char16_t* subKey,
                                 std::uint32_t options, std::uint32_t access,
                                 KeyHandle* key) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExW(PredefinedKey(root), AsWideText(subKey),
                                    options, access, &opened);
  if (status == ERROR_SUCCESS) *key = reinterpret_cast<KeyHandle>(opened);
  return status;
}

RegStatus Win32Registry::SetValue(KeyHandle key, const char16_t* name,
                                  std::uint32_t type, const std::uint8_t* data,
                                  std::uint32_t byteCount) {
  return RegSetValueExW(ToHkey(key), AsWideText(name), kReserved, type, data,
                        byteCount);
}

RegStatus Win32Registry::CloseKey(KeyHandle key) {
  return RegCloseKey(ToHkey(key));
}

}  // namespace fontfix
