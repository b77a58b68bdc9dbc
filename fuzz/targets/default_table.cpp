// The factory-default set built from a machine tree whose values are the fuzzer's, then a user's set loaded over
// it, in either layout. (Saving and loading again is the store suite's random round trip.)
#include "FuzzInput.h"
#include "mainwnd/DefaultTable.h"
#include "store/MemoryStore.h"
#include "store/SettingsStore.h"
#include "store/Text.h"

using namespace tapstart;

namespace {

// Where values are put: the factory set in both layouts, the slot remapping, and the user's set 1.
std::u16string KeyFor(int which, int slot) {
  const std::u16string b = DecimalText(slot);
  switch (which) {
    case 0:
      return std::u16string(kDefaultSetKey);
    case 1:
      return std::u16string(kDefaultSetKey) + u"\\AppKey" + b;
    case 2:
      return std::u16string(kDefaultUserKey);
    case 3:
      return std::u16string(kConvAppKeyKey);
    default:
      return std::u16string(kProductKey) + u"\\Setting\\Set1\\AppKey" + b;
  }
}

const char16_t* const kNames[] = {u"SetName", u"UserName",  u"Execute",    u"NumAP",     u"DispTitle", u"AP1",
                                  u"AP2",     u"AP5",       u"ProgName1",  u"AppKey1",   u"AppKey3",   u"AppKey6",
                                  u"AppKey8", u"Btn1_Exec", u"Btn2_NumAP", u"Btn3_Name", u"Btn1_AP1",  u"Btn7_AP5"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  MemoryStore mem;
  SettingsStore store(mem);
  store.useIniFile = in.ConsumeBool();
  const int records = in.ConsumeIntegralInRange(-2, 10);
  const int values = in.ConsumeIntegralInRange(0, 40);
  for (int i = 0; i < values; ++i) {
    const int which = in.ConsumeIntegralInRange(0, 4);
    const std::u16string key = KeyFor(which, in.ConsumeIntegralInRange(0, 9));
    const char16_t* name = kNames[in.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)];
    RegValue v;
    v.type = in.ConsumeIntegralInRange<uint32_t>(0, 7);
    const std::string bytes = in.ConsumeRandomLengthString(300);
    v.data.assign(bytes.begin(), bytes.end());
    mem.Put(which == 4 ? Hive::CurrentUser : Hive::LocalMachine, key, name, v);
  }
  const USER_DATA defaults = BuildDefaultTable(store, records);
  for (int b = 0; b < kButtonSlots; ++b) {
    const APPKEY_DATA& r = defaults.buttons[static_cast<size_t>(b)];
    fuzz::Check(r.count >= 0 && r.count <= kProgramsPerButton);
    if (b >= records) fuzz::Check(r == APPKEY_DATA{});
  }

  store.defaults = defaults;
  store.recordsInUse = records;
  USER_DATA set;
  store.LoadUserData(1, set);
  for (int b = 0; b < kButtonSlots; ++b) {
    const APPKEY_DATA& r = set.buttons[static_cast<size_t>(b)];
    fuzz::Check(r.count >= 0 && r.count <= kProgramsPerButton);
    if (b >= records) fuzz::Check(r == APPKEY_DATA{});
  }
  return 0;
}
