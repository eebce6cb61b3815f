# Shared by the main Windows tree and the 32-bit tree (libs/x86).

# All the support binaries use of src/: the header-only Win32 kit (windows.h
# as the program includes it, the RAII handles, the drive-error guard).
# scripts/check-layers.sh fails when a file in libs/ includes any other file
# of src/.
set(KIV_SHARED_KIT_HEADERS
  platform/win32/Win32.h
  platform/win32/UniqueHandle.h
  platform/win32/QuietDriveErrors.h)
if(NOT TARGET kiv_shared_kit)
  add_library(kiv_shared_kit INTERFACE)
  target_include_directories(kiv_shared_kit INTERFACE ${KIV_LIBS_DIR}/../src)
endif()

# A support library: loaded at run time by full path, so it carries no "lib"
# prefix and exports undecorated names from its .def file.
function(kiv_support_library name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "")
  target_link_libraries(${name} PRIVATE kiv_shared_kit)
  target_link_options(${name} PRIVATE $<$<CONFIG:Release>:-s>)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # 32-bit stdcall exports must not keep their @N decoration.
    target_link_options(${name} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
  endif()
endfunction()

# A binary that runs inside (or beside) someone else's process with nothing of
# the C/C++ run-time libraries: no exceptions, no RTTI, no start-up code, only
# system DLLs. `entry` is its entry function (extern "C"), `argumentBytes` the
# size of its stdcall arguments, or "cdecl" for a plain C function.
function(kiv_without_runtime target entry argumentBytes)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    if(argumentBytes STREQUAL "cdecl")
      set(entry _${entry})
    else()
      set(entry _${entry}@${argumentBytes})
    endif()
  endif()
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti -fno-threadsafe-statics)
  target_link_options(${target} PRIVATE -nostdlib -nostartfiles -Wl,-e,${entry})
  target_link_libraries(${target} PRIVATE kernel32 user32)
endfunction()
