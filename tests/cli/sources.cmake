set(ZOQUEL_CLI_TESTS
  cli/deep_view_cli_test.cpp
  cli/render_cli_test.cpp
  cli/render_files_test.cpp
)
