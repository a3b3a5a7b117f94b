set(ZOQUEL_SHELL_TESTS
  main_window_test.cpp
)
set(ZOQUEL_FILE_COMMAND_TESTS
  file_commands_test.cpp
)
