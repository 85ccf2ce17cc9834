// An in-memory registry for tests. It behaves as the Windows registry does
// for what fontfix relies on, records every call in order, and fails chosen
// calls on request.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "registry.h"

namespace fontfix {

using Bytes = std::vector<std::uint8_t>;

struct RegValue {
  std::u16string name{};
  std::uint32_t type = 0;
  Bytes data{};

  bool operator==(const RegValue&) const = default;
};

struct MemoryKey {
  std::uint32_t root = 0;
  std::u16string path{};
  // Values in the order they were created.
  std::vector<RegValue> values{};
  // A standard user's view: opening for anything beyond KEY_READ is denied.
  bool readOnly = false;

  // Case-insensitive, as Windows compares value names.
  const RegValue* FindValue(const std::u16string& name) const;
  RegValue* FindValue(const std::u16string& name);
};

// One call into the registry, with its arguments and result.
struct RegCall {
  enum class Op { kOpen, kSet, kClose };
  Op op;
  RegStatus result = kErrorSuccess;
  KeyHandle key = 0;  // The handle opened, written to or closed.
  // kOpen only.
  std::uint32_t root = 0;
  std::u16string path{};
  std::uint32_t options = 0;
  std::uint32_t access = 0;
  // kSet only.
  std::u16string name{};
  std::uint32_t type = 0;
  Bytes data{};  // Exactly byteCount bytes, as passed.
};

class MemoryRegistry final : public Registry {
 public:
  // Creates the key (or returns the existing one); tests build the registry
  // with this, the run never creates keys.
  MemoryKey& AddKey(std::uint32_t root, const std::u16string& path);
  const MemoryKey* FindKey(std::uint32_t root,
                           const std::u16string& path) const;

  RegStatus OpenKey(std::uint32_t root, const char16_t* subKey,
                    std::uint32_t options, std::uint32_t access,
                    KeyHandle* key) override;
  RegStatus SetValue(KeyHandle key, const char16_t* name, std::uint32_t type,
                     const std::uint8_t* data,
                     std::uint32_t byteCount) override;
  RegStatus CloseKey(KeyHandle key) override;

  // Every call, in order.
  std::vector<RegCall> calls;
  // SetValue of a value of this name (matched exactly) fails with the code
  // given, changing nothing.
  std::map<std::u16string, RegStatus> setValueErrors;
  // Handles opened and not yet closed.
  std::map<KeyHandle, MemoryKey*> openKeys;

 private:
  // A deque, so that the pointers in openKeys survive AddKey.
  std::deque<MemoryKey> keys_;
  KeyHandle nextHandle_ = 0x100;
};

}  // namespace fontfix
