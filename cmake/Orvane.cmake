# Helpers shared by every CMakeLists of the tree.

# Adds those of the named subdirectories that exist, in the given order.
function(orvane_add_subdirs)
  foreach(sub IN LISTS ARGN)
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${sub}/CMakeLists.txt")
      add_subdirectory(${sub})
    endif()
  endforeach()
endfunction()

# Include roots. Sources name every header from the repository root ("platform/graphics/canvas.h"),
# but no target of the platform, the library or the programs has the root itself on its path: each
# gets trees of links to the headers it may use, so a header of a higher layer, of a unit it does not
# link, or another unit's internals is not found and the build fails.
#   include/<target>/public     headers in the folders of the target's sources (or those it names),
#                               for the target and every target that links it
#   include/<target>/internal   the target's INTERNAL headers, for its own sources only
#   include/layer-<layer>       LAYER headers: for every target of the same top folder (platform, ...)
set(ORVANE_INCLUDE_STAGE ${CMAKE_BINARY_DIR}/include)
file(REMOVE_RECURSE ${ORVANE_INCLUDE_STAGE})

function(orvane_link_headers stage)
  foreach(h IN LISTS ARGN)
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${h})
    get_filename_component(dir ${stage}/${rel} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${h} ${stage}/${rel} SYMBOLIC)
  endforeach()
endfunction()

# Gives target its include roots (above). Headers are those of the folders its sources lie in;
# INTERNAL and LAYER name some of them relative to the calling directory. Where one folder holds
# several libraries, each names its own headers with HEADERS instead.
function(orvane_include_roots target)
  cmake_parse_arguments(ARG "" "" "SOURCES;HEADERS;INTERNAL;LAYER" ${ARGN})
  set(dirs "")
  foreach(src IN LISTS ARG_SOURCES)
    get_filename_component(dir ${CMAKE_CURRENT_SOURCE_DIR}/${src} DIRECTORY)
    list(APPEND dirs ${dir})
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  # A library's public headers reach every target that links it: two libraries in one folder
  # must name theirs, or each would hand on the other's.
  get_target_property(type ${target} TYPE)
  set(headers "")
  foreach(dir IN LISTS dirs)
    get_property(use GLOBAL PROPERTY ORVANE_LIBRARY_HEADERS_OF_${dir})
    if(type STREQUAL "STATIC_LIBRARY")
      if(use MATCHES "^whole" OR (use AND NOT ARG_HEADERS))
        message(FATAL_ERROR "${target}: ${dir} holds another library's sources; "
                            "name the headers of each library there with HEADERS")
      endif()
      if(ARG_HEADERS)
        set_property(GLOBAL PROPERTY ORVANE_LIBRARY_HEADERS_OF_${dir} named)
      else()
        set_property(GLOBAL PROPERTY ORVANE_LIBRARY_HEADERS_OF_${dir} "whole ${target}")
      endif()
    endif()
    if(NOT ARG_HEADERS)
      file(GLOB found CONFIGURE_DEPENDS ${dir}/*.h)
      list(APPEND headers ${found})
    endif()
  endforeach()
  list(TRANSFORM ARG_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  list(APPEND headers ${ARG_HEADERS})
  list(TRANSFORM ARG_INTERNAL PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  list(TRANSFORM ARG_LAYER PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  list(REMOVE_ITEM headers ${ARG_INTERNAL} ${ARG_LAYER})
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" layer ${rel})
  set(stage ${ORVANE_INCLUDE_STAGE}/${target})
  orvane_link_headers(${stage}/public ${headers})
  list(TRANSFORM headers REPLACE "^${PROJECT_SOURCE_DIR}/" "")
  set_property(TARGET ${target} PROPERTY ORVANE_PUBLIC_HEADERS ${headers})
  orvane_link_headers(${stage}/internal ${ARG_INTERNAL})
  orvane_link_headers(${ORVANE_INCLUDE_STAGE}/layer-${layer} ${ARG_LAYER})
  file(MAKE_DIRECTORY ${stage}/internal ${ORVANE_INCLUDE_STAGE}/layer-${layer})
  target_include_directories(${target} PUBLIC ${stage}/public
                             PRIVATE ${stage}/internal ${ORVANE_INCLUDE_STAGE}/layer-${layer})
endfunction()

# A library target; sources relative to the calling directory; include roots as above.
# <name>_internals is the target together with its internal and layer trees, for the few tests and
# test helpers that must reach inside it; they link it by name.
function(orvane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;HEADERS;LIBS;INTERNAL;LAYER" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  orvane_include_roots(${name} SOURCES ${ARG_SOURCES} HEADERS ${ARG_HEADERS} INTERNAL ${ARG_INTERNAL}
                       LAYER ${ARG_LAYER})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
  add_library(${name}_internals INTERFACE)
  get_target_property(roots ${name} INCLUDE_DIRECTORIES)
  target_include_directories(${name}_internals INTERFACE ${roots})
  target_link_libraries(${name}_internals INTERFACE ${name})
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
