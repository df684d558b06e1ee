# Fails the build when an assembled image is not exactly the size its
# place in the memory map needs.
file(SIZE ${IMAGE} actual)
if(NOT actual EQUAL SIZE)
  file(REMOVE ${IMAGE})
  message(FATAL_ERROR "${IMAGE} is ${actual} bytes, expected ${SIZE}")
endif()
