# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines. Run by CTest as
# spdx_headers; prints each file that does not.
#   cmake -DSOURCE_DIR=... -P check-spdx.cmake
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
     "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cmake" "${SOURCE_DIR}/CMakeLists.txt")
set(missing 0)
foreach(source IN LISTS sources)
  if(source MATCHES "^(build|\\.git)")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" head LIMIT_COUNT 3)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
    message("${source}: no SPDX-License-Identifier line")
    math(EXPR missing "${missing} + 1")
  endif()
endforeach()
if(missing GREATER 0)
  message(FATAL_ERROR "${missing} source file(s) without their licence line")
endif()
