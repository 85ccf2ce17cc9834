// The registry as fontfix uses it: three operations with the status-code
// contract of the Windows registry (0 on success, a Windows error code
// otherwise). Abstract so the run can be tested against an in-memory registry.
#pragma once

#include <cstdint>

namespace fontfix {

// LONG on Windows: what every registry call returns.
using RegStatus = std::int32_t;
// An open key; the value is only meaningful to the registry that issued it.
using KeyHandle = std::uintptr_t;

// The Windows values of the constants the run passes and the tests look for,
// named after them: HKEY_LOCAL_MACHINE, KEY_READ, KEY_ALL_ACCESS, REG_SZ and
// the ERROR_ codes. The Windows backend checks all but the root key against
// its headers at compile time.
inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr RegStatus kErrorSuccess = 0;
inline constexpr RegStatus kErrorFileNotFound = 2;
inline constexpr RegStatus kErrorAccessDenied = 5;
inline constexpr RegStatus kErrorInvalidHandle = 6;

class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyExW: opens the existing key `subKey` (NUL-terminated UTF-16)
  // under the predefined key `root` with the `access` mask. Never creates a
  // key. On success stores the handle in *key.
  virtual RegStatus OpenKey(std::uint32_t root, const char16_t* subKey,
                            std::uint32_t options, std::uint32_t access,
                            KeyHandle* key) = 0;

  // RegSetValueExW: creates the value `name` under `key`, or replaces the type
  // and data of the value of that name.
  virtual RegStatus SetValue(KeyHandle key, const char16_t* name,
                             std::uint32_t type, const std::uint8_t* data,
                             std::uint32_t byteCount) = 0;

  // RegCloseKey: releases a handle from OpenKey.
  virtual RegStatus CloseKey(KeyHandle key) = 0;
};

// Owns an open key and closes it when it goes out of scope. The result of
// the close is ignored: there is nothing useful to do about it.
class ScopedKey {
 public:
  ScopedKey(Registry& registry, KeyHandle key)
      : registry_(registry), key_(key) {}
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() { registry_.CloseKey(key_); }

  KeyHandle get() const { return key_; }

 private:
  Registry& registry_;
  KeyHandle key_;
};

}  // namespace fontfix
