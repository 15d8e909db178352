# Project-wide helpers: the Wine emulator wrapper, resource-only DLLs,
# test packages built by wixl, and GoogleTest executables run under Wine.

# The Windows architecture of this tree: x86 (the deliverables) or x64 (the
# same sources for machines that cannot run 32-bit programs).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUANDEL_ARCH x64)
  set(QUANDEL_WINEARCH win64)
  set(QUANDEL_WINE_LOADER /usr/lib/wine/wine64)
else()
  set(QUANDEL_ARCH x86)
  set(QUANDEL_WINEARCH win32)
  set(QUANDEL_WINE_LOADER wine)
endif()
set(QUANDEL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Private Wine prefix of this build tree")
configure_file(${CMAKE_SOURCE_DIR}/tools/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run CACHE FILEPATH "" FORCE)

set(QUANDEL_FIXTURE_DIR ${CMAKE_BINARY_DIR}/fixtures)
file(MAKE_DIRECTORY ${QUANDEL_FIXTURE_DIR})
if(NOT TARGET fixtures)
  add_custom_target(fixtures ALL)
endif()

find_program(WIXL_EXECUTABLE wixl REQUIRED)

# quandel_resource_dll(<target> <rc file> [OUTPUT_NAME name] [DEPENDS files...])
# A resource-only library (no code, no entry point) in the binary folder.
function(quandel_resource_dll target rc)
  cmake_parse_arguments(A "" "OUTPUT_NAME" "DEPENDS;INCLUDES" ${ARGN})
  add_library(${target} SHARED ${rc})
  set_target_properties(${target} PROPERTIES LINKER_LANGUAGE C PREFIX "")
  if(A_OUTPUT_NAME)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${A_OUTPUT_NAME})
  endif()
  target_link_options(${target} PRIVATE -nostdlib -Wl,--entry=0 -Wl,--no-insert-timestamp)
  get_filename_component(rcdir ${rc} DIRECTORY)
  if(NOT IS_ABSOLUTE "${rcdir}")
    set(rcdir ${CMAKE_CURRENT_SOURCE_DIR}/${rcdir})
  endif()
  target_include_directories(${target} PRIVATE ${rcdir} ${A_INCLUDES})
  if(A_DEPENDS)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${A_DEPENDS}")
  endif()
endfunction()

# quandel_msi_fixture(<name> <wxs> [DEFINES VAR=VALUE...] [DEPENDS files...])
# Builds ${QUANDEL_FIXTURE_DIR}/<name>.msi with wixl at build time. Source
# paths inside the .wxs resolve against the .wxs file's folder.
function(quandel_msi_fixture name wxs)
  cmake_parse_arguments(A "" "OUTPUT_DIR" "DEFINES;DEPENDS" ${ARGN})
  if(NOT IS_ABSOLUTE "${wxs}")
    set(wxs ${CMAKE_CURRENT_SOURCE_DIR}/${wxs})
  endif()
  set(outdir ${QUANDEL_FIXTURE_DIR})
  if(A_OUTPUT_DIR)
    set(outdir ${A_OUTPUT_DIR})
  endif()
  set(out ${outdir}/${name}.msi)
  set(defs)
  foreach(d ${A_DEFINES})
    list(APPEND defs -D ${d})
  endforeach()
  get_filename_component(wxsdir ${wxs} DIRECTORY)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${outdir}
    COMMAND ${WIXL_EXECUTABLE} -o ${out} ${defs} ${wxs}
    WORKING_DIRECTORY ${wxsdir}
    DEPENDS ${wxs} ${A_DEPENDS}
    COMMENT "wixl ${name}.msi"
    VERBATIM)
  add_custom_target(fixture_${name} DEPENDS ${out})
  add_dependencies(fixtures fixture_${name})
endfunction()

# quandel_msi_patched(<name> <source> <query>)
# ${QUANDEL_FIXTURE_DIR}/<name>.msi: a copy of the fixture <source> with an
# SQL query applied by msibuild, for table contents wixl cannot write.
function(quandel_msi_patched name source query)
  set(out ${QUANDEL_FIXTURE_DIR}/${name}.msi)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${QUANDEL_FIXTURE_DIR}/${source}.msi ${out}
    COMMAND msibuild ${out} -q "${query}"
    DEPENDS ${QUANDEL_FIXTURE_DIR}/${source}.msi
    VERBATIM)
  add_custom_target(fixture_${name} DEPENDS ${out})
  add_dependencies(fixture_${name} fixture_${source})
  add_dependencies(fixtures fixture_${name})
endfunction()

# quandel_msi_fixture_without(<name> <source> <property>)
# ${QUANDEL_FIXTURE_DIR}/<name>.msi: a copy of the fixture <source>.msi whose
# Property table lacks <property>, for packages wixl will not build.
function(quandel_msi_fixture_without name source property)
  quandel_msi_patched(${name} ${source} "DELETE FROM `Property` WHERE `Property` = '${property}'")
endfunction()

# quandel_gtest(<target> SOURCES ... [LIBS ...] [RESOURCE_LOCK name] [TIMEOUT s] [DEPENDS targets...])
# A GoogleTest executable for the target platform; each test case becomes
# one CTest test, discovered under Wine when ctest runs. PROPERTIES apply
# to every test case of the executable.
#
# RESOURCE_LOCK msi: a program whose tests open package files or installed
# products, enumerate products or install anything. Windows Installer is
# one per machine, so these never overlap; and each such program starts and
# ends without products of the test packages (tests/common/TestProducts.h).
include(GoogleTest)
function(quandel_gtest target)
  cmake_parse_arguments(A "" "RESOURCE_LOCK;TIMEOUT" "SOURCES;LIBS;DEPENDS;PROPERTIES" ${ARGN})
  add_executable(${target} ${A_SOURCES} ${CMAKE_SOURCE_DIR}/tests/common/TestMain.cpp)
  target_link_libraries(${target} PRIVATE ${A_LIBS} gtest)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  if(A_DEPENDS)
    add_dependencies(${target} ${A_DEPENDS})
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 120)
  endif()
  set(props TIMEOUT ${A_TIMEOUT} ${A_PROPERTIES})
  if(A_RESOURCE_LOCK)
    list(APPEND props RESOURCE_LOCK ${A_RESOURCE_LOCK})
  endif()
  if("msi" IN_LIST A_RESOURCE_LOCK)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common/TestProducts.cpp)
    target_link_libraries(${target} PRIVATE msi)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES ${props})
endfunction()
