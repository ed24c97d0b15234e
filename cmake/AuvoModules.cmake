# One static library per source folder, one test executable per test folder.
# Every folder owns a tiny CMakeLists.txt that names only its own dependencies.

# auvo_library(<name> [DEPS ...] [QT]) : all *.cpp/*.h of the current folder.
function(auvo_library name)
  cmake_parse_arguments(A "QT" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${A_DEPS})
  if(A_QT)
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport)
  else()
    # No Qt below the GUI layer: skip the moc/uic/rcc scans there.
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  endif()
  # Register with its layer (src/<layer>/...), for the layer aggregate targets.
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX MATCH "^[a-z]+" layer "${rel}")
  set_property(GLOBAL APPEND PROPERTY AUVO_LIBS_${layer} ${name})
endfunction()

# auvo_test(<name> [DEPS ...] [GUI] [LABELS ...]) : all *.cpp of the current folder
# plus the shared test main (a QApplication on the offscreen platform with GUI).
# Labels: `device` needs a real sound server, `slow` takes seconds; `ctest -LE "device|slow"`
# runs the quick rest.
function(auvo_test name)
  cmake_parse_arguments(A "GUI" "" "DEPS;LABELS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(A_GUI)
    add_executable(${name} ${srcs})
    target_link_libraries(${name} PRIVATE auvo_test_gui_main)
  else()
    add_executable(${name} ${srcs})
    target_link_libraries(${name} PRIVATE auvo_test_main)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  endif()
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;AUVO_AUDIO_OUTPUT=null;AUVO_SOURCE_DIR=${PROJECT_SOURCE_DIR};AUVO_BINARY_DIR=${PROJECT_BINARY_DIR}"
    TIMEOUT 120)
  if(A_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${A_LABELS}")
  endif()
endfunction()

# Adds every direct subfolder that has a CMakeLists.txt.
function(auvo_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Adds every folder below the current one that has a CMakeLists.txt (skipping the GUI when off).
function(auvo_add_tree)
  file(GLOB_RECURSE lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  list(SORT lists)
  foreach(l ${lists})
    get_filename_component(dir ${l} DIRECTORY)
    file(RELATIVE_PATH rel ${CMAKE_CURRENT_SOURCE_DIR} ${dir})
    if(NOT AUVO_GUI AND rel MATCHES "(^|/)gui(/|$)")
      continue()
    endif()
    if(rel MATCHES "^support$")
      continue()
    endif()
    add_subdirectory(${dir})
  endforeach()
endfunction()
