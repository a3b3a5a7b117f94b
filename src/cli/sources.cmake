set(ZOQUEL_CLI_LIB_SOURCES
  cli/listings.cpp
  cli/options.cpp
  cli/render_command.cpp
)
