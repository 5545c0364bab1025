include(GoogleTest)

# skelda_add_library(<target> [DEPS <libs>...])
# One static library from the sources of the calling folder.
function(skelda_add_library target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# skelda_add_test(<target> [QT] [DEPS <libs>...])
# One test program from the sources of the calling folder, its cases registered with CTest.
# QT gives the program the headless application main of platform/testing; without it the
# program runs on plain GoogleTest (for code that must stay free of Qt).
function(skelda_add_test target)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gmock)
  if(ARG_QT)
    target_link_libraries(${target} PRIVATE skelda_platform_testing_main)
  else()
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

# skelda_add_subdirectories(<dir>...)
# Adds those of the named folders that hold a CMakeLists.txt, in the order given.
function(skelda_add_subdirectories)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
