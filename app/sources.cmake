# Sources of the app windows (headers-only windows need no entry).
list(APPEND VELT_WINDOW_SOURCES
  app/forms.cpp
  app/main_window.cpp
  app/login.cpp
  app/style_file.cpp
  app/program.cpp
)
