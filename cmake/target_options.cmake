# Warning and sanitizer settings, applied target by target so that nothing leaks into
# code that includes this project.
function(polydump_target_options target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(POLYDUMP_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(MINGW)
    # The C++ and GCC runtimes linked in, so the .exe runs alone on any Windows machine.
    target_link_options(${target} PRIVATE -static)
  endif()
  if(POLYDUMP_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(POLYDUMP_FUZZ)
    # Coverage for libFuzzer in every target, so that the fuzzers steer by the program's own
    # branches; the fuzz targets add libFuzzer's main at their link.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                                             -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
