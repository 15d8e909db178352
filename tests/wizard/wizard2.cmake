# Wizard part 2: welcome, licence, modify, module installation and removal,
# summary, the module details list and the details and disk-space dialogs;
# and the whole road through the real program.
set(w2_fixture_dir ${CMAKE_SOURCE_DIR}/tests/fixtures/wizard2)
file(GLOB w2_payload CONFIGURE_DEPENDS ${w2_fixture_dir}/payload/*.txt)

# Codes are made from four hex digits, unique among the wizard fixtures.
# Options: VERSION (default 1.<modules>.0), UPGRADE (digits of the upgrade
# code, default the product's), FW (ModA's firmware series and revision,
# default FA 7).
function(w2_group name cid group_name cat modules)
  cmake_parse_arguments(A "" "VERSION;UPGRADE" "FW" ${ARGN})
  if(NOT A_VERSION)
    set(A_VERSION 1.${modules}.0)
  endif()
  if(NOT A_UPGRADE)
    set(A_UPGRADE ${cid})
  endif()
  if(NOT A_FW)
    set(A_FW FA 7)
  endif()
  list(GET A_FW 0 fws)
  list(GET A_FW 1 fwr)
  quandel_msi_fixture(${name} ${w2_fixture_dir}/w2_group.wxs
    DEFINES CID=${cid} UCID=${A_UPGRADE} NAME=${group_name} VERSION=${A_VERSION} CAT=${cat} MODULES=${modules}
            FWS=${fws} FWR=${fwr}
    DEPENDS ${w2_payload})
endfunction()
w2_group(w2_alpha 0201 Alpha AL 1)
w2_group(w2_beta  0202 Beta  BE 1)
w2_group(w2_twin1 0203 Twin  TW 1)   # same group name and catalogue numbers as w2_twin2
w2_group(w2_twin2 0204 Twin  TW 1)
# A newer package file of alpha whose first module has other firmware texts.
w2_group(w2_alpha_next 0205 Alpha AL 1 VERSION 1.2.0 UPGRADE 0201 FW FN 8)
# The setup program's core package, for the pages that show its version.
quandel_msi_fixture(w2_core ${CMAKE_SOURCE_DIR}/tests/fixtures/wizard1/w1_single.wxs
  DEFINES CID=0210 ROLE=PELMORA_DUNMOOR "NAME=Quandel Page Test Module Profile Core" VERSION=3.0.4
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/fixtures/wizard1/payload/core.txt)
quandel_msi_fixture(w2_setup ${CMAKE_SOURCE_DIR}/tests/fixtures/wizard1/w1_single.wxs
  DEFINES CID=0211 ROLE=PELMORA_QUANDELEXE "NAME=Quandel Page Test Module Profile Setup" VERSION=1.0.2
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/fixtures/wizard1/payload/core.txt)
# A group package without a ProductCode: its modules come from a package
# file, yet the group counts as neither shipped nor installed.
quandel_msi_fixture_without(w2_nocode w2_beta ProductCode)

# A group whose modules have sizes the space line shows: 2 MiB, 1 MiB and
# 300 KiB. Its files are made at configure time (no binary files in the
# sources), beside a copy of its definition, where wixl looks for them.
set(w2_sized_stage ${CMAKE_CURRENT_BINARY_DIR}/w2_sized_stage)
configure_file(${w2_fixture_dir}/w2_sized.wxs ${w2_sized_stage}/w2_sized.wxs COPYONLY)
string(REPEAT "Quandel page test payload line.\n" 32 w2_kib)   # 1024 bytes
foreach(file_kib main.txt:1 a1.dat:1024 a2.dat:1024 b1.dat:512 b2.dat:512 c.dat:300)
  string(REPLACE ":" ";" file_kib ${file_kib})
  list(GET file_kib 0 file)
  list(GET file_kib 1 kib)
  string(REPEAT "${w2_kib}" ${kib} content)
  file(CONFIGURE OUTPUT ${w2_sized_stage}/${file} CONTENT "${content}")
endforeach()
quandel_msi_fixture(w2_sized ${w2_sized_stage}/w2_sized.wxs DEFINES CID=0206)
# The same package with every file claiming 1.5e9 bytes: figures beyond
# 32 bits at the component, feature and package level. Never installed.
quandel_msi_patched(w2_huge w2_sized "UPDATE `File` SET `FileSize` = 1500000000")

set(w2_fixtures fixture_w2_alpha fixture_w2_beta fixture_w2_twin1 fixture_w2_twin2 fixture_w2_alpha_next
    fixture_w2_core fixture_w2_setup fixture_w2_nocode fixture_w2_sized fixture_w2_huge)

set(w2_support ${CMAKE_CURRENT_LIST_DIR}/Wizard2Support.cpp)
set(w2_src ${CMAKE_SOURCE_DIR}/setup/wizard)

# The details list and the dialogs, against package files (nothing
# installed); built from their own sources so they do not wait for the
# rest of the wizard. Discovery also lists installed module profiles, so
# these hold the installer lock: another test's install would add groups.
quandel_gtest(wizard2_details_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard2DetailsTests.cpp ${w2_support}
          ${w2_src}/QuandelModuleDetailsListBox.cpp ${w2_src}/ListBoxExtent.cpp ${w2_src}/QuandelDetailsDlg.cpp
          ${w2_src}/QuandelDiskSpaceDlg.cpp ${w2_src}/RemovalRunMode.cpp ${w2_src}/SetupFonts.cpp
  LIBS service framework
  DEPENDS QuandelENU ${w2_fixtures}
  RESOURCE_LOCK msi
  TIMEOUT 60)
target_include_directories(wizard2_details_tests PRIVATE ${CMAKE_SOURCE_DIR}/resources/quandel)

# The pages inside the real wizard sheet (discovery: installer lock).
quandel_gtest(wizard2_page_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard2PageTests.cpp ${w2_support}
  LIBS wizard
  DEPENDS QuandelENU ${w2_fixtures}
  RESOURCE_LOCK msi
  TIMEOUT 120)

# The module removal page over installed test groups (they install: msi lock).
quandel_gtest(wizard2_removal_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard2RemovalPageTests.cpp ${w2_support}
  LIBS wizard
  DEPENDS QuandelENU ${w2_fixtures}
  RESOURCE_LOCK msi
  TIMEOUT 300)

# The real program of the demo distribution through the whole road (it
# installs and removes the demo packages: msi lock). It drives another
# process's windows by sending messages to them (no real input, no focus)
# and waits for each window or state with a deadline long enough for a
# loaded machine, so it runs beside the other tests.
if(TARGET demo_dist)
  quandel_gtest(wizard2_end_to_end_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Wizard2EndToEndTests.cpp ${w2_support}
    LIBS wizard
    DEPENDS demo_dist
    RESOURCE_LOCK msi
    TIMEOUT 600)
  target_include_directories(wizard2_end_to_end_tests PRIVATE ${CMAKE_SOURCE_DIR}/resources/quandel)
endif()
