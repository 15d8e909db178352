# The window layer: message maps, reflection, subclassing, the handle map.
quandel_gtest(framework_window_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WndTests.cpp
  LIBS framework
  TIMEOUT 30)
