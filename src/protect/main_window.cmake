# The main window: its portable form and, for Windows, its view and list controls.
qfv_library(qfv_main_window
  SOURCES form1.cpp main_window_dirs.cpp
  DEPS qfv_protect)

if(WIN32)
  qfv_library(qfv_main_window_win32
    SOURCES win32/form1_window.cpp win32/dir_list_source.cpp
    DEPS qfv_main_window qfv_platform_win32 comctl32 gdi32 user32)
  target_include_directories(qfv_main_window_win32 PRIVATE ${CMAKE_SOURCE_DIR}/src/resources)
  # The window's pictures: link this object file into the program.
  set(QFV_FORM1_RC ${CMAKE_SOURCE_DIR}/src/resources/form1.rc CACHE INTERNAL "")
endif()
