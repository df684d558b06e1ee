# After the system ROM is assembled: writes its routine addresses as an
# include for the second ROM, whose routines (cold start, the monitor) call
# into the first ROM and must follow it when the packer moves a file.
#
#   -DSYMBOLS=ROM12K.sym -DOUT=dir/first_rom.inc -DSOURCE=resources/rom
#
# Only labels of the first ROM (below 3000h) are written, and none that an
# include file of the sources defines already (the entry points and the
# fixed addresses in the second ROM): pasmo refuses a name defined twice.
cmake_minimum_required(VERSION 3.20)
file(GLOB incs ${SOURCE}/*.inc ${SOURCE}/system/*.inc ${SOURCE}/monitor/*.inc)
set(defined)
foreach(inc IN LISTS incs)
  file(STRINGS ${inc} lines REGEX "^[A-Za-z_][A-Za-z_0-9]*[ \t]+EQU")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^[A-Za-z_][A-Za-z_0-9]*" name "${line}")
    list(APPEND defined ${name})
  endforeach()
endforeach()

file(STRINGS ${SYMBOLS} lines REGEX "EQU")
set(text "; The system ROM's labels, from ${SYMBOLS} (written by the build).\n")
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z_][A-Za-z_0-9]*)[ \t]+EQU[ \t]+0*([0-9A-Fa-f]+)H")
    set(name ${CMAKE_MATCH_1})
    set(value ${CMAKE_MATCH_2})
    math(EXPR number "0x${value}")
    if(number LESS 12288 AND NOT name IN_LIST defined)
      string(APPEND text "${name} EQU 0${value}h\n")
    endif()
  endif()
endforeach()
file(WRITE ${OUT}.tmp "${text}")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
