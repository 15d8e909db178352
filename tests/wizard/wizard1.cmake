# Wizard part 1: start-up, command line, language dialog, the sheet and the
# maintenance, setup-type, uninstall-type, installing and finish pages.
set(wizard1_src ${CMAKE_SOURCE_DIR}/setup/wizard)

# Rules without windows; built from their own sources so they do not wait
# for the window classes. The language library check reads the program's
# libraries, the plug-in's, and two with only half of what it asks for.
foreach(half startup_texts_only first_page_only)
  quandel_resource_dll(w1_${half} ${CMAKE_CURRENT_LIST_DIR}/${half}.rc INCLUDES ${CMAKE_SOURCE_DIR}/resources/quandel)
endforeach()
quandel_gtest(wizard1_logic_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard1LogicTests.cpp
          ${wizard1_src}/SetupCommandLineInfo.cpp ${wizard1_src}/QuandelStartupMessages.cpp
          ${wizard1_src}/QuandelLanguageTable.cpp ${wizard1_src}/SetupProgramFolder.cpp
          ${wizard1_src}/SetupFonts.cpp ${wizard1_src}/QuandelLanguageLibrary.cpp
  LIBS framework
  DEPENDS QuandelENU QuandelDEU SarnelleENU w1_startup_texts_only w1_first_page_only
  TIMEOUT 60)
target_include_directories(wizard1_logic_tests PRIVATE ${CMAKE_SOURCE_DIR}/resources/quandel)

# Packages of the wizard tests, and the distribution folders made of them.
set(w1_fixtures ${CMAKE_SOURCE_DIR}/tests/fixtures/wizard1)
set(w1_out ${QUANDEL_FIXTURE_DIR}/wizard1)
set(w1_payload ${w1_fixtures}/payload/main.txt ${w1_fixtures}/payload/one.txt ${w1_fixtures}/payload/two.txt
               ${w1_fixtures}/payload/core.txt)
quandel_msi_fixture(w1_setup ${w1_fixtures}/w1_single.wxs OUTPUT_DIR ${w1_out}/packages DEPENDS ${w1_payload}
  DEFINES CID=1A01 ROLE=PELMORA_QUANDELEXE "NAME=Quandel Wizard Test Module Profile Setup" VERSION=1.0.0)
quandel_msi_fixture(w1_core ${w1_fixtures}/w1_single.wxs OUTPUT_DIR ${w1_out}/packages DEPENDS ${w1_payload}
  DEFINES CID=1A02 ROLE=PELMORA_DUNMOOR "NAME=Quandel Wizard Test Module Profile Core" VERSION=3.0.0)
quandel_msi_fixture(w1_groupA ${w1_fixtures}/w1_group.wxs OUTPUT_DIR ${w1_out}/packages DEPENDS ${w1_payload}
  DEFINES CID=1A03 P=A NAME=Alpha VERSION=1.2.0)
# A group installed by a test on its own, never in the distribution folder.
quandel_msi_fixture(w1_groupB ${w1_fixtures}/w1_group.wxs OUTPUT_DIR ${w1_out}/packages DEPENDS ${w1_payload}
  DEFINES CID=1A04 P=B NAME=Bravo VERSION=1.0.0)
quandel_msi_fixture(w1_host13 ${w1_fixtures}/w1_single.wxs OUTPUT_DIR ${w1_out}/packages DEPENDS ${w1_payload}
  DEFINES CID=1AF1 ROLE=HOST "NAME=Pelmora v13.2 Wizard Test Host" VERSION=13.2.0)
set(w1_layout
  ${w1_out}/MP/Install/Quandel.msi ${w1_out}/MP/Core/Dunmoor.msi ${w1_out}/MP/Alpha/w1_groupA.msi
  ${w1_out}/MP_broken/Broken/broken.msi ${w1_out}/empty/.keep)
add_custom_command(OUTPUT ${w1_layout}
  COMMAND ${CMAKE_COMMAND} -E copy ${w1_out}/packages/w1_setup.msi ${w1_out}/MP/Install/Quandel.msi
  COMMAND ${CMAKE_COMMAND} -E copy ${w1_out}/packages/w1_core.msi ${w1_out}/MP/Core/Dunmoor.msi
  COMMAND ${CMAKE_COMMAND} -E copy ${w1_out}/packages/w1_groupA.msi ${w1_out}/MP/Alpha/w1_groupA.msi
  COMMAND ${CMAKE_COMMAND} -E copy ${w1_fixtures}/payload/main.txt ${w1_out}/MP_broken/Broken/broken.msi
  COMMAND ${CMAKE_COMMAND} -E touch ${w1_out}/empty/.keep
  DEPENDS ${w1_out}/packages/w1_setup.msi ${w1_out}/packages/w1_core.msi ${w1_out}/packages/w1_groupA.msi
          ${w1_fixtures}/payload/main.txt
  COMMENT "wizard test distribution folders"
  VERBATIM)
add_custom_target(wizard1_layout DEPENDS ${w1_layout})
add_dependencies(wizard1_layout fixture_w1_setup fixture_w1_core fixture_w1_groupA fixture_w1_groupB fixture_w1_host13)

# The test programs find their language libraries beside themselves, named
# after themselves: copies of Quandel's.
foreach(lang ENU DEU)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/bin/wizard1_tests${lang}.dll
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Quandel${lang}> ${CMAKE_BINARY_DIR}/bin/wizard1_tests${lang}.dll
    DEPENDS Quandel${lang})
  list(APPEND w1_langs ${CMAKE_BINARY_DIR}/bin/wizard1_tests${lang}.dll)
endforeach()
add_custom_target(wizard1_tests_langs DEPENDS ${w1_langs})

set(w1_support ${CMAKE_CURRENT_LIST_DIR}/Wizard1TestSupport.cpp ${CMAKE_CURRENT_LIST_DIR}/Wizard1TestApp.cpp)

# The real wizard, start-up and runs: they ask Windows Installer about
# installed hosts or install packages, so they hold the installer lock.
quandel_gtest(wizard1_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard1SheetTests.cpp ${CMAKE_CURRENT_LIST_DIR}/Wizard1RunTests.cpp
          ${CMAKE_CURRENT_LIST_DIR}/Wizard1StartupTests.cpp ${w1_support}
  LIBS wizard msi
  DEPENDS wizard1_tests_langs wizard1_layout
  RESOURCE_LOCK msi
  TIMEOUT 300)

# No language library beside this one.
quandel_gtest(wizard1_nolang_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard1NoLanguageTests.cpp ${w1_support}
  LIBS wizard msi
  TIMEOUT 60)

# Quandel.exe itself, started from copy folders by the test program. Its
# discovery lists installed module profiles too: installer lock.
quandel_gtest(wizard1_program_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard1ProgramTests.cpp ${w1_support}
  LIBS wizard msi
  DEPENDS Quandel QuandelENU SarnelleENU wizard1_tests_langs wizard1_layout
  RESOURCE_LOCK msi
  TIMEOUT 300)

# Beside this one, under the name of its default language library: the
# plug-in's English library, which is no library of the setup program.
set(w1_foreign_lang ${CMAKE_BINARY_DIR}/bin/wizard1_foreignlang_testsENU.dll)
add_custom_command(OUTPUT ${w1_foreign_lang}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:SarnelleENU> ${w1_foreign_lang}
  DEPENDS SarnelleENU)
add_custom_target(wizard1_foreignlang_tests_lang DEPENDS ${w1_foreign_lang})
quandel_gtest(wizard1_foreignlang_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard1ForeignLanguageTests.cpp ${w1_support}
  LIBS wizard msi
  DEPENDS wizard1_foreignlang_tests_lang
  TIMEOUT 60)
