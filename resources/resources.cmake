# The pictures, animations and skin compiled into the program. The pictures
# are drawn by make-pictures.py (run by hand; its outputs are committed).
set(_brivela_icons exit smiley acronym extensions users about feedback)
set(_brivela_icon_files)
foreach(_name IN LISTS _brivela_icons)
  list(APPEND _brivela_icon_files
    ${CMAKE_CURRENT_LIST_DIR}/icons/${_name}-16.png
    ${CMAKE_CURRENT_LIST_DIR}/icons/${_name}-32.png)
endforeach()

qt_add_resources(brivela_ui brivela_resources
  PREFIX /
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES
    ${CMAKE_CURRENT_LIST_DIR}/skin/plexxp.qss
    ${CMAKE_CURRENT_LIST_DIR}/pictures/search.png
    ${CMAKE_CURRENT_LIST_DIR}/pictures/tray.png
    ${CMAKE_CURRENT_LIST_DIR}/pictures/brivela.png
    ${CMAKE_CURRENT_LIST_DIR}/pictures/logo.gif
    ${CMAKE_CURRENT_LIST_DIR}/pictures/anecdote.gif
    ${_brivela_icon_files})
