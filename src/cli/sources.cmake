set(ZOQUEL_CLI_LIB_SOURCES
  cli/options.cpp
  cli/png_writer.cpp
  cli/render_command.cpp
)
