# Warnings for the project's own targets; generated code (moc, uic) keeps Qt's defaults.
function(kav_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${KAV_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${KAV_WERROR}>:-Werror>)
    # GCC 12 at -O3 (Release) reports a false -Wrestrict in std::string's
    # operator+ (GCC bug 105651); -Werror would fail a Release build on it.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  endif()
endfunction()

# A test executable registered with CTest. Widget tests (GUI) run on the
# offscreen platform, with the one test application of tests/support made by
# their main() (kav_test_gui_main). A widget test program is one CTest test:
# starting Qt costs more than most of its tests, so its tests share one
# process (one of them alone: build/bin/NAME --gtest_filter=Suite.Test).
# Other test programs register each test on its own, except when cross-compiled;
# PROPERTIES (CTest test properties) apply to each of them.
function(kav_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest kav_test_gui_main)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  kav_warnings(${name})
  if(ARG_GUI)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  elseif(CMAKE_CROSSCOMPILING)
    # Under an emulator (wine) every start is dear: one CTest test per program.
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${ARG_PROPERTIES})
  endif()
endfunction()

# A display control library (Brinda, Valtrix, Tacho): a shared library made of
# the control's static core and the host layer, of which only the four entry
# points of its own source leave the library.
function(kav_add_control_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} kav_control_host Qt6::Widgets)
  set_target_properties(${name} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  if(NOT MSVC AND NOT APPLE)
    # Not even the static parts' symbols: one library never binds to another's copy.
    target_link_options(${name} PRIVATE "LINKER:--exclude-libs,ALL")
  endif()
  kav_warnings(${name})
endfunction()
