# Dialogs, property pages and data exchange, with templates of their own.
quandel_gtest(framework_dialog_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogTests.cpp ${CMAKE_CURRENT_LIST_DIR}/dialog.rc
  LIBS framework
  TIMEOUT 120)
target_include_directories(framework_dialog_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
