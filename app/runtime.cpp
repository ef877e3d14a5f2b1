// The C++ runtime tavro.exe needs and no more. The program throws no exceptions and catches none,
// so memory that cannot be had ends it at once, as a null pointer would, instead of pulling the
// compiler's exception machinery (unwinder, threads for it, name demangler: about 300 KB) into
// the file for a path that is never taken.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    void* memory = std::malloc(size != 0 ? size : 1);
    if (memory == nullptr) std::abort();
    return memory;
}

void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

#if defined(__GLIBCXX__)
// libstdc++'s containers report a size past their limit through these; its own versions throw.
namespace std {
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
}  // namespace std

namespace __gnu_cxx {
// The default ending names the exception, with the demangler; there is none to name.
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
