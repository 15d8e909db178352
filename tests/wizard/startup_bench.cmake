# startup_bench: the wizard's start-up to its first page over the 40
# generated group packages of the discovery benchmark (25 modules each),
# against discovery alone in the same run. A test of its own that runs
# alone, since it times: it fails when the wizard adds half a second.
if(TARGET bench_packages)
  add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/bench/StartupBench.cpp)
  target_link_libraries(startup_bench PRIVATE wizard)
  target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  # The program finds its language library beside itself, named after itself.
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/bin/startup_benchENU.dll
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:QuandelENU> ${CMAKE_BINARY_DIR}/bin/startup_benchENU.dll
    DEPENDS QuandelENU)
  add_custom_target(startup_bench_lang DEPENDS ${CMAKE_BINARY_DIR}/bin/startup_benchENU.dll)
  add_dependencies(startup_bench bench_packages startup_bench_lang)
  add_test(NAME StartupBench.WizardAddsUnderHalfASecondToDiscovery
           COMMAND startup_bench ..\\fixtures\\bench
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(StartupBench.WizardAddsUnderHalfASecondToDiscovery PROPERTIES
    RESOURCE_LOCK msi RUN_SERIAL TRUE TIMEOUT 300)
endif()
