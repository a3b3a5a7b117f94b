set(ZOQUEL_CLI_TESTS
  cli/render_cli_test.cpp
  cli/render_files_test.cpp
)
