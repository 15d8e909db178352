# Images of the pages area, made at build time from committed text sources.
find_program(QUANDEL_CONVERT convert REQUIRED)
set(pages_image_dir ${CMAKE_CURRENT_BINARY_DIR}/images)
add_custom_command(OUTPUT ${pages_image_dir}/pages_drives.bmp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${pages_image_dir}
  COMMAND ${QUANDEL_CONVERT} ${CMAKE_CURRENT_SOURCE_DIR}/images/drives.xpm -type truecolor BMP3:${pages_image_dir}/pages_drives.bmp
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/images/drives.xpm
  COMMENT "drive images of the disk-space dialog"
  VERBATIM)
foreach(lib QuandelENU QuandelDEU)
  target_include_directories(${lib} PRIVATE ${pages_image_dir})
endforeach()
set_property(SOURCE QuandelENU.rc QuandelDEU.rc APPEND PROPERTY OBJECT_DEPENDS ${pages_image_dir}/pages_drives.bmp)
