set(ZOQUEL_FILES_TESTS
  files/map_file_test.cpp
  files/parameter_file_test.cpp
  files/png_file_test.cpp
  files/targa_test.cpp
  files/text_parameters_test.cpp
)
