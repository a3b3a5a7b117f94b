set(ZOQUEL_CLI_LIB_SOURCES
  cli/listings.cpp
  cli/options.cpp
  cli/png_writer.cpp
  cli/render_command.cpp
)
