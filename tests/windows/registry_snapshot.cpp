#include "registry_snapshot.h"

#include <gtest/gtest.h>

namespace fontfix::wintest {

KeyValues ReadValues(HKEY key) {
  DWORD count = 0;
  DWORD maxName = 0;
  DWORD maxData = 0;
  EXPECT_EQ(
      RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, &count, &maxName, &maxData, nullptr, nullptr),
      ERROR_SUCCESS);
  KeyValues values;
  for (DWORD index = 0; index < count; ++index) {
    std::wstring name(maxName + 1, L'\0');
    DWORD nameLength = maxName + 1;
    StoredValue value;
    value.data.resize(maxData);
    DWORD dataSize = maxData;
    EXPECT_EQ(RegEnumValueW(key, index, name.data(), &nameLength, nullptr,
                            &value.type, value.data.data(), &dataSize),
              ERROR_SUCCESS);
    name.resize(nameLength);
    value.data.resize(dataSize);
    values[name] = value;
  }
  return values;
}

void WriteValues(HKEY key, const KeyValues& values) {
  for (const auto& [name, value] : ReadValues(key)) {
    if (!values.contains(name)) {
      EXPECT_EQ(RegDeleteValueW(key, name.c_str()), ERROR_SUCCESS);
    }
  }
  for (const auto& [name, value] : values) {
    EXPECT_EQ(
        RegSetValueExW(key, name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size())),
        ERROR_SUCCESS);
  }
}

}  // namespace fontfix::wintest
