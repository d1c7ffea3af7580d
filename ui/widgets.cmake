# The self-contained windows and components: the shadow label, the splash
# window and the two information boxes. Included from ui/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(CMAKE_AUTOMOC ON)

add_library(potoran_ui_widgets STATIC
  ${CMAKE_CURRENT_LIST_DIR}/about_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_box1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/backdrop_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bevel_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bevel_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/box_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/classic_look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cp932_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_kit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_3d.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gradation_fill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/splash_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/t_shadow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/t_shadow_label.cpp
)
target_include_directories(potoran_ui_widgets PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(potoran_ui_widgets PUBLIC potoran_core Qt6::Widgets)
potoran_warnings(potoran_ui_widgets)

# The learner's manual shown by the about-this-software box lies beside the
# program.
set(POTORAN_MANUAL_SOURCE ${PROJECT_SOURCE_DIR}/data/manual.txt)
add_custom_command(
  OUTPUT ${POTORAN_DIR}/manual.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${POTORAN_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${POTORAN_MANUAL_SOURCE} ${POTORAN_DIR}/manual.txt
  DEPENDS ${POTORAN_MANUAL_SOURCE}
  COMMENT "Copying the manual into the program folder")
add_custom_target(potoran_manual ALL DEPENDS ${POTORAN_DIR}/manual.txt)
add_dependencies(potoran_ui_widgets potoran_manual)
install(FILES ${POTORAN_MANUAL_SOURCE} DESTINATION .)
