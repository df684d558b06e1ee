# After an image is assembled: prints the bytes used and free of the image
# and of every gap between two fixed entry points, and (with HEADER) turns
# pasmo's symbol file into a C++ header, so that tests name routines and
# cells instead of numbers.
#
#   -DIMAGE=x.bin -DSYMBOLS=x.sym -DENTRIES=system/entry_points.inc
#   -DBASE=0 -DNAME=ROM12K [-DHEADER=out.h -DNAMESPACE=rom12k]
#
# Free bytes are the FFh padding the AT macro lays down in front of each
# fixed address (and at the end of the image), so a gap's free count is
# the run of FFh that ends at its fixed address.
file(READ ${IMAGE} hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")

function(free_before begin end result)   # FFh bytes just below offset end
  set(n 0)
  set(i ${end})
  while(i GREATER begin)
    math(EXPR i "${i} - 1")
    math(EXPR at "${i} * 2")
    string(SUBSTRING "${hex}" ${at} 2 byte)
    if(NOT byte STREQUAL "ff")
      break()
    endif()
    math(EXPR n "${n} + 1")
  endwhile()
  set(${result} ${n} PARENT_SCOPE)
endfunction()

# The fixed addresses inside this image, in order.
file(STRINGS ${ENTRIES} lines REGEX "^[A-Z_0-9]+ +EQU +[0-9A-F]+h")
set(fixed)
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([A-Z_0-9]+) +EQU +([0-9A-F]+)h" _ "${line}")
  math(EXPR address "0x${CMAKE_MATCH_2} - ${BASE}")
  if(address GREATER 0 AND address LESS size)
    math(EXPR key "100000 + ${address}")
    list(APPEND fixed "${key}:${CMAKE_MATCH_1}")
  endif()
endforeach()
list(SORT fixed)
list(REMOVE_DUPLICATES fixed)

set(total_free 0)
set(report "")
set(from 0)
set(from_name "start")
list(APPEND fixed "${size}:end")
foreach(entry IN LISTS fixed)
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 key)
  list(GET parts 1 name)
  if(key GREATER 99999)
    math(EXPR key "${key} - 100000")
  endif()
  free_before(${from} ${key} free)
  if(free GREATER 0)
    math(EXPR a "${from} + ${BASE}" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR b "${key} + ${BASE}" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR used "${key} - ${from} - ${free}")
    string(APPEND report "  ${a}-${b} ${from_name}..${name}: ${used} used, ${free} free\n")
  endif()
  math(EXPR total_free "${total_free} + ${free}")
  set(from ${key})
  set(from_name ${name})
endforeach()
math(EXPR total_used "${size} - ${total_free}")
message(STATUS "${NAME}: ${total_used} bytes used, ${total_free} free of ${size}\n${report}")

if(HEADER)
  file(STRINGS ${SYMBOLS} symbols REGEX "EQU")
  set(body "")
  foreach(line IN LISTS symbols)
    string(REGEX MATCH "^([A-Za-z_][A-Za-z_0-9]*)[ \t]+EQU[ \t]+0*([0-9A-F]+)H" _ "${line}")
    if(CMAKE_MATCH_1)
      string(APPEND body "inline constexpr std::uint16_t ${CMAKE_MATCH_1} = 0x${CMAKE_MATCH_2};\n")
    endif()
  endforeach()
  file(WRITE ${HEADER}.new
    "// Generated from the assembler's symbol file of ${NAME}; do not edit.\n"
    "#pragma once\n#include <cstdint>\nnamespace quillor::${NAMESPACE} {\n${body}}\n")
  file(COPY_FILE ${HEADER}.new ${HEADER} ONLY_IF_DIFFERENT)
  file(REMOVE ${HEADER}.new)
endif()
