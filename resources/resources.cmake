# The pictures, animations and skin compiled into the program.
qt_add_resources(brivela_ui brivela_resources
  PREFIX /
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES
    ${CMAKE_CURRENT_LIST_DIR}/skin/plexxp.qss)
