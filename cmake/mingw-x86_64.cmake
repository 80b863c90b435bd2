# 64-bit Windows: the same sources, for running the Windows tests under Wine on machines whose
# kernel cannot run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUENLOV_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
