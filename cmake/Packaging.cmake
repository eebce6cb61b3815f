# The release archive kiv-<version>-win64.zip: the program, its two libraries
# and the 32-bit hook library with its host, the user guide, the licence and a
# short read-me, in one folder as they run.
# Built with `cpack` in the Windows tree (scripts/package.sh).
if(NOT WIN32)
  return()
endif()

set(KIV_RELEASE_FOLDER "kiv-${PROJECT_VERSION}-win64")
install(TARGETS kiv KIVKbd KIVUtil RUNTIME DESTINATION . LIBRARY DESTINATION .)
if(KIV_X86)
  install(PROGRAMS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/KIVUtil32.dll
                   ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/KIVUtil32Host.exe DESTINATION .)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/docs/guide.html DESTINATION . RENAME KIV.htm)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE.txt ${PROJECT_SOURCE_DIR}/docs/ReadMe.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kiv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${KIV_RELEASE_FOLDER})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# Symbols help nobody on a user's machine.
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)
