// The settings store over a backend: the one reader and writer of the layout that the installer and the
// resident button handler rely on.
#include "SettingsStore.h"

#include "Text.h"

namespace tapstart {

std::u16string SettingsStore::GetRegString(Hive hive, std::u16string_view key, std::u16string_view value,
                                           std::u16string_view fallback) const {
  const auto v = backend_.QueryValue(hive, key, value, kStringBufferBytes);
  // Only text types are text: a number or binary data under a text's name reads as the default.
  if (!v || (v->type != kRegSz && v->type != kRegExpandSz)) return std::u16string(fallback);
  std::u16string text;
  // An odd byte count leaves half a character, which is dropped; the text ends at the first zero or after
  // 2047 characters, whichever comes first, whether or not the value carries a terminator.
  const size_t chars = v->data.size() / 2;
  for (size_t i = 0; i < chars && text.size() < kMaxTextChars; ++i) {
    const char16_t c = static_cast<char16_t>(v->data[2 * i] | (v->data[2 * i + 1] << 8));
    if (c == 0) break;
    text.push_back(c);
  }
  return text;
}

int32_t SettingsStore::GetRegDword(Hive hive, std::u16string_view key, std::u16string_view value,
                                   int32_t fallback) const {
  const auto v = backend_.QueryValue(hive, key, value, 4);
  if (!v || v->type != kRegDword || v->data.size() != 4) return fallback;
  return static_cast<int32_t>(static_cast<uint32_t>(v->data[0]) | (static_cast<uint32_t>(v->data[1]) << 8) |
                              (static_cast<uint32_t>(v->data[2]) << 16) | (static_cast<uint32_t>(v->data[3]) << 24));
}

bool SettingsStore::SetRegString(std::u16string_view key, std::u16string_view value, std::u16string_view text) {
  const StoreHold hold = Hold();
  if (!hold.Held()) return false;
  RegValue v;
  v.type = kRegSz;
  // No terminator is stored: the byte count is twice the text length.
  for (char16_t c : CutUnits(text, kMaxTextChars)) {
    v.data.push_back(static_cast<uint8_t>(c & 0xFF));
    v.data.push_back(static_cast<uint8_t>(c >> 8));
  }
  return backend_.SetValue(key, value, v);
}

bool SettingsStore::SetRegDword(std::u16string_view key, std::u16string_view value, int32_t number) {
  const StoreHold hold = Hold();
  if (!hold.Held()) return false;
  const auto n = static_cast<uint32_t>(number);
  return backend_.SetValue(key, value,
                           RegValue{kRegDword,
                                    {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8),
                                     static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 24)}});
}

std::u16string SettingsStore::MapProfileRead(std::u16string_view section, std::u16string_view key,
                                             std::u16string_view fallback) const {
  const StoreLocation loc = MapProfileKey(section, key);
  if (!loc.mapped) return {};
  if (loc.kind == ValueKind::Number)
    return DecimalText(GetRegDword(Hive::CurrentUser, loc.key, loc.value, DecimalValue(fallback)));
  return GetRegString(Hive::CurrentUser, loc.key, loc.value, fallback);
}

bool SettingsStore::MapProfileWrite(std::u16string_view section, std::u16string_view key, std::u16string_view text) {
  const StoreLocation loc = MapProfileKey(section, key);
  if (!loc.mapped) return false;  // nothing in the user tree holds such a section
  if (loc.kind == ValueKind::Number) return SetRegDword(loc.key, loc.value, DecimalValue(text));
  return SetRegString(loc.key, loc.value, text);
}

std::u16string SettingsStore::GetProfileText(std::u16string_view section, std::u16string_view key,
                                             std::u16string_view fallback, std::u16string_view file) const {
  const StoreHold hold = Hold();
  if (Mapped(file)) return MapProfileRead(section, key, fallback);
  return backend_.ProfileRead(file, section, key, fallback, kMaxTextChars + 1);
}

int32_t SettingsStore::GetProfileNumber(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view fallback, std::u16string_view file) const {
  const StoreHold hold = Hold();
  if (Mapped(file)) return DecimalValue(MapProfileRead(section, key, fallback));
  return backend_.ProfileReadInt(file, section, key, DecimalValue(fallback));
}

bool SettingsStore::WriteProfileText(std::u16string_view section, std::u16string_view key, std::u16string_view text,
                                     std::u16string_view file) {
  const StoreHold hold = Hold();
  if (!hold.Held()) return false;
  if (Mapped(file)) return MapProfileWrite(section, key, text);
  return backend_.ProfileWrite(file, section, key, text);
}

int32_t SettingsStore::ReadMainNumber(std::u16string_view key) const {
  return GetProfileNumber(u"VARDENZEB", key, u"1", profileFile);
}

int SettingsStore::StorageSlot(int b) const {
  const int v = GetRegDword(Hive::LocalMachine, kConvAppKeyKey, u"AppKey" + DecimalText(b), 0);
  return v >= 1 && v <= kButtonSlots && v != b ? v : b;
}

namespace {
int SlotCount(int recordsInUse) {
  return recordsInUse < 0 ? 0 : (recordsInUse > kButtonSlots ? kButtonSlots : recordsInUse);
}
}  // namespace

void SettingsStore::LoadUserData(int n, USER_DATA& record) const {
  const StoreHold hold = Hold();
  const std::u16string section = u"USER" + DecimalText(n);
  record.name = GetProfileText(section, u"UserName", defaults.name);
  for (int b = 1; b <= SlotCount(recordsInUse); ++b) {
    const APPKEY_DATA& def = defaults.buttons[b - 1];
    APPKEY_DATA& rec = record.buttons[b - 1];
    const std::u16string prefix = u"Btn" + DecimalText(StorageSlot(b));
    rec.code = Trim(GetProfileText(section, prefix + u"_Exec", def.code));
    const int32_t count = DecimalValue(GetProfileText(section, prefix + u"_NumAP", DecimalText(def.count)));
    rec.count = count >= 1 && count <= kProgramsPerButton ? count : 0;
    rec.name = GetProfileText(section, prefix + u"_Name", def.name);
    for (int k = 1; k <= kProgramsPerButton; ++k) {
      const std::u16string v = GetProfileText(section, prefix + u"_AP" + DecimalText(k), u"FALSE");
      if (v == u"FALSE") {
        rec.command[k - 1] = def.command[k - 1];
        rec.parameters[k - 1] = def.parameters[k - 1];
      } else {
        SplitCommand(v, rec.command[k - 1], rec.parameters[k - 1]);
      }
    }
    for (int k = 1; k <= kProgramsPerButton; ++k)
      rec.title[k - 1] = GetProfileText(section, prefix + u"_Title" + DecimalText(k), def.title[k - 1]);
  }
}

bool SettingsStore::SaveUserData(int n, USER_DATA& record) {
  const StoreHold hold = Hold();
  if (!hold.Held()) return false;
  const std::u16string section = u"USER" + DecimalText(n);
  bool ok = WriteProfileText(section, u"UserName", record.name);
  for (int b = 1; b <= SlotCount(recordsInUse); ++b) {
    APPKEY_DATA& rec = record.buttons[b - 1];
    const std::u16string prefix = u"Btn" + DecimalText(StorageSlot(b));
    ok &= WriteProfileText(section, prefix + u"_Exec", rec.code);
    ok &= WriteProfileText(section, prefix + u"_NumAP", DecimalText(rec.count));
    if (rec.name.empty()) rec.name = u" ";
    ok &= WriteProfileText(section, prefix + u"_Name", rec.name);
    for (int k = 1; k <= kProgramsPerButton; ++k) {
      rec.parameters[k - 1] = Trim(rec.parameters[k - 1]);
      std::u16string value = rec.command[k - 1];
      if (!rec.parameters[k - 1].empty() && !Contains(value, u"|")) value += u"|" + rec.parameters[k - 1];
      if (useIniFile && value.empty()) value = u" ";
      ok &= WriteProfileText(section, prefix + u"_AP" + DecimalText(k), value);
    }
    for (int k = 1; k <= kProgramsPerButton; ++k)
      ok &= WriteProfileText(section, prefix + u"_Title" + DecimalText(k), rec.title[k - 1]);
  }
  return ok;
}

}  // namespace tapstart
