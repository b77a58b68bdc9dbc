// In-memory registry and profile files with the system's rules: case-insensitive names, keys created with
// their parents, size-limited reads, profile values trimmed and unquoted on reading.
#include "MemoryStore.h"

#include "Text.h"

namespace tapstart {
namespace {

// Key paths compare without letter case; separators at either end and doubled ones do not count.
std::u16string NormalKey(std::u16string_view key) {
  std::u16string out;
  for (char16_t c : key) {
    if (c == u'\\' && (out.empty() || out.back() == u'\\')) continue;
    out.push_back(c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c);
  }
  while (!out.empty() && out.back() == u'\\') out.pop_back();
  return out;
}

std::u16string ProfileFileId(std::u16string_view file) {
  std::u16string f = AsciiLower(file);
  const auto slash = f.find_last_of(u"\\/");
  // A bare name and the same name in the Windows directory are one file.
  if (slash != std::u16string::npos && AsciiLower(f.substr(0, slash)).ends_with(u"windows")) f = f.substr(slash + 1);
  return f;
}

}  // namespace

RegValue StringValue(std::u16string_view text, bool withTerminator) {
  RegValue v;
  v.type = kRegSz;
  for (char16_t c : text) {
    v.data.push_back(static_cast<uint8_t>(c & 0xFF));
    v.data.push_back(static_cast<uint8_t>(c >> 8));
  }
  if (withTerminator) v.data.insert(v.data.end(), {0, 0});
  return v;
}

RegValue DwordValue(uint32_t n) {
  return RegValue{kRegDword,
                  {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
                   static_cast<uint8_t>(n >> 24)}};
}

std::u16string MemoryStore::KeyId(Hive hive, std::u16string_view key) {
  return (hive == Hive::CurrentUser ? u"hkcu\\" : u"hklm\\") + NormalKey(key);
}

bool MemoryStore::CanOpenKey(Hive hive, std::u16string_view key) const {
  const auto id = KeyId(hive, key);
  return keys_.count(id) != 0 && unreadable_.count(id) == 0;
}

std::optional<RegValue> MemoryStore::QueryValue(Hive hive, std::u16string_view key, std::u16string_view name,
                                                size_t maxBytes) const {
  if (!CanOpenKey(hive, key)) return std::nullopt;
  const auto& values = keys_.at(KeyId(hive, key));
  const auto it = values.find(AsciiLower(name));
  if (it == values.end() || it->second.data.size() > maxBytes) return std::nullopt;
  return it->second;
}

bool MemoryStore::SetValue(std::u16string_view key, std::u16string_view name, const RegValue& value) {
  const auto id = KeyId(Hive::CurrentUser, key);
  for (const auto& denied : unwritable_)
    if (id == denied || id.starts_with(denied + u"\\")) return false;
  Put(Hive::CurrentUser, key, name, value);
  return true;
}

void MemoryStore::PutKey(Hive hive, std::u16string_view key) {
  const auto id = KeyId(hive, key);
  for (size_t p = id.find(u'\\'); p != std::u16string::npos; p = id.find(u'\\', p + 1)) keys_[id.substr(0, p)];
  keys_[id];
}

void MemoryStore::Put(Hive hive, std::u16string_view key, std::u16string_view name, const RegValue& value) {
  PutKey(hive, key);
  keys_[KeyId(hive, key)][AsciiLower(name)] = value;
}

std::optional<RegValue> MemoryStore::Get(Hive hive, std::u16string_view key, std::u16string_view name) const {
  const auto k = keys_.find(KeyId(hive, key));
  if (k == keys_.end()) return std::nullopt;
  const auto v = k->second.find(AsciiLower(name));
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

void MemoryStore::DenyRead(Hive hive, std::u16string_view key) {
  PutKey(hive, key);
  unreadable_.insert(KeyId(hive, key));
}

void MemoryStore::DenyWrite(std::u16string_view key) { unwritable_.insert(KeyId(Hive::CurrentUser, key)); }

std::optional<std::u16string> MemoryStore::RawProfile(std::u16string_view file, std::u16string_view section,
                                                      std::u16string_view key) const {
  const auto f = profiles_.find(ProfileFileId(file));
  if (f == profiles_.end()) return std::nullopt;
  const auto s = f->second.find(AsciiLower(Trim(section)));
  if (s == f->second.end()) return std::nullopt;
  const auto k = s->second.find(AsciiLower(Trim(key)));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::u16string MemoryStore::ProfileRead(std::u16string_view file, std::u16string_view section,
                                              std::u16string_view key, std::u16string_view fallback,
                                              size_t bufferChars) const {
  std::u16string out;
  if (const auto raw = RawProfile(file, section, key)) {
    // The file holds "key=value": the value is read without the blanks around it and without one pair of
    // matching quotes.
    out = Trim(*raw);
    if (out.size() >= 2 && (out.front() == u'"' || out.front() == u'\'') && out.back() == out.front())
      out = out.substr(1, out.size() - 2);
  } else {
    // The default loses its trailing blanks.
    out = TrimRight(fallback);
  }
  if (bufferChars == 0) return {};
  return out.substr(0, bufferChars - 1);
}

int32_t MemoryStore::ProfileReadInt(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                    int32_t fallback) const {
  const auto text = ProfileRead(file, section, key, u"", 2048);
  if (text.empty()) return fallback;
  return DecimalValue(text);
}

bool MemoryStore::ProfileWrite(std::u16string_view file, std::u16string_view section,
                                     std::u16string_view key, std::u16string_view text) {
  // Line breaks would start a new line of the file; the value keeps what comes before them.
  std::u16string line(text.substr(0, text.find_first_of(u"\r\n")));
  profiles_[ProfileFileId(file)][AsciiLower(Trim(section))][AsciiLower(Trim(key))] = TrimLeft(line);
  return true;
}

}  // namespace tapstart
