set(ZOQUEL_CLI_TESTS
  cli/named_settings_test.cpp
  cli/render_cli_test.cpp
  cli/render_files_test.cpp
)
