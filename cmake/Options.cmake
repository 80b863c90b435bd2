set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_compile_options(-Wall -Wextra)

set(QUENLOV_SANITIZE "" CACHE STRING "Sanitizers to build with, as for -fsanitize= (empty: none)")
if(QUENLOV_SANITIZE)
  add_compile_options(-fsanitize=${QUENLOV_SANITIZE} -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${QUENLOV_SANITIZE})
endif()

# The fuzz targets (clang only): every library gets libFuzzer's coverage instrumentation, and
# fuzz/ adds the targets, linked with libFuzzer's own main.
option(QUENLOV_FUZZ "Build the libFuzzer targets under fuzz/ (clang)" OFF)
if(QUENLOV_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(WIN32)
  # One self-contained .exe: no MinGW runtime DLLs beside it.
  add_link_options(-static)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()
