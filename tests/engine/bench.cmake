# discovery_bench: a benchmark over 40 generated group packages of 25
# modules each (also the packages of the wizard's start-up benchmark), run
# by the tests; by hand:
#   <build>/wine-run <build>/bin/discovery_bench.exe <build>/fixtures/bench
set(bench_dir ${QUANDEL_FIXTURE_DIR}/bench)
set(bench_wxs ${CMAKE_CURRENT_BINARY_DIR}/bench_group.wxs)
set(bench_payload ${CMAKE_SOURCE_DIR}/tests/fixtures/engine/payload/a.txt)

# wixl takes Source paths relative to the .wxs file's folder.
configure_file(${bench_payload} ${CMAKE_CURRENT_BINARY_DIR}/bench_payload.txt COPYONLY)
set(components "")
set(texts "")
set(features "")
foreach(i RANGE 10 34)
  string(APPEND components
    "          <Component Id=\"C${i}\" Guid=\"{E1A0B000-$(var.N)-4000-8000-0000000000${i}}\"><File Id=\"f${i}\" Name=\"f${i}.txt\" Source=\"bench_payload.txt\"/></Component>\n")
  string(APPEND features "        <Feature Id=\"Mod${i}\" Level=\"1\"><ComponentRef Id=\"C${i}\"/></Feature>\n")
  string(APPEND texts
    "    <Property Id=\"Mod${i}_CatalogNumber\" Value=\"BX-$(var.N)-${i}\"/>\n"
    "    <Property Id=\"Mod${i}_IsGeneric\" Value=\"No\"/>\n"
    "    <Property Id=\"Mod${i}_Description_1033\" Value=\"Bench I/O module ${i} of group $(var.N), 16 channels\"/>\n"
    "    <Property Id=\"Mod${i}_FWSeries_1033\" Value=\"S${i}\"/>\n"
    "    <Property Id=\"Mod${i}_FWMajRev_1033\" Value=\"2\"/>\n"
    "    <Property Id=\"Mod${i}_CompatibleTamroVersions_1033\" Value=\"12.0 - 13.2\"/>\n")
endforeach()
file(WRITE ${bench_wxs} "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">
  <Product Id=\"{E1A0B000-$(var.N)-4000-8000-000000000000}\" Name=\"Bench Module Profile $(var.N)\" Language=\"1033\"
           Version=\"1.0.0\" Manufacturer=\"Quandel Tests\" UpgradeCode=\"{E1A0B000-$(var.N)-4000-8000-0000000000FF}\">
    <Package InstallerVersion=\"200\" Compressed=\"yes\" InstallScope=\"perMachine\"/>
    <Media Id=\"1\" Cabinet=\"payload.cab\" EmbedCab=\"yes\"/>
    <Property Id=\"PELMORA_MODULE_PROFILE\" Value=\"1\"/>
    <Property Id=\"MinDunmoorVersion\" Value=\"2.5\"/>
    <Property Id=\"SetupLanguages\" Value=\"1033\"/>
    <Property Id=\"ModuleVendor\" Value=\"Bench Vendor $(var.N)\"/>
    <Property Id=\"GroupName_1033\" Value=\"Bench Group $(var.N)\"/>
    <Property Id=\"ModuleVendorPlusGroupName_1033\" Value=\"Bench Vendor $(var.N) Bench Group $(var.N)\"/>
${texts}    <Directory Id=\"TARGETDIR\" Name=\"SourceDir\">
      <Directory Id=\"ProgramFilesFolder\">
        <Directory Id=\"INSTALLDIR\" Name=\"Bench$(var.N)\">
${components}        </Directory>
      </Directory>
    </Directory>
    <Feature Id=\"Main\" Level=\"1\">
${features}    </Feature>
  </Product>
</Wix>
")

set(bench_outputs "")
foreach(n RANGE 1000 1039)
  set(out ${bench_dir}/bench${n}.msi)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${bench_dir}
    COMMAND ${WIXL_EXECUTABLE} -o ${out} -D N=${n} ${bench_wxs}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DEPENDS ${bench_wxs} ${bench_payload}
    VERBATIM)
  list(APPEND bench_outputs ${out})
endforeach()
add_custom_target(bench_packages DEPENDS ${bench_outputs})

add_executable(discovery_bench bench/DiscoveryBench.cpp)
target_link_libraries(discovery_bench PRIVATE engine)
target_include_directories(discovery_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
add_dependencies(discovery_bench bench_packages)
add_test(NAME DiscoveryBench.InitializeWithinThreeTimesOneQueryPerTable
         COMMAND discovery_bench ..\\fixtures\\bench
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_tests_properties(DiscoveryBench.InitializeWithinThreeTimesOneQueryPerTable PROPERTIES
  RESOURCE_LOCK msi RUN_SERIAL TRUE TIMEOUT 300)
