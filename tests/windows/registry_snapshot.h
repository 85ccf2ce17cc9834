// Reading a key's values through the Windows registry API, independently of
// the program under test, and putting them back.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace fontfix::wintest {

struct StoredValue {
  DWORD type = 0;
  std::vector<BYTE> data;

  bool operator==(const StoredValue&) const = default;
};

// Every value of a key, by name.
using KeyValues = std::map<std::wstring, StoredValue>;

KeyValues ReadValues(HKEY key);

// Makes `key` hold exactly `values`: other values are deleted.
void WriteValues(HKEY key, const KeyValues& values);

}  // namespace fontfix::wintest
