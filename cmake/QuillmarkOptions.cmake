# Warnings and sanitizers shared by every target of the project.
add_library(quillmark_options INTERFACE)
target_compile_options(quillmark_options INTERFACE -Wall -Wextra -Wpedantic -Wno-unused-parameter)
target_include_directories(quillmark_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

if(QUILLMARK_SANITIZE)
  set(_qm_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(quillmark_options INTERFACE ${_qm_san})
  target_link_options(quillmark_options INTERFACE ${_qm_san})
endif()

if(QUILLMARK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUILLMARK_FUZZ needs clang (CXX=clang++)")
  endif()
  target_compile_options(quillmark_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# quillmark_layer(NAME DEPS...): one static library per folder of src/, built from every
# .cpp in that folder, so adding a file never means editing a list.
function(quillmark_layer name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(_sources)
    add_library(qm_${name} STATIC ${_sources})
    target_link_libraries(qm_${name} PUBLIC quillmark_options ${ARGN})
  else()
    add_library(qm_${name} INTERFACE)
    target_link_libraries(qm_${name} INTERFACE quillmark_options ${ARGN})
  endif()
endfunction()

# quillmark_test_suite(NAME DEPS...): one test executable per folder of tests/, run by CTest
# as one test: a process for each of its tests cost more than the tests themselves. Failures
# still name the failing tests in the output; run the executable with --gtest_filter for one.
function(quillmark_test_suite name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name}_tests ${_sources})
  target_link_libraries(${name}_tests PRIVATE ${ARGN} GTest::gtest_main quillmark_options)
  target_compile_definitions(${name}_tests PRIVATE
    QUILLMARK_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    QUILLMARK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name}_tests)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
