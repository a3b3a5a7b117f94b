set(ZOQUEL_SHELL_TESTS
  main_window_test.cpp
)
