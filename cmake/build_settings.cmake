# The settings that every target of a build shares, each said once.

add_compile_options(-Wall -Wextra)

if(WIN32)
  # Every Windows library and program of the project, test tools and bench included,
  # compiles against the same Windows version and the Unicode functions, and every
  # executable has ASLR, high-entropy ASLR and DEP.
  add_library(talqo_windows_settings INTERFACE)
  target_compile_definitions(talqo_windows_settings INTERFACE
    _WIN32_WINNT=0x0601 UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  target_link_options(talqo_windows_settings INTERFACE
    LINKER:--dynamicbase,--high-entropy-va,--nxcompat)
  # Linked into every target made after this line, so that no target can miss the
  # settings or drift from them.
  link_libraries(talqo_windows_settings)

  # Small executables: unused code is dropped, and release builds lose their symbols.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(LINKER:--gc-sections $<$<CONFIG:MinSizeRel,Release>:-s>)

  # Our Windows programs have a Unicode entry point and import only Windows' own DLLs, the
  # C and C++ runtimes being linked in, so each runs from any folder as it is.
  add_library(talqo_standalone_exe INTERFACE)
  target_link_options(talqo_standalone_exe INTERFACE -municode -static -static-libgcc -static-libstdc++)
else()
  # AddressSanitizer and UBSan, for the host's tests and always for the fuzzer.
  add_library(talqo_sanitizers INTERFACE)
  set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(talqo_sanitizers INTERFACE ${sanitizer_flags})
  target_link_options(talqo_sanitizers INTERFACE ${sanitizer_flags})
  option(TALQO_SANITIZE "Build with AddressSanitizer and UBSan" ON)
  if(TALQO_SANITIZE)
    link_libraries(talqo_sanitizers)
  endif()
endif()
