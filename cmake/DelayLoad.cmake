# Import libraries that load their DLL at the first call into it instead of
# at process start. Under Wine every DLL loaded before WinMain costs start-up
# time, and a second copy of KIV, or the early placement of the player, needs
# none of the common controls, the shell or COM.
#
# Each delay library is made at configure time from the toolchain's own
# import library: every name it imports becomes an export of the .def that
# dlltool turns into a delay-import library. The helper that resolves a
# delay import at its first call, __delayLoadHelper2, is MinGW-w64's own.
find_program(KIV_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool REQUIRED)
find_program(KIV_NM NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-nm REQUIRED)

# Sets `outputVariable` to the delay-import library for `dll` (e.g. comctl32).
function(kiv_delay_library dll outputVariable)
  set(folder ${CMAKE_BINARY_DIR}/delayload)
  set(library ${folder}/lib${dll}_delay.a)
  if(NOT EXISTS ${library})
    find_library(importLibrary_${dll} NAMES lib${dll}.a REQUIRED)
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${KIV_NM} ${importLibrary_${dll}}
                    OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@]+" imports "${symbols}")
    set(definition "LIBRARY ${dll}.dll\nEXPORTS\n")
    foreach(import IN LISTS imports)
      string(REPLACE " I __imp_" "" name "${import}")
      string(APPEND definition "  ${name}\n")
    endforeach()
    file(WRITE ${folder}/${dll}.def "${definition}")
    execute_process(COMMAND ${KIV_DLLTOOL} --input-def ${folder}/${dll}.def
                            --output-delaylib ${library} --dllname ${dll}.dll
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(${outputVariable} ${library} PARENT_SCOPE)
endfunction()
