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
          ${engine_run_support}
  LIBS engine
  TIMEOUT 60)
