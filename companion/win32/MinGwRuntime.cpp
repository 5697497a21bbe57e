// The MinGW build links this in place of the parts of the GNU C++ runtime that the standard
// containers reach only to throw. The program is built without exceptions, so an allocation
// that fails or a length that overflows can only end it; and the runtime's own versions
// bring its whole exception machinery (unwinder, type information, name demangler, thread
// library), which would make up most of the program's size.
#include <cstdlib>
#include <new>
#include <string>

namespace std {

void __throw_bad_alloc() {
  std::abort();
}
void __throw_bad_array_new_length() {
  std::abort();
}
void __throw_length_error(const char*) {
  std::abort();
}
void __throw_logic_error(const char*) {
  std::abort();
}
void __throw_out_of_range(const char*) {
  std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
  std::abort();
}
void __throw_invalid_argument(const char*) {
  std::abort();
}
// A failed bounds check (see _GLIBCXX_ASSERTIONS in CMakeLists.txt).
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept {
  std::abort();
}

}  // namespace std

// The replaceable allocation functions, without the throwing path.
void* operator new(std::size_t size) {
  void* block = std::malloc(size != 0 ? size : 1);
  if (block == nullptr) std::abort();
  return block;
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
