# Each engine library is one folder of src/; its sources are every .cpp below
# that folder, so adding a file needs no edit here.
function(wm4_library name folder)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp"
       "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
endfunction()

# One test executable per folder of tests/, registered test by test with CTest.
function(wm4_test name folder)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests" "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PRIVATE ${ARG_LINK} wm4_testsupport GTest::gtest)
  target_compile_definitions(${name} PRIVATE
    WM4_SOURCE_DATA_DIR="${WM4_SOURCE_DATA_DIR}"
    WM4_TEST_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures")
  # One variable per property: a list value ("A;B") would be split into
  # further property names.
  set(test_environment ENVIRONMENT QT_QPA_PLATFORM=offscreen
                       ENVIRONMENT_MODIFICATION LC_ALL=set:C.UTF-8)
  # Tests that start LibreOffice carry "LibreOffice" in their name: they take
  # one lock, so two LibreOffice starts never race each other under ctest -j.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    TEST_FILTER "-*LibreOffice*"
    PROPERTIES ${test_environment})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    TEST_FILTER "*LibreOffice*"
    TEST_LIST ${name}_libreoffice_tests
    PROPERTIES ${test_environment} RESOURCE_LOCK libreoffice)
endfunction()
