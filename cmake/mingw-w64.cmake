# Cross-compiles the Windows program with MinGW-w64 and runs its tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(prefisso_mingw x86_64-w64-mingw32)
# The posix-threads variant: GoogleTest needs std::thread and std::mutex.
find_program(CMAKE_CXX_COMPILER NAMES ${prefisso_mingw}-g++-posix ${prefisso_mingw}-g++ REQUIRED)
# GoogleTest's project enables C as well.
find_program(CMAKE_C_COMPILER NAMES ${prefisso_mingw}-gcc-posix ${prefisso_mingw}-gcc REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${prefisso_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${prefisso_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A bare folder on a user's machine has none of the MinGW runtime DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Without Wine the program still builds; only its tests cannot run here.
find_program(emulatore_wine NAMES wine wine64)
if(emulatore_wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${emulatore_wine})
endif()
