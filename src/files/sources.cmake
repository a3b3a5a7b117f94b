set(ZOQUEL_FILES_SOURCES
  files/safe_file.cpp
  files/targa.cpp
)
