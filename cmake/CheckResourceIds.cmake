# Fails the build when two resource names of one kind (same prefix: IDS_, IDD_,
# IDC_, IDM_, ID_, IDR_, IDI_, IDB_) share a number in a module: its own header
# and the headers of the libraries whose resources it carries.
set(KESTREL_CHECK_IDS_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckResourceIdsRun.cmake)

function(kestrel_check_resource_ids target header)
  get_filename_component(name ${header} NAME_WE)
  set(headers ${header} ${ARGN})
  string(REPLACE ";" "|" joined "${headers}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}.ids-checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DHEADERS=${joined}" -P ${KESTREL_CHECK_IDS_SCRIPT}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${headers} ${KESTREL_CHECK_IDS_SCRIPT}
    COMMENT "Checking resource numbers in ${name}.h"
    VERBATIM)
  add_custom_target(${target}_resource_ids DEPENDS ${stamp})
  add_dependencies(${target} ${target}_resource_ids)
endfunction()
