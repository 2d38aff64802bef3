list(APPEND HAKUZO_PURE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/document_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_dialog_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keep_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_text.cpp)
list(APPEND HAKUZO_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/document_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_dialog.cpp)
