# Generates the wizard's icon (icon 128 of Quandel's language libraries)
# with make_wizard_icon.py, and lets a language library's .rc find it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(QUANDEL_WIZARD_ICON_DIR ${CMAKE_BINARY_DIR}/generated/quandel)
set(QUANDEL_WIZARD_ICON ${QUANDEL_WIZARD_ICON_DIR}/quandel_wizard.ico)
add_custom_command(OUTPUT ${QUANDEL_WIZARD_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUANDEL_WIZARD_ICON_DIR}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/make_wizard_icon.py ${QUANDEL_WIZARD_ICON}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_wizard_icon.py
  COMMENT "wizard icon"
  VERBATIM)
add_custom_target(quandel_wizard_icon DEPENDS ${QUANDEL_WIZARD_ICON})

# quandel_use_wizard_icon(<resource dll target> <its .rc source>)
function(quandel_use_wizard_icon target rc)
  target_include_directories(${target} PRIVATE ${QUANDEL_WIZARD_ICON_DIR})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${QUANDEL_WIZARD_ICON})
  add_dependencies(${target} quandel_wizard_icon)
endfunction()
