# run_bench: the time Install and Remove spend on the calling thread (the
# engine's Start) over the 40 generated group packages of the discovery
# benchmark (25 modules each) plus the setup and core test packages, for an
# install of all modules and the removal of everything, against the same
# texts read with one query per group. A test of its own that runs alone,
# since it times and installs: it fails when a start takes 1 s or more.
if(TARGET bench_packages)
  add_executable(run_bench ${CMAKE_CURRENT_LIST_DIR}/bench/RunStartBench.cpp
                           ${CMAKE_CURRENT_LIST_DIR}/ServiceTestSupport.cpp)
  target_link_libraries(run_bench PRIVATE service)
  target_include_directories(run_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/common ${CMAKE_CURRENT_LIST_DIR})
  add_dependencies(run_bench bench_packages QuandelENU fixture_svc_setup fixture_svc_core)
  add_test(NAME RunBench.StartTakesUnderASecondAtScale COMMAND run_bench WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(RunBench.StartTakesUnderASecondAtScale PROPERTIES
    RESOURCE_LOCK msi RUN_SERIAL TRUE TIMEOUT 600)
endif()
