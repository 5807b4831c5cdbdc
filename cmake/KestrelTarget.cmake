# Settings every Kestrel module and test program shares.
function(kestrel_target target)
  target_compile_definitions(${target} PRIVATE _WIN32_WINNT=0x0601 WINVER=0x0601 STRICT)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX,C>:-Wall -Wextra -finput-charset=UTF-8 -fexec-charset=CP932>)
  # Statically linked so the binaries run on a bare Windows.
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# Resource scripts are UTF-8; windres stores the strings as UTF-16.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/res")
