# The standard-library cores (kav_link, kav_sim, kav_texts, kav_measure,
# kav_records, kav_verdict) and their tests alone, without Qt: the portable part of the
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
add_subdirectory(shell/texts)
add_subdirectory(measure)
add_subdirectory(records)

# nlohmann/json is header-only: a cross build takes the host's header. Only
# its own folder is copied into the build, never all of /usr/include, whose
# C library headers would stand in front of the cross compiler's.
find_package(nlohmann_json 3.10 QUIET)
if(NOT nlohmann_json_FOUND)
  find_path(KAV_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT KAV_NLOHMANN_JSON_INCLUDE)
    message(FATAL_ERROR "nlohmann/json.hpp not found (Debian: nlohmann-json3-dev)")
  endif()
  file(COPY ${KAV_NLOHMANN_JSON_INCLUDE}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/nlohmann_json/include)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${CMAKE_BINARY_DIR}/nlohmann_json/include)
endif()
add_subdirectory(verdict)

if(KAV_BUILD_TESTS)
  add_subdirectory(tests)
endif()
