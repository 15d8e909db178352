# Wizard part 1: start-up, command line, language dialog, the sheet and the
# maintenance, setup-type, uninstall-type, installing and finish pages.
set(wizard1_src ${CMAKE_SOURCE_DIR}/setup/wizard)

# Rules without windows; built from their own sources so they do not wait
# for the window classes.
quandel_gtest(wizard1_logic_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard1LogicTests.cpp
          ${wizard1_src}/SetupCommandLineInfo.cpp ${wizard1_src}/QuandelStartupMessages.cpp
          ${wizard1_src}/QuandelLanguageTable.cpp ${wizard1_src}/SetupProgramFolder.cpp
          ${wizard1_src}/SetupFonts.cpp
  LIBS framework
  TIMEOUT 60)
