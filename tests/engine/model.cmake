# Package model and discovery: logic tables, package files, and installed
# products. Opening a package file while another test installs can fail
# (1627), and the installed-product tests install into the test prefix:
# both hold the msi lock.

set(mp_fixture_dir ${CMAKE_SOURCE_DIR}/tests/fixtures/engine)
file(GLOB mp_payload CONFIGURE_DEPENDS ${mp_fixture_dir}/payload/*.txt)

# mp_group(<name> <code digits> <upgrade digits> <version> [options])
# Codes are made from four hex digits so every package is unique.
function(mp_group name pc uc version)
  cmake_parse_arguments(A "" "NAME;FLAG;MODULES;LOCALDE;HASMINCORE" "" ${ARGN})
  if(NOT A_NAME)
    set(A_NAME "Quandel Test Module Profile ${name}")
  endif()
  foreach(v FLAG MODULES LOCALDE HASMINCORE)
    if(NOT DEFINED A_${v})
      set(A_${v} 1)
    endif()
  endforeach()
  quandel_msi_fixture(${name} ${mp_fixture_dir}/mp_group.wxs
    DEFINES PC=E1A00000-${pc}-4000-8000-00000000${pc} UC=E1A00000-00A0-4000-8000-00000000${uc}
            CID=${pc} "NAME=${A_NAME}" VERSION=${version} FLAG=${A_FLAG} MODULES=${A_MODULES}
            LOCALDE=${A_LOCALDE} HASMINCORE=${A_HASMINCORE}
    DEPENDS ${mp_payload})
endfunction()

function(mp_single name pc uc version core setup)
  cmake_parse_arguments(A "" "NAME" "" ${ARGN})
  if(NOT A_NAME)
    set(A_NAME "Quandel Test Module Profile ${name}")
  endif()
  quandel_msi_fixture(${name} ${mp_fixture_dir}/mp_single.wxs
    DEFINES PC=E1A00000-${pc}-4000-8000-00000000${pc} UC=E1A00000-00A0-4000-8000-00000000${uc}
            CID=${pc} "NAME=${A_NAME}" VERSION=${version} CORE=${core} SETUP=${setup}
    DEPENDS ${mp_payload})
endfunction()

mp_group(mp_alpha      0001 000A 2.1.5)
mp_group(mp_alpha_new  0002 000A 2.2.0)
mp_group(mp_alpha_old  0001 000A 2.1.3)   # same ProductCode, lower build
mp_group(mp_alpha_twin 0003 000A 2.1.5)   # same version, other ProductCode
mp_group(mp_beta       0005 000B 1.0.0 NAME "Quandel Test module PROFILE Beta" LOCALDE 0 HASMINCORE 0)
mp_group(mp_beta_two   0006 000B 1.0.1)
mp_group(mp_mainonly   0007 000C 1.0.0 MODULES 0)
mp_group(mp_flag10     0008 000D 1.0.0 FLAG 1234567890)
mp_group(mp_flag9      0009 000E 1.0.0 FLAG 123456789)
mp_group(mp_nowords    000A 000F 1.0.0 NAME "Quandel Test Adapter Pack")
mp_single(mp_core      0010 0010 3.0.1 1 0)
mp_single(mp_setup     0011 0011 1.2.3 0 1)
mp_single(mp_setup_two 0012 0012 1.3.0 0 1)
mp_single(mp_both      0013 0013 1.0.0 1 1)

# A group package without an UpgradeCode.
mp_group(mp_noupgrade_src 0014 0014 1.0.0)
quandel_msi_fixture_without(mp_noupgrade mp_noupgrade_src UpgradeCode)

set(mp_fixtures fixture_mp_alpha fixture_mp_alpha_new fixture_mp_alpha_old fixture_mp_alpha_twin
    fixture_mp_beta fixture_mp_beta_two fixture_mp_mainonly fixture_mp_flag10 fixture_mp_flag9
    fixture_mp_nowords fixture_mp_core fixture_mp_setup fixture_mp_setup_two fixture_mp_both
    fixture_mp_noupgrade)

quandel_gtest(model_logic_tests
  SOURCES ModelLogicTests.cpp FeatureSizeListTests.cpp ModelSeamTests.cpp
  LIBS engine
  TIMEOUT 60)

quandel_gtest(model_package_tests
  SOURCES PackageFileTests.cpp ModelTestSupport.cpp
  LIBS engine
  DEPENDS ${mp_fixtures}
  RESOURCE_LOCK msi
  TIMEOUT 60)

quandel_gtest(model_discovery_tests
  SOURCES DiscoveryTests.cpp InstalledDiscoveryTests.cpp ModelTestSupport.cpp
  LIBS engine
  DEPENDS ${mp_fixtures}
  RESOURCE_LOCK msi
  TIMEOUT 300)
