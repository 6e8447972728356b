# The standard-library cores (kav_link in link/, kav_sim in sim/, kav_texts in
# texts/, kav_measure in measure/, kav_records in records/, kav_verdict in
# verdict/, kav_session in session/) and their tests alone, without Qt: the portable part of the
# program, checked for Windows with MinGW-w64 and wine
# (cmake/mingw-w64-x86_64.cmake). Every test that needs Qt or POSIX is a
# target of its own that this build leaves out.
if(KAV_BUILD_TESTS)
  enable_testing()
  # A cross build cannot use the host's GoogleTest: it is built from source
  # (Debian: the googletest package's /usr/src/googletest).
  set(KAV_GTEST_SOURCE_DIR "" CACHE PATH "GoogleTest sources to build instead of the installed GoogleTest")
  if(CMAKE_CROSSCOMPILING AND NOT KAV_GTEST_SOURCE_DIR)
    set(KAV_GTEST_SOURCE_DIR /usr/src/googletest)
  endif()
  if(KAV_GTEST_SOURCE_DIR)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${KAV_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest)
      add_library(GTest::gtest ALIAS gtest)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
endif()

# No window, no display controls, no kavctl.
set(KAV_BUILD_GUI OFF)

add_subdirectory(link)
add_subdirectory(sim)
add_subdirectory(texts)
add_subdirectory(measure)
add_subdirectory(records)
add_subdirectory(session)

add_subdirectory(verdict)

if(KAV_BUILD_TESTS)
  add_subdirectory(tests)
endif()
