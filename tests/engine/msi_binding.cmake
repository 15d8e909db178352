# The installer binding, run from a folder that also holds a library named
# msi.dll: only the system folder's msi.dll may be the one bound.
set(msi_beside_dir ${CMAKE_BINARY_DIR}/bin/msi-beside)
quandel_resource_dll(msi_beside_fake ${CMAKE_CURRENT_LIST_DIR}/not_msi.rc OUTPUT_NAME msi)
# Its import library stays in its own folder too: it must never stand in for
# the real one.
set_target_properties(msi_beside_fake PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${msi_beside_dir}
                      ARCHIVE_OUTPUT_DIRECTORY ${msi_beside_dir})

quandel_gtest(msi_binding_tests
  SOURCES MsiBindingTests.cpp
  LIBS engine
  DEPENDS msi_beside_fake
  TIMEOUT 60)
set_target_properties(msi_binding_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${msi_beside_dir})
