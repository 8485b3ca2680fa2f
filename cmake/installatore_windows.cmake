# The Windows runner of impacchetta_scenario --windows, cross-built with
# MinGW-w64 beside the Linux programs, so that packing for Windows needs no
# compiler on the author's machine. GENERA_INSTALLATORE_WINDOWS: AUTO builds
# it when MinGW-w64 is found, ON requires it, OFF never builds it.
set(GENERA_INSTALLATORE_WINDOWS AUTO CACHE STRING "Cross-build the Windows runner with MinGW-w64 (AUTO, ON, OFF)")
set_property(CACHE GENERA_INSTALLATORE_WINDOWS PROPERTY STRINGS AUTO ON OFF)

set(installatore_windows_costruito OFF)
if(WIN32 OR CMAKE_CROSSCOMPILING OR GENERA_INSTALLATORE_WINDOWS STREQUAL "OFF")
  return()
endif()

find_program(compilatore_mingw NAMES x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++)
if(NOT compilatore_mingw)
  if(GENERA_INSTALLATORE_WINDOWS STREQUAL "ON")
    message(FATAL_ERROR "GENERA_INSTALLATORE_WINDOWS is ON but MinGW-w64 is not installed (g++-mingw-w64-x86-64)")
  endif()
  message(STATUS "MinGW-w64 not found: impacchetta_scenario --windows will lack installatore_scenario.exe")
  return()
endif()

include(ExternalProject)
set(cartella_windows ${PROJECT_BINARY_DIR}/installatore_windows)
set(argomenti_windows
  -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake
  -DCMAKE_BUILD_TYPE=Release
  -DGENERA_TEST=OFF
  -DGENERA_STRUMENTI=OFF
  -DGENERA_AVVISI_COME_ERRORI=${GENERA_AVVISI_COME_ERRORI})
if(CMAKE_CXX_COMPILER_LAUNCHER)
  list(APPEND argomenti_windows -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
if(CMAKE_GENERATOR MATCHES "Makefiles")
  # Through make's own jobserver, within the parallelism the outer build was given.
  set(costruzione_windows $(MAKE) installatore_scenario)
else()
  set(costruzione_windows ${CMAKE_COMMAND} --build ${cartella_windows} --target installatore_scenario)
endif()
ExternalProject_Add(installatore_windows
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${cartella_windows}
  CMAKE_ARGS ${argomenti_windows}
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  BUILD_COMMAND ${costruzione_windows}
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different ${cartella_windows}/installatore_scenario.exe
    ${PROJECT_BINARY_DIR}/installatore_scenario.exe
  # Its sources are this project's: let the inner build decide what changed.
  BUILD_ALWAYS ON)
set(installatore_windows_costruito ON)
