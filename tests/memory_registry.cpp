#include "memory_registry.h"

#include <algorithm>

namespace fontfix {
namespace {

char16_t FoldCase(char16_t c) {
  return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool SameName(const std::u16string& a, const std::u16string& b) {
  return std::equal(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

template <typename Values>
auto FindIn(Values& values, const std::u16string& name) {
  auto it = std::find_if(values.begin(), values.end(), [&](const auto& value) {
    return SameName(value.name, name);
  });
  return it == values.end() ? nullptr : &*it;
}

template <typename Keys>
auto FindKeyIn(Keys& keys, std::uint32_t root, const std::u16string& path) {
  auto it = std::find_if(keys.begin(), keys.end(), [&](const auto& key) {
    return key.root == root && SameName(key.path, path);
  });
  return it == keys.end() ? nullptr : &*it;
}

}  // namespace

const RegValue* MemoryKey::FindValue(const std::u16string& name) const {
  return FindIn(values, name);
}

RegValue* MemoryKey::FindValue(const std::u16string& name) {
  return FindIn(values, name);
}

MemoryKey& MemoryRegistry::AddKey(std::uint32_t root,
                                  const std::u16string& path) {
  if (MemoryKey* existing = FindKeyIn(keys_, root, path)) return *existing;
  keys_.push_back(MemoryKey{.root = root, .path = path});
  return keys_.back();
}

const MemoryKey* MemoryRegistry::FindKey(std::uint32_t root,
                                         const std::u16string& path) const {
  return FindKeyIn(keys_, root, path);
}

RegStatus MemoryRegistry::OpenKey(std::uint32_t root, const char16_t* subKey,
                                  std::uint32_t options, std::uint32_t access,
                                  KeyHandle* key) {
  RegCall& call = calls.emplace_back(RegCall{.op = RegCall::Op::kOpen,
                                             .root = root,
                                             .path = subKey,
                                             .options = options,
                                             .access = access});
  MemoryKey* found = FindKeyIn(keys_, root, call.path);
  if (found == nullptr) return call.result = kErrorFileNotFound;
  if (found->readOnly && (access & ~kKeyRead) != 0) {
    return call.result = kErrorAccessDenied;
  }
  call.key = *key = nextHandle_++;
  openKeys[call.key] = found;
  return kErrorSuccess;
}

RegStatus MemoryRegistry::SetValue(KeyHandle key, const char16_t* name,
                                   std::uint32_t type, const std::uint8_t* data,
                                   std::uint32_t byteCount) {
  RegCall& call =
      calls.emplace_back(RegCall{.op = RegCall::Op::kSet,
                                 .key = key,
                                 .name = name,
                                 .type = type,
                                 .data = Bytes(data, data + byteCount)});
  auto open = openKeys.find(key);
  if (open == openKeys.end()) return call.result = kErrorInvalidHandle;
  if (auto error = setValueErrors.find(call.name);
      error != setValueErrors.end()) {
    return call.result = error->second;
  }
  MemoryKey& target = *open->second;
  if (RegValue* existing = target.FindValue(call.name)) {
    existing->type = type;
    existing->data = call.data;
  } else {
    target.values.push_back(
        RegValue{.name = call.name, .type = type, .data = call.data});
  }
  return kErrorSuccess;
}

RegStatus MemoryRegistry::CloseKey(KeyHandle key) {
  RegCall& call =
      calls.emplace_back(RegCall{.op = RegCall::Op::kClose, .key = key});
  if (openKeys.erase(key) == 0) return call.result = kErrorInvalidHandle;
  return kErrorSuccess;
}

}  // namespace fontfix
