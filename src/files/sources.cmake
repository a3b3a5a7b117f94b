set(ZOQUEL_FILES_SOURCES
  files/file_dialogs.cpp
  files/file_messages.cpp
  files/map_file.cpp
  files/parameter_checks.cpp
  files/parameter_file.cpp
  files/regular_file.cpp
  files/safe_file.cpp
  files/targa.cpp
  files/text_parameter_fields.cpp
  files/text_parameters.cpp
)

# Files that need libpng, kept out of the core so that it stays standard library only.
set(ZOQUEL_IMAGE_FILE_SOURCES
  files/parameter_sources.cpp
  files/png_file.cpp
)
