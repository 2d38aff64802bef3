list(APPEND HAKUZO_PURE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell_options.cpp)
list(APPEND HAKUZO_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/app_instance.cpp)
list(APPEND HAKUZO_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/system_calls.cpp)
# The editor's exe alone: the test programs keep the C runtime they start with.
set(HAKUZO_EXE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/c_functions.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/c_functions.cpp PROPERTIES
  COMPILE_OPTIONS "-fno-builtin;-fno-tree-loop-distribute-patterns")
