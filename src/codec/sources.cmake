list(APPEND HAKUZO_PURE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/line_ends.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoding_detect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kanji_pairs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unicode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/char_points.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joyo_kanji.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_guess.cpp)
