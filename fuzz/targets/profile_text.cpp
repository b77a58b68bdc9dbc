// The store's text decoding: registry bytes of any type and length read as text and numbers, profile lines read
// as the profile functions read them, UTF-8, decimal numbers, the on-screen settings' numbers, and cuts to a
// double-byte code page's byte count.
#include "FuzzInput.h"
#include "mainwnd/MainModel.h"
#include "mainwnd/OnScreenData.h"
#include "store/MemoryStore.h"
#include "store/SettingsStore.h"
#include "store/Text.h"

using namespace tapstart;

namespace {

void RegistryBytes(FuzzedDataProvider& in, MemoryStore& mem, SettingsStore& store) {
  RegValue v;
  v.type = in.ConsumeIntegralInRange<uint32_t>(0, 8);
  const std::string bytes = in.ConsumeRandomLengthString(5000);
  v.data.assign(bytes.begin(), bytes.end());
  mem.Put(Hive::CurrentUser, kProductKey, u"Value", v);
  const std::u16string text = store.GetRegString(Hive::CurrentUser, kProductKey, u"Value", u"fallback");
  const bool isText = (v.type == kRegSz || v.type == kRegExpandSz) && v.data.size() <= kStringBufferBytes;
  if (!isText) fuzz::Check(text == u"fallback");
  fuzz::Check(text.size() <= kMaxTextChars);
  if (isText) fuzz::Check(text.find(u'\0') == std::u16string::npos);
  const int32_t number = store.GetRegDword(Hive::CurrentUser, kProductKey, u"Value", -7);
  if (v.type != kRegDword || v.data.size() != 4) fuzz::Check(number == -7);
}

void ProfileLines(FuzzedDataProvider& in, MemoryStore& mem, SettingsStore& store) {
  store.useIniFile = true;
  const std::u16string raw = fuzz::Utf16Text(in, 3000);
  mem.PutProfileLine(store.profileFile, u"USER1", u"Btn1_Name", raw);
  const std::u16string read = store.GetProfileText(u"USER1", u"Btn1_Name", u"");
  fuzz::Check(read.size() <= kMaxTextChars && read.size() <= raw.size());
  (void)store.GetProfileNumber(u"USER1", u"Btn1_Name", u"3", store.profileFile);
  // What a write stores reads back without its blanks and its first line break.
  const std::u16string written = fuzz::Utf16Text(in, 300);
  fuzz::Check(store.WriteProfileText(u"USER2", u"Key", written));
  const std::u16string back = store.GetProfileText(u"USER2", u"Key", u"");
  fuzz::Check(back.size() <= written.size());

  for (const char16_t* key : {u"OnScreen", u"FontName", u"FontSize", u"Color"})
    mem.PutProfileLine(store.profileFile, u"ONSCREEN", key, fuzz::Utf16Text(in, 40));
  ONSCREEN_DATA defaults;
  defaults.face = u"Arial";
  const ONSCREEN_DATA osd = ReadOnScreen(store, defaults, LookupIn({u"Arial", u"MS UI Gothic"}));
  fuzz::Check(osd.on <= 1 && osd.size >= 1 && osd.size <= 5);
  fuzz::Check(osd.face == u"Arial" || osd.face == u"MS UI Gothic");
}

void Conversions(FuzzedDataProvider& in) {
  const std::string utf8 = in.ConsumeRandomLengthString(2000);
  const std::u16string decoded = FromUtf8(utf8);
  fuzz::Check(FromUtf8(ToUtf8(decoded)) == decoded);
  const std::u16string units = fuzz::Utf16Text(in, 2000);
  (void)ToUtf8(units);
  (void)DecimalValue(units);
  const size_t maxBytes = in.ConsumeIntegralInRange<size_t>(0, 60);
  const std::u16string cut = CutToAnsiBytes(units, maxBytes, fuzz::DoubleByteCount);
  fuzz::Check(fuzz::DoubleByteCount(cut) <= maxBytes || cut == units);
  fuzz::Check(units.compare(0, cut.size(), cut) == 0);
  const std::u16string shorter = CutUnits(units, maxBytes);
  fuzz::Check(shorter.size() <= maxBytes && units.compare(0, shorter.size(), shorter) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  MemoryStore mem;
  SettingsStore store(mem);
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
      RegistryBytes(in, mem, store);
      break;
    case 1:
      ProfileLines(in, mem, store);
      break;
    default:
      Conversions(in);
      break;
  }
  return 0;
}
