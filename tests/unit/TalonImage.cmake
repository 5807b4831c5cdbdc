# Checks the built Talon.dll as the system sees it when it maps the library
# into other processes: only KERNEL32 and USER32 imported, SpyMouseProc
# exported under its plain name, a shared data section, a few kilobytes.
#   cmake -DOBJDUMP=<objdump> -DTALON=<Talon.dll> -P TalonImage.cmake
execute_process(COMMAND ${OBJDUMP} -p -h ${TALON} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump could not read ${TALON}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]*" imports "${dump}")
string(TOUPPER "${imports}" imports)
if(NOT imports STREQUAL "DLL NAME: KERNEL32.DLL;DLL NAME: USER32.DLL")
  message(FATAL_ERROR "Talon imports: ${imports}")
endif()
if(NOT dump MATCHES "\\] SpyMouseProc\n")
  message(FATAL_ERROR "SpyMouseProc is not exported under its plain name")
endif()
if(NOT dump MATCHES "\\.shared[^\n]*\n[^\n]*SHARED")
  message(FATAL_ERROR "no shared data section")
endif()
file(SIZE ${TALON} size)
message(STATUS "Talon.dll: ${size} bytes, imports ${imports}")
if(size GREATER 16384)
  message(FATAL_ERROR "Talon.dll has grown to ${size} bytes")
endif()
