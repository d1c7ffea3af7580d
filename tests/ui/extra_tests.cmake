# Widget tests of the shadow label, the splash window, the information
# boxes, the backdrop and the fonts as a whole. Included from tests/ui/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
set(CMAKE_AUTOMOC ON)

foreach(name shadow_label boxes backdrop classic_fonts picture_file)
  add_executable(${name}_tests ${CMAKE_CURRENT_LIST_DIR}/${name}_test.cpp)
  target_link_libraries(${name}_tests PRIVATE potoran_ui_widgets potoran_test_support Qt6::Test)
  target_compile_definitions(${name}_tests PRIVATE
    POTORAN_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  potoran_warnings(${name}_tests)
  add_test(NAME ${name}_tests COMMAND ${name}_tests)
  set_tests_properties(${name}_tests PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/offscreen.json;QT_LOGGING_RULES=*.warning=false"
    TIMEOUT 120)
endforeach()
# Qt's warnings stay on here: a missing picture must be read without one.
set_tests_properties(picture_file_tests PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/offscreen.json")
