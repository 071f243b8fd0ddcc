# Fails when a program is larger than its budget.
#   cmake -DPROGRAM=<file> -DLIMIT=<bytes> -P check_size.cmake
if(NOT EXISTS "${PROGRAM}")
    message(FATAL_ERROR "${PROGRAM} does not exist: build it first")
endif()
file(SIZE "${PROGRAM}" size)
math(EXPR kib "${size} / 1024")
if(size GREATER LIMIT)
    math(EXPR over "${size} - ${LIMIT}")
    message(FATAL_ERROR "${PROGRAM} is ${size} bytes (${kib} KiB): ${over} bytes above its "
                        "limit of ${LIMIT}")
endif()
message(STATUS "${PROGRAM} is ${size} bytes (${kib} KiB), within ${LIMIT}")
