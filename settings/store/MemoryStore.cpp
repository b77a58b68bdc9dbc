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

// The profile functions count the DOS end-of-file mark among the blanks around names and values.
bool IsProfileBlank(char16_t c) { return IsBlank(c) || c == 0x1A; }

std::u16string ProfileTrim(std::u16string_view t) {
  size_t b = 0;
  size_t e = t.size();
  while (b < e && IsProfileBlank(t[b])) ++b;
  while (e > b && IsProfileBlank(t[e - 1])) --e;
  return std::u16string(t.substr(b, e - b));
}

// A section or key name as the file compares it: without the blanks around it, letter case ignored.
std::u16string ProfileName(std::u16string_view name) { return AsciiLower(ProfileTrim(name)); }

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

void MemoryStore::PutProfileLine(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                 std::u16string_view raw) {
  profiles_[ProfileFileId(file)][ProfileName(section)][ProfileName(key)] = std::u16string(raw);
}

void MemoryStore::RemoveProfile(std::u16string_view file) { profiles_.erase(ProfileFileId(file)); }

std::optional<std::u16string> MemoryStore::RawProfile(std::u16string_view file, std::u16string_view section,
                                                      std::u16string_view key) const {
  const auto f = profiles_.find(ProfileFileId(file));
  if (f == profiles_.end()) return std::nullopt;
  const auto s = f->second.find(ProfileName(section));
  if (s == f->second.end()) return std::nullopt;
  const auto k = s->second.find(ProfileName(key));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::u16string MemoryStore::ProfileRead(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                        std::u16string_view fallback, size_t bufferChars) const {
  std::u16string out;
  if (const auto raw = RawProfile(file, section, key)) {
    // The file holds "key=value": the value is read without the blanks around it and without one pair of
    // matching quotes.
    out = ProfileTrim(*raw);
    if (out.size() >= 2 && (out.front() == u'"' || out.front() == u'\'') && out.back() == out.front())
      out = out.substr(1, out.size() - 2);
  } else {
    // The default loses its trailing blanks (spaces only), but never its first character: a default of
    // blanks only reads as one blank.
    size_t end = fallback.size();
    while (end > 1 && fallback[end - 1] == u' ') --end;
    out = fallback.substr(0, end);
  }
  if (bufferChars == 0) return {};
  return out.substr(0, bufferChars - 1);
}

int32_t MemoryStore::ProfileReadInt(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                    int32_t fallback) const {
  // The system reads the value as text into 30 characters; an empty text gives the default. The number is
  // then read as the system's decimal conversion does: control characters and blanks skipped, one sign,
  // digits up to the first other character, wrapping at 32 bits.
  const auto text = ProfileRead(file, section, key, u"", 30);
  if (text.empty()) return fallback;
  size_t i = 0;
  while (i < text.size() && text[i] <= u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  uint32_t v = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) v = v * 10u + (text[i] - u'0');
  return static_cast<int32_t>(negative ? 0u - v : v);
}

bool MemoryStore::ProfileWrite(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                               std::u16string_view text) {
  // A line break, carriage return or line feed, would start a new line of the file: the value keeps what
  // comes before it. The write drops the blanks in front of the value.
  std::u16string_view line = text.substr(0, text.find_first_of(u"\r\n"));
  while (!line.empty() && IsProfileBlank(line.front())) line.remove_prefix(1);
  profiles_[ProfileFileId(file)][ProfileName(section)][ProfileName(key)] = std::u16string(line);
  return true;
}

}  // namespace tapstart
