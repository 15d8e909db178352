# Run queue, worker thread and installer messages of the engine.
set(engine_run_support
  ${CMAKE_CURRENT_LIST_DIR}/EngineTestSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EngineFakeMsi.cpp)

quandel_gtest(engine_queue_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineQueueTests.cpp ${engine_run_support}
  LIBS engine
  TIMEOUT 60)

quandel_gtest(engine_worker_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineWorkerTests.cpp ${CMAKE_CURRENT_LIST_DIR}/EngineMessageTests.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EngineRemoveFirstCancelTests.cpp ${engine_run_support}
  LIBS engine
  TIMEOUT 60)

set(engine2_fixtures ${CMAKE_SOURCE_DIR}/tests/fixtures/engine2)
set(engine2_payload ${engine2_fixtures}/payload/moda.txt ${engine2_fixtures}/payload/modb.txt
    ${engine2_fixtures}/AskCancel.js)
quandel_msi_fixture(e2_plain ${engine2_fixtures}/e2_package.wxs
  DEFINES CID=0001 NAME=QuandelEngine2Plain VERSION=1.0.0 REBOOT=0 FAIL=0 CANCEL=0 DEPENDS ${engine2_payload})
quandel_msi_fixture(e2_reboot ${engine2_fixtures}/e2_package.wxs
  DEFINES CID=0002 NAME=QuandelEngine2Restart VERSION=1.0.0 REBOOT=1 FAIL=0 CANCEL=0 DEPENDS ${engine2_payload})
quandel_msi_fixture(e2_fail ${engine2_fixtures}/e2_package.wxs
  DEFINES CID=0003 NAME=QuandelEngine2Failure VERSION=1.0.0 REBOOT=0 FAIL=1 CANCEL=0 DEPENDS ${engine2_payload})
quandel_msi_fixture(e2_cancel ${engine2_fixtures}/e2_package.wxs
  DEFINES CID=0004 NAME=QuandelEngine2Cancel VERSION=1.0.0 REBOOT=0 FAIL=0 CANCEL=1 DEPENDS ${engine2_payload})
# One product in two builds: the installed 1.0.3 must be removed before its
# package file 1.0.1 can be installed (a removal-first pair).
quandel_msi_fixture(e2_pair_installed ${engine2_fixtures}/e2_package.wxs
  DEFINES CID=0005 NAME=QuandelEngine2Pair VERSION=1.0.3 REBOOT=0 FAIL=0 CANCEL=0 DEPENDS ${engine2_payload})
quandel_msi_fixture(e2_pair_file ${engine2_fixtures}/e2_package.wxs
  DEFINES CID=0005 NAME=QuandelEngine2Pair VERSION=1.0.1 REBOOT=0 FAIL=0 CANCEL=0 DEPENDS ${engine2_payload})

quandel_gtest(engine_install_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineInstallTests.cpp ${CMAKE_CURRENT_LIST_DIR}/EngineTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ModelTestSupport.cpp
  LIBS engine
  DEPENDS fixture_e2_plain fixture_e2_reboot fixture_e2_fail fixture_e2_cancel fixture_e2_pair_installed
          fixture_e2_pair_file
  RESOURCE_LOCK msi
  TIMEOUT 180)
