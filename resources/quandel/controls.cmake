# Bitmaps of the tree list controls (103 and 167), generated into the build
# tree by make_controls_bitmaps.py; the .rc files name them without a path.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(controls_image_dir ${CMAKE_CURRENT_BINARY_DIR}/controls)
set(controls_images ${controls_image_dir}/controls_tree_glyphs.bmp ${controls_image_dir}/controls_check_images.bmp)
add_custom_command(OUTPUT ${controls_images}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/make_controls_bitmaps.py ${controls_image_dir}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_controls_bitmaps.py
  COMMENT "tree list bitmaps"
  VERBATIM)
add_custom_target(quandel_controls_images DEPENDS ${controls_images})
foreach(lib QuandelENU QuandelDEU)
  target_include_directories(${lib} PRIVATE ${controls_image_dir})
  add_dependencies(${lib} quandel_controls_images)
endforeach()
set_property(SOURCE QuandelENU.rc QuandelDEU.rc APPEND PROPERTY OBJECT_DEPENDS ${controls_images})
