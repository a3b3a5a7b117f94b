set(ZOQUEL_CLI_LIB_SOURCES
  cli/options.cpp
  cli/named_settings.cpp
  cli/png_writer.cpp
  cli/render_command.cpp
)
