// Runvoy and Register use no C++ exceptions. The few library paths that would throw one (a failed allocation,
// a text longer than the library allows) end the process instead, so that the programs carry neither the
// unwinder nor the library's exception classes and message formatting: a tenth of the size, and a quicker load.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

// Ends the process as every other way out of these programs does: quietly, with exit code 0.
[[noreturn]] void OutOfResources() { ExitProcess(0); }

}  // namespace

void* operator new(std::size_t size) {
  if (void* p = std::malloc(size != 0 ? size : 1)) return p;
  OutOfResources();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

// The library's own reporting hooks, called only where it would otherwise throw.
namespace std {
[[noreturn]] void __throw_length_error(const char*) { OutOfResources(); }
[[noreturn]] void __throw_logic_error(const char*) { OutOfResources(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { OutOfResources(); }
[[noreturn]] void __throw_bad_alloc() { OutOfResources(); }
[[noreturn]] void __throw_bad_array_new_length() { OutOfResources(); }
}  // namespace std
