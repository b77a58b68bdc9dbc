// The libraries each program has the loader bring in before its first line runs. Every one of them costs start
// time on each button press (Runvoy, Register) or on each opening of the settings (Pantik); the others are
// loaded on the paths that use them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "Driver_win32.h"

namespace tapstart {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The import table's library names, read from the file on disk. An empty set with ok false when the file is
// not a 64-bit program the reader understands.
struct Imports {
  bool ok = false;
  std::set<std::string> libraries;
};

Imports ReadImports(const std::wstring& path) {
  Imports out;
  std::ifstream in(path.c_str(), std::ios::binary);
  const std::vector<char> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto at = [&](size_t offset, size_t size) { return offset <= file.size() && size <= file.size() - offset; };
  IMAGE_DOS_HEADER dos{};
  if (!at(0, sizeof dos)) return out;
  std::memcpy(&dos, file.data(), sizeof dos);
  IMAGE_NT_HEADERS64 nt{};
  if (dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0 || !at(static_cast<size_t>(dos.e_lfanew), sizeof nt))
    return out;
  std::memcpy(&nt, file.data() + dos.e_lfanew, sizeof nt);
  if (nt.Signature != IMAGE_NT_SIGNATURE || nt.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) return out;
  const size_t sections = static_cast<size_t>(dos.e_lfanew) + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                          nt.FileHeader.SizeOfOptionalHeader;
  // A relative address inside the image as an offset into the file, or SIZE_MAX.
  const auto fileOffset = [&](DWORD rva) -> size_t {
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
      IMAGE_SECTION_HEADER s{};
      if (!at(sections + i * sizeof s, sizeof s)) return SIZE_MAX;
      std::memcpy(&s, file.data() + sections + i * sizeof s, sizeof s);
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + std::max(s.Misc.VirtualSize, s.SizeOfRawData))
        return rva - s.VirtualAddress + s.PointerToRawData;
    }
    return SIZE_MAX;
  };
  const IMAGE_DATA_DIRECTORY& dir = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  size_t entry = fileOffset(dir.VirtualAddress);
  for (;; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    IMAGE_IMPORT_DESCRIPTOR d{};
    if (entry == SIZE_MAX || !at(entry, sizeof d)) return out;
    std::memcpy(&d, file.data() + entry, sizeof d);
    if (d.Name == 0) break;
    const size_t name = fileOffset(d.Name);
    if (name == SIZE_MAX || !at(name, 1)) return out;
    const char* begin = file.data() + name;
    out.libraries.insert(Lower(std::string(begin, strnlen(begin, file.size() - name))));
  }
  out.ok = true;
  return out;
}

TEST(ProgramImports, EachProgramLoadsOnlyWhatEveryStartUses) {
  struct Case {
    const wchar_t* program;
    std::set<std::string> allowed;
  };
  const std::set<std::string> base = {"kernel32.dll", "msvcrt.dll"};
  const auto with = [&](std::initializer_list<const char*> more) {
    std::set<std::string> s = base;
    s.insert(more.begin(), more.end());
    return s;
  };
  for (const Case& c : {
           // The main window itself: dialogs, common controls, drawing, the store, OLE for drag and drop.
           Case{L"Pantik.exe", with({"user32.dll", "gdi32.dll", "comctl32.dll", "advapi32.dll", "ole32.dll"})},
           // The stored value; the shell and the window system only on the ways that use them.
           Case{L"Runvoy.exe", with({"advapi32.dll"})},
           // The question box; the shell only once the settings program is to be started.
           Case{L"Register.exe", with({"user32.dll"})},
       }) {
    SCOPED_TRACE(std::string(c.program, c.program + wcslen(c.program)));
    const Imports imports = ReadImports(test::BinDir() + L"\\" + c.program);
    ASSERT_TRUE(imports.ok);
    EXPECT_TRUE(imports.libraries.count("kernel32.dll"));
    for (const std::string& library : imports.libraries) EXPECT_TRUE(c.allowed.count(library)) << library;
  }
}

}  // namespace
}  // namespace tapstart
