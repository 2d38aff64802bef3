# Windows builds: the program and the in-process tests; x86_64 adds the
# end-to-end tests, i686 runs its tests under the 32-bit Wine loader.
add_compile_definitions(WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0500)

# comdlg32 and shell32 are loaded at their first use (src/base/system_calls).
set(HAKUZO_SYSTEM_LIBS advapi32 gdi32 user32 kernel32)

add_library(hakuzo_win STATIC ${HAKUZO_WIN_SOURCES})
target_link_libraries(hakuzo_win PUBLIC hakuzo_pure ${HAKUZO_SYSTEM_LIBS})
target_compile_options(hakuzo_win PRIVATE ${HAKUZO_PROGRAM_FLAGS})

# Resources as an object library so the test programs carry the same menu,
# accelerators and icons as the editor.
add_library(hakuzo_resources OBJECT ${CMAKE_SOURCE_DIR}/resources/hakuzo.rc)
target_include_directories(hakuzo_resources PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR}/generated)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/hakuzo.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/generated/version.h;${CMAKE_SOURCE_DIR}/resources/resource.h;${CMAKE_SOURCE_DIR}/resources/hakuzo.ico;${CMAKE_SOURCE_DIR}/resources/hakuzo_small.ico")

# The editor has its own entry point and no C runtime start-up: it depends on
# system DLLs only and starts at once.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
  set(HAKUZO_ENTRY _ProcessEntry)
else()
  set(HAKUZO_ENTRY ProcessEntry)
endif()
add_executable(hakuzo WIN32 ${CMAKE_SOURCE_DIR}/src/shell/process_entry.cpp ${HAKUZO_EXE_SOURCES}
  $<TARGET_OBJECTS:hakuzo_resources>)
target_compile_options(hakuzo PRIVATE ${HAKUZO_PROGRAM_FLAGS})
target_link_libraries(hakuzo PRIVATE hakuzo_win)
target_link_options(hakuzo PRIVATE -static -nostartfiles -Wl,-e,${HAKUZO_ENTRY} -Wl,--gc-sections -s)

if(HAKUZO_TESTS)
  enable_testing()
  # The in-process tests run on both builds: the i686 one is the product.
  include(${CMAKE_SOURCE_DIR}/cmake/googletest-mingw.cmake)
  file(GLOB HAKUZO_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
  add_executable(win_tests ${HAKUZO_WIN_TESTS} $<TARGET_OBJECTS:hakuzo_resources>)
  target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)
  target_compile_definitions(win_tests PRIVATE HAKUZO_CORPUS_DIR="${CMAKE_SOURCE_DIR}/tests/win/corpus")
  target_link_libraries(win_tests PRIVATE hakuzo_win gtest)
  target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/resources)
  target_link_options(win_tests PRIVATE -static -mwindows -mconsole)
  # A folder of its own: the settings file lies beside the exe, and the
  # tests' one must not be the editor's.
  set_target_properties(win_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

  # Stands in for the external editor: records how it was started.
  add_executable(record_command_line WIN32 ${CMAKE_SOURCE_DIR}/tests/win/helpers/record_command_line.cpp)
  target_link_options(record_command_line PRIVATE -static -mwindows)
  set_target_properties(record_command_line PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_dependencies(win_tests record_command_line)
endif()

if(HAKUZO_TESTS AND CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
  add_test(NAME win_tests COMMAND win_tests)
  set_tests_properties(win_tests PROPERTIES TIMEOUT 300)

  file(GLOB HAKUZO_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
  foreach(script ${HAKUZO_E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e_${name} COMMAND bash ${script} $<TARGET_FILE:hakuzo>)
    set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 180)
  endforeach()
endif()

# The release exe itself, run under 32-bit Wine through qemu's user-mode
# emulation where the machine allows it (slow: one start takes about a minute).
if(HAKUZO_TESTS AND CMAKE_SYSTEM_PROCESSOR STREQUAL i686 AND EXISTS ${CMAKE_SOURCE_DIR}/tests/release/release_smoke.sh)
  add_test(NAME release_smoke COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/release_smoke.sh $<TARGET_FILE:hakuzo>)
  set_tests_properties(release_smoke PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77 RESOURCE_LOCK win32_prefix)
  # The in-process suite as 32-bit code, in the same prefix: about 15 s where
  # 32-bit programs run natively, many minutes through qemu.
  add_test(NAME win_tests_i686 COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/win_tests_i686.sh $<TARGET_FILE:win_tests>)
  set_tests_properties(win_tests_i686 PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77 RESOURCE_LOCK win32_prefix)
endif()
