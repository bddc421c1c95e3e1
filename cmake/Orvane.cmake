# Helpers shared by every CMakeLists of the tree.

# Adds those of the named subdirectories that exist, in the given order.
function(orvane_add_subdirs)
  foreach(sub IN LISTS ARGN)
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${sub}/CMakeLists.txt")
      add_subdirectory(${sub})
    endif()
  endforeach()
endfunction()

# A library target; sources relative to the calling directory; the repository root is the include root.
function(orvane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

# A GoogleTest executable registered with CTest; tests run headless.
function(orvane_test name)
  cmake_parse_arguments(ARG "SERIAL" "" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE ORVANE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                             ORVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  include(GoogleTest)
  # SERIAL: tests that need the machine to themselves (real-time devices) run alone.
  set(serial_props)
  if(ARG_SERIAL)
    set(serial_props RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600 ${serial_props})
endfunction()

# A Google Benchmark program, bench_<name>.
function(orvane_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(bench_${name} ${ARG_SOURCES})
  target_link_libraries(bench_${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# Appends to the list named by out every static library defined in dir and below it.
function(orvane_collect_static_libraries out dir)
  set(found ${${out}})
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t IN LISTS targets)
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
      list(APPEND found ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    orvane_collect_static_libraries(found ${sub})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# One program that links every object of every static library under the given directories whole.
function(orvane_whole_link_check name)
  set(libs "")
  foreach(dir IN LISTS ARGN)
    orvane_collect_static_libraries(libs ${PROJECT_SOURCE_DIR}/${dir})
  endforeach()
  add_executable(${name} ${PROJECT_SOURCE_DIR}/tests/odr/main.cpp)
  # Every archive whole first; the ordinary link items after it bring what they depend on (Qt, X11).
  set(archives "")
  foreach(lib IN LISTS libs)
    list(APPEND archives "$<TARGET_FILE:${lib}>")
  endforeach()
  target_link_options(${name} PRIVATE "LINKER:--whole-archive" ${archives} "LINKER:--no-whole-archive")
  target_link_libraries(${name} PRIVATE ${libs})
endfunction()
