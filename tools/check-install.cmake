# Installs the build into a fresh folder and checks that the programs and
# their help file are all it puts there: no settings, nothing the programs
# write. Run by CTest:
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -DEXPECTED=<files> -P tools/check-install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT EXPECTED)
if(NOT installed STREQUAL EXPECTED)
  message(FATAL_ERROR "installed: ${installed}\nexpected: ${EXPECTED}")
endif()
file(REMOVE_RECURSE ${PREFIX})
