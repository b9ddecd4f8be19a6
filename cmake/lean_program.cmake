# Programs that start fast and stay small: the C++ runtime linked in, unused code left out.
#
# Loading and relocating the shared libstdc++ was most of kvelt-cli's start-up (1.5 M of its
# 2.1 M instructions to the first page) and a third of its memory; linked in, only the parts
# the program calls come along, and --gc-sections drops the rest (docs/performance.md has the
# figures). Only for programs whose other libraries are plain C: a C++ library such as FLTK
# brings its own shared runtime, and two runtimes in one process must not meet. Sanitizer and
# fuzzing builds keep the shared runtime that their tools expect.
function(kvelt_lean_program target)
  if(WIN32 OR KVELT_SANITIZE OR KVELT_FUZZ)
    return()
  endif()
  target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc -Wl,--gc-sections)
endfunction()
